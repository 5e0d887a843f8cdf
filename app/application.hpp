// The program's start: runs the main window on a platform's dialog manager.
#pragma once

#include "dialog/dialog.hpp"

namespace quelrin {

// Runs the main window in the current directory (dados.txt, prefs.dat and
// the help file are looked for there) and returns the exit code: 0 when the
// user quit, 1 when the fluid database could not be read, -1 when the main
// window could not be created.
int run_application(DialogHost& host);

}  // namespace quelrin
