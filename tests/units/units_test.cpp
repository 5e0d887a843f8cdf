// Unit conversions, suffixes and the main window's labels.
#include "units/units.hpp"

#include <gtest/gtest.h>

namespace quelrin {
namespace {

constexpr double CONVERSION_TOLERANCE = 1e-9;

TEST(Units, TemperaturesConvertToKelvinAndBack) {
  const double typed_for_300_k[TEMPERATURE_UNIT_COUNT] = {300.0, 540.0, 26.85, 80.33};
  for (int unit = 0; unit < TEMPERATURE_UNIT_COUNT; ++unit) {
    EXPECT_NEAR(temperature_to_kelvin(unit, typed_for_300_k[unit]), 300.0, CONVERSION_TOLERANCE) << unit;
    EXPECT_NEAR(kelvin_to_temperature_unit(unit, 300.0), typed_for_300_k[unit], CONVERSION_TOLERANCE) << unit;
  }
  // Celsius and Fahrenheit share the same zero: 0 °C and 32 °F are both 273.15 K.
  EXPECT_EQ(temperature_to_kelvin(2, 0.0), 273.15);
  EXPECT_EQ(temperature_to_kelvin(3, 32.0), 273.15);
  EXPECT_EQ(kelvin_to_temperature_unit(3, 273.15), 32.0);
}

TEST(Units, PressuresAreTheNumberInBarTimesTheFactor) {
  const double one_bar[PRESSURE_UNIT_COUNT] = {1.0, 0.986923266716, 100.0, 14.503773773, 750.061682704};
  for (int unit = 0; unit < PRESSURE_UNIT_COUNT; ++unit) {
    EXPECT_EQ(bar_to_pressure_unit(unit, 1.0), one_bar[unit]) << unit;
    EXPECT_EQ(bar_to_pressure_unit(unit, 2.5), 2.5 * one_bar[unit]) << unit;
  }
}

TEST(Units, SuffixesAndLabelsFollowTheIndices) {
  const char* const temperature_suffixes[] = {"K", "R", "°C", "°F"};
  const char* const pressure_suffixes[] = {"bar", "atm", "kPa", "psi", "mmHg"};
  for (int unit = 0; unit < TEMPERATURE_UNIT_COUNT; ++unit) {
    EXPECT_EQ(temperature_suffix(unit), temperature_suffixes[unit]);
    EXPECT_EQ(temperature_label(unit),
              "Entre com a temperatura (" + std::string(temperature_suffixes[unit]) + "):");
  }
  for (int unit = 0; unit < PRESSURE_UNIT_COUNT; ++unit) {
    EXPECT_EQ(pressure_suffix(unit), pressure_suffixes[unit]);
    EXPECT_EQ(pressure_label(unit), "Pressão de Vapor (" + std::string(pressure_suffixes[unit]) + "):");
  }
  EXPECT_EQ(FIRST_START_PRESSURE_LABEL, "Pressão de vapor (bar):");
}

}  // namespace
}  // namespace quelrin
