// The user's units: the program-wide choice, the conversions between the
// user's units and those of the calculation (kelvin, bar), their suffixes and
// the labels of the main window.
#pragma once

#include <string_view>

#include "text/cp1252_literal.hpp"

namespace quelrin {

inline constexpr int PRESSURE_UNIT_COUNT = 5;     // bar, atm, kPa, psi, mmHg
inline constexpr int TEMPERATURE_UNIT_COUNT = 4;  // K, R, °C, °F

// Both indices are always within their ranges: every reader of prefs.dat or
// of an option keeps a value out of range out.
struct UnitPrefs {
  int pressure_unit = 0;
  int temperature_unit = 0;

  bool operator==(const UnitPrefs&) const = default;
};

bool is_pressure_unit(int index);
bool is_temperature_unit(int index);

// A typed temperature in the unit, to kelvin.
double temperature_to_kelvin(int temperature_unit, double typed);
// A temperature in kelvin (the critical temperature, in messages) in the unit.
double kelvin_to_temperature_unit(int temperature_unit, double kelvin);
std::string_view temperature_suffix(int temperature_unit);  // "K", "R", "°C", "°F"

// A pressure in bar shown in the unit: multiplied by the unit's factor.
double bar_to_pressure_unit(int pressure_unit, double bar);
std::string_view pressure_suffix(int pressure_unit);  // "bar", "atm", "kPa", "psi", "mmHg"

// Labels of the main window's pressure result and temperature field.
std::string_view pressure_label(int pressure_unit);
std::string_view temperature_label(int temperature_unit);
// The pressure label of a start-up that had to create prefs.dat.
inline constexpr std::string_view FIRST_START_PRESSURE_LABEL = cp1252<"Pressão de vapor (bar):">;

}  // namespace quelrin
