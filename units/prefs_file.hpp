// prefs.dat: the unit choice as two decimal integers, pressure unit first,
// written "%d %d" with no line end.
#pragma once

#include <string>

#include "units/units.hpp"

namespace quelrin {

inline constexpr const char* PREFS_FILE = "prefs.dat";

enum class PrefsRead {
  read,        // opened; each number that could be read and lies in range taken
  missing,     // no such file: a first start, which creates it
  unreadable,  // there, but cannot be opened: left alone, never replaced
};

// Reads both numbers; a number that cannot be read, or that lies outside its
// unit's range, leaves its field as it was. Unless the file was read,
// `prefs` is untouched.
PrefsRead read_prefs_file(const std::string& path, UnitPrefs& prefs);

// Replaces the file whole; false when it could not be written.
bool write_prefs_file(const std::string& path, const UnitPrefs& prefs);

}  // namespace quelrin
