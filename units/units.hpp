// The user's units: the program-wide choice, the conversions between the
// user's units and those of the calculation (kelvin, bar), their suffixes and
// the labels of the main window.
#pragma once

#include <optional>
#include <string_view>

#include "text/cp1252_literal.hpp"

namespace quelrin {

// In the order of the units dialog's buttons and of prefs.dat's numbers.
enum class PressureUnit { bar, atm, kpa, psi, mmhg };
enum class TemperatureUnit { kelvin, rankine, celsius, fahrenheit };

inline constexpr int PRESSURE_UNIT_COUNT = 5;
inline constexpr int TEMPERATURE_UNIT_COUNT = 4;

// The unit's number (its button, its place in prefs.dat and in the options'
// lists), and back; none for a number outside the list.
constexpr int unit_index(PressureUnit unit) { return static_cast<int>(unit); }
constexpr int unit_index(TemperatureUnit unit) { return static_cast<int>(unit); }
std::optional<PressureUnit> pressure_unit_at(int index);
std::optional<TemperatureUnit> temperature_unit_at(int index);

struct UnitPrefs {
  PressureUnit pressure_unit = PressureUnit::bar;
  TemperatureUnit temperature_unit = TemperatureUnit::kelvin;

  bool operator==(const UnitPrefs&) const = default;
};

// A typed temperature in the unit, to kelvin.
double temperature_to_kelvin(TemperatureUnit unit, double typed);
// A temperature in kelvin (the critical temperature, in messages) in the unit.
double kelvin_to_temperature_unit(TemperatureUnit unit, double kelvin);
std::string_view temperature_suffix(TemperatureUnit unit);  // "K", "R", "°C", "°F"

// A pressure in bar shown in the unit: multiplied by the unit's factor.
double bar_to_pressure_unit(PressureUnit unit, double bar);
// A pressure typed in the unit, in bar.
double pressure_unit_to_bar(PressureUnit unit, double pressure);
std::string_view pressure_suffix(PressureUnit unit);  // "bar", "atm", "kPa", "psi", "mmHg"

// Labels of the main window's pressure result and temperature field.
std::string_view pressure_label(PressureUnit unit);
std::string_view temperature_label(TemperatureUnit unit);
// The pressure label of a start-up that had to create prefs.dat.
inline constexpr std::string_view FIRST_START_PRESSURE_LABEL = cp1252<"Pressão de vapor (bar):">;

}  // namespace quelrin
