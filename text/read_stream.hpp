// Reading what is left of an open file into memory at once.
#pragma once

#include <cstdio>
#include <string>

namespace quelrin {

// Appends to `text` everything `file` holds from where it stands; false on a
// read error (what was read before it stays appended).
bool read_rest(std::FILE* file, std::string& text);

}  // namespace quelrin
