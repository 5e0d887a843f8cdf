// Unit tables: conversions, suffixes and labels.
#include "units/units.hpp"

#include <array>

#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

// Water's freezing point in kelvin, for both Celsius and Fahrenheit.
constexpr double ZERO_CELSIUS_K = 273.15;

constexpr std::array<std::string_view, TEMPERATURE_UNIT_COUNT> TEMPERATURE_SUFFIXES = {
    "K", "R", cp1252<"°C">, cp1252<"°F">};
constexpr std::array<std::string_view, PRESSURE_UNIT_COUNT> PRESSURE_SUFFIXES = {
    "bar", "atm", "kPa", "psi", "mmHg"};
constexpr std::array<double, PRESSURE_UNIT_COUNT> PRESSURE_FACTORS = {1.0, 0.986923266716, 100.0,
                                                                      14.503773773, 750.061682704};
constexpr std::array<std::string_view, PRESSURE_UNIT_COUNT> PRESSURE_LABELS = {
    cp1252<"Pressão de Vapor (bar):">, cp1252<"Pressão de Vapor (atm):">,
    cp1252<"Pressão de Vapor (kPa):">, cp1252<"Pressão de Vapor (psi):">,
    cp1252<"Pressão de Vapor (mmHg):">};
constexpr std::array<std::string_view, TEMPERATURE_UNIT_COUNT> TEMPERATURE_LABELS = {
    "Entre com a temperatura (K):", "Entre com a temperatura (R):",
    cp1252<"Entre com a temperatura (°C):">, cp1252<"Entre com a temperatura (°F):">};

}  // namespace

std::optional<PressureUnit> pressure_unit_at(int index) {
  if (index < 0 || index >= PRESSURE_UNIT_COUNT) return std::nullopt;
  return static_cast<PressureUnit>(index);
}

std::optional<TemperatureUnit> temperature_unit_at(int index) {
  if (index < 0 || index >= TEMPERATURE_UNIT_COUNT) return std::nullopt;
  return static_cast<TemperatureUnit>(index);
}

double temperature_to_kelvin(TemperatureUnit unit, double typed) {
  switch (unit) {
    case TemperatureUnit::rankine:
      return typed / 1.8;
    case TemperatureUnit::celsius:
      return typed + ZERO_CELSIUS_K;
    case TemperatureUnit::fahrenheit:
      return (typed - 32.0) / 1.8 + ZERO_CELSIUS_K;
    case TemperatureUnit::kelvin:
      break;
  }
  return typed;
}

double kelvin_to_temperature_unit(TemperatureUnit unit, double kelvin) {
  switch (unit) {
    case TemperatureUnit::rankine:
      return kelvin * 1.8;
    case TemperatureUnit::celsius:
      return kelvin - ZERO_CELSIUS_K;
    case TemperatureUnit::fahrenheit:
      return (kelvin - ZERO_CELSIUS_K) * 1.8 + 32.0;
    case TemperatureUnit::kelvin:
      break;
  }
  return kelvin;
}

std::string_view temperature_suffix(TemperatureUnit unit) {
  return TEMPERATURE_SUFFIXES[unit_index(unit)];
}

double bar_to_pressure_unit(PressureUnit unit, double bar) {
  return unit == PressureUnit::bar ? bar : bar * PRESSURE_FACTORS[unit_index(unit)];
}

double pressure_unit_to_bar(PressureUnit unit, double pressure) {
  return pressure / bar_to_pressure_unit(unit, 1.0);
}

std::string_view pressure_suffix(PressureUnit unit) { return PRESSURE_SUFFIXES[unit_index(unit)]; }

std::string_view pressure_label(PressureUnit unit) { return PRESSURE_LABELS[unit_index(unit)]; }

std::string_view temperature_label(TemperatureUnit unit) {
  return TEMPERATURE_LABELS[unit_index(unit)];
}

}  // namespace quelrin
