// The four cubic equations of state and the three reduced curves they follow.
// Numbers stand for them only where the outside world counts: the main
// window's equation list and quelrin-calc's options.
#pragma once

#include <optional>

namespace quelrin {

// In the order of the main window's list.
enum class EquationOfState { peng_robinson, soave_redlich_kwong, redlich_kwong, van_der_waals };

inline constexpr int EQUATION_COUNT = 4;
inline constexpr EquationOfState EQUATIONS[EQUATION_COUNT] = {
    EquationOfState::peng_robinson, EquationOfState::soave_redlich_kwong,
    EquationOfState::redlich_kwong, EquationOfState::van_der_waals};
inline constexpr const char* EQUATION_NAMES[EQUATION_COUNT] = {
    "Peng-Robinson", "Soave-Redlich-Kwong", "Redlich-Kwong", "Van der Waals"};

// The equation's place in the list, and back; none for a place outside it.
constexpr int list_index(EquationOfState equation) { return static_cast<int>(equation); }
constexpr std::optional<EquationOfState> equation_at(int index) {
  if (index < 0 || index >= EQUATION_COUNT) return std::nullopt;
  return EQUATIONS[index];
}
constexpr const char* equation_name(EquationOfState equation) {
  return EQUATION_NAMES[list_index(equation)];
}

// The reduced curves of reduced_saturation.hpp: Soave-Redlich-Kwong follows
// Redlich-Kwong's.
enum class EquationFamily { peng_robinson, redlich_kwong, van_der_waals };

inline constexpr int FAMILY_COUNT = 3;
inline constexpr EquationFamily FAMILIES[FAMILY_COUNT] = {
    EquationFamily::peng_robinson, EquationFamily::redlich_kwong, EquationFamily::van_der_waals};

// The family's row in the generated tables.
constexpr int table_row(EquationFamily family) { return static_cast<int>(family); }

constexpr EquationFamily equation_family(EquationOfState equation) {
  switch (equation) {
    case EquationOfState::peng_robinson:
      return EquationFamily::peng_robinson;
    case EquationOfState::van_der_waals:
      return EquationFamily::van_der_waals;
    default:
      return EquationFamily::redlich_kwong;
  }
}

}  // namespace quelrin
