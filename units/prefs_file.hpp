// prefs.dat: the unit choice as two decimal integers, pressure unit first,
// written "%d %d" with no line end.
#pragma once

#include <string>

#include "units/units.hpp"

namespace quelrin {

inline constexpr const char* PREFS_FILE = "prefs.dat";

// Reads both numbers; a number that cannot be read, or that lies outside its
// unit's range, leaves its field as it was. False when the file cannot be
// opened, with `prefs` untouched.
bool read_prefs_file(const std::string& path, UnitPrefs& prefs);

// Replaces the file whole; false when it could not be written.
bool write_prefs_file(const std::string& path, const UnitPrefs& prefs);

}  // namespace quelrin
