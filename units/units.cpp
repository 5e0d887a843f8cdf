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
constexpr std::array<double, PRESSURE_UNIT_COUNT> PRESSURE_FACTORS = {
    1.0, 0.986923266716, 100.0, 14.503773773, 750.061682704};
constexpr std::array<std::string_view, PRESSURE_UNIT_COUNT> PRESSURE_LABELS = {
    cp1252<"Pressão de Vapor (bar):">, cp1252<"Pressão de Vapor (atm):">, cp1252<"Pressão de Vapor (kPa):">,
    cp1252<"Pressão de Vapor (psi):">, cp1252<"Pressão de Vapor (mmHg):">};
constexpr std::array<std::string_view, TEMPERATURE_UNIT_COUNT> TEMPERATURE_LABELS = {
    "Entre com a temperatura (K):", "Entre com a temperatura (R):",
    cp1252<"Entre com a temperatura (°C):">, cp1252<"Entre com a temperatura (°F):">};

}  // namespace

bool is_pressure_unit(int index) { return index >= 0 && index < PRESSURE_UNIT_COUNT; }
bool is_temperature_unit(int index) { return index >= 0 && index < TEMPERATURE_UNIT_COUNT; }

double temperature_to_kelvin(int temperature_unit, double typed) {
  switch (temperature_unit) {
    case 1: return typed / 1.8;
    case 2: return typed + ZERO_CELSIUS_K;
    case 3: return (typed - 32.0) / 1.8 + ZERO_CELSIUS_K;
    default: return typed;
  }
}

double kelvin_to_temperature_unit(int temperature_unit, double kelvin) {
  switch (temperature_unit) {
    case 1: return kelvin * 1.8;
    case 2: return kelvin - ZERO_CELSIUS_K;
    case 3: return (kelvin - ZERO_CELSIUS_K) * 1.8 + 32.0;
    default: return kelvin;
  }
}

std::string_view temperature_suffix(int temperature_unit) {
  return TEMPERATURE_SUFFIXES[temperature_unit];
}

double bar_to_pressure_unit(int pressure_unit, double bar) {
  return pressure_unit == 0 ? bar : bar * PRESSURE_FACTORS[pressure_unit];
}

std::string_view pressure_suffix(int pressure_unit) { return PRESSURE_SUFFIXES[pressure_unit]; }

std::string_view pressure_label(int pressure_unit) { return PRESSURE_LABELS[pressure_unit]; }

std::string_view temperature_label(int temperature_unit) {
  return TEMPERATURE_LABELS[temperature_unit];
}

}  // namespace quelrin
