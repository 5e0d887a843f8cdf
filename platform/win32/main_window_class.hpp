// The window class that the main window's template names.
#pragma once

#include <windows.h>

namespace quelrin {

// The class the template's CLASS statement asks for.
inline constexpr char MAIN_WINDOW_CLASS[] = "Ruzav";

// Registers the main window's class for `instance`: a dialog class (the
// default dialog procedure and its extra bytes) with the program's icon,
// so that the main window shows it in its caption and task entry. The
// result is not checked: a failure shows as a main window that cannot be
// created.
void register_main_window_class(HINSTANCE instance);

}  // namespace quelrin
