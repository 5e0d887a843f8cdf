// The Windows program's letter test: the dialog manager's own, in the
// user's code page, which cp1252_letter.cpp reproduces elsewhere.
#include <windows.h>

#include "text/cp1252.hpp"

namespace quelrin {

bool is_cp1252_letter(char c) { return IsCharAlphaA(c) != FALSE; }

}  // namespace quelrin
