// Unit conversions, suffixes and the main window's labels.
#include "units/units.hpp"

#include <gtest/gtest.h>

#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

constexpr PressureUnit BAR = PressureUnit::bar, ATM = PressureUnit::atm, KPA = PressureUnit::kpa,
                       PSI = PressureUnit::psi, MMHG = PressureUnit::mmhg;
constexpr double CONVERSION_TOLERANCE = 1e-9;  // relative

// The standard atmosphere is 1.01325 bar, 101.325 kPa and 760 mmHg by
// definition (the millimetre of mercury taken as the torr, 1/760 atm); the
// pound-force per square inch is 6.894757 kPa to the digits NIST's SP 811
// gives.
TEST(Units, PressuresFollowTheDefinitionsOfTheUnits) {
  const double atmosphere_bar = 1.01325;
  EXPECT_NEAR(bar_to_pressure_unit(BAR, atmosphere_bar), 1.01325, 1.01325 * CONVERSION_TOLERANCE);
  EXPECT_NEAR(bar_to_pressure_unit(ATM, atmosphere_bar), 1.0, CONVERSION_TOLERANCE);
  EXPECT_NEAR(bar_to_pressure_unit(KPA, atmosphere_bar), 101.325, 101.325 * CONVERSION_TOLERANCE);
  EXPECT_NEAR(bar_to_pressure_unit(MMHG, atmosphere_bar), 760.0, 760.0 * CONVERSION_TOLERANCE);
  const double kpa_per_psi = bar_to_pressure_unit(KPA, 1.0) / bar_to_pressure_unit(PSI, 1.0);
  EXPECT_NEAR(kpa_per_psi, 6.894757, 0.5e-6);
}

// By the definitions of the scales: 0 °C = 273.15 K = 32 °F = 491.67 °R,
// and 100 °C = 373.15 K = 212 °F = 671.67 °R.
TEST(Units, TemperaturesFollowTheDefinitionsOfTheScales) {
  struct Point {
    double kelvin, celsius, fahrenheit, rankine;
  };
  for (const Point& p : {Point{273.15, 0.0, 32.0, 491.67}, Point{373.15, 100.0, 212.0, 671.67}}) {
    SCOPED_TRACE(p.kelvin);
    const double typed[TEMPERATURE_UNIT_COUNT] = {p.kelvin, p.rankine, p.celsius, p.fahrenheit};
    for (int index = 0; index < TEMPERATURE_UNIT_COUNT; ++index) {
      const TemperatureUnit unit = *temperature_unit_at(index);
      EXPECT_NEAR(temperature_to_kelvin(unit, typed[index]), p.kelvin,
                  p.kelvin * CONVERSION_TOLERANCE)
          << temperature_suffix(unit);
      EXPECT_NEAR(kelvin_to_temperature_unit(unit, p.kelvin), typed[index], 1e-9)
          << temperature_suffix(unit);
    }
  }
}

TEST(Units, SuffixesAndLabelsFollowTheIndices) {
  const char* const temperature_suffixes[] = {"K", "R", cp1252<"°C">, cp1252<"°F">};
  const char* const pressure_suffixes[] = {"bar", "atm", "kPa", "psi", "mmHg"};
  for (int index = 0; index < TEMPERATURE_UNIT_COUNT; ++index) {
    const TemperatureUnit unit = *temperature_unit_at(index);
    EXPECT_EQ(temperature_suffix(unit), temperature_suffixes[index]);
    EXPECT_EQ(temperature_label(unit),
              "Entre com a temperatura (" + std::string(temperature_suffixes[index]) + "):");
  }
  for (int index = 0; index < PRESSURE_UNIT_COUNT; ++index) {
    const PressureUnit unit = *pressure_unit_at(index);
    EXPECT_EQ(pressure_suffix(unit), pressure_suffixes[index]);
    EXPECT_EQ(pressure_label(unit),
              cp1252<"Pressão de Vapor ("> + std::string(pressure_suffixes[index]) + "):");
  }
  EXPECT_FALSE(pressure_unit_at(PRESSURE_UNIT_COUNT));
  EXPECT_FALSE(temperature_unit_at(-1));
  EXPECT_EQ(FIRST_START_PRESSURE_LABEL, cp1252<"Pressão de vapor (bar):">);
}

}  // namespace
}  // namespace quelrin
