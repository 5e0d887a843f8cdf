// One row of a saturation table: what the window shows for a temperature
// (its first estimate, refined pressure and iteration count) beside the
// exact saturation state of the same equation, all in the user's units.
#pragma once

#include <optional>
#include <string>

#include "calc/saturation.hpp"
#include "fluids/fluid_record.hpp"
#include "units/units.hpp"

namespace quelrin {

struct TableRow {
  double temperature = 0.0;  // in the user's unit, as asked
  // The window's request; empty when it refused the temperature.
  std::optional<double> estimate;  // pressure unit
  std::optional<double> pressure;  // pressure unit; empty when "Erro!" or refused
  std::string pressure_text;       // exactly the window's result field ("Erro!" included)
  std::optional<int> iterations;   // log lines the window would list
  bool converged = false;          // a pressure, and no note
  std::string note;                // the window's note ("Obs.: Sem convergência."), or empty
  // The exact state; empty at or above the equation's critical temperature.
  struct Exact {
    double pressure;               // pressure unit
    double liquid_volume;          // L/mol
    double vapour_volume;          // L/mol
    double vaporisation_enthalpy;  // kJ/mol
    double dp_dt;                  // pressure unit per degree of the temperature unit
  };
  std::optional<Exact> exact;
};

// The temperature as a user would type it: plain decimals, no exponent, the
// shortest text that reads back to the same number.
std::string typed_temperature(double temperature);

TableRow saturation_table_row(const FluidTable& fluids, int fluid_index, EquationOfState equation,
                              double temperature, const UnitPrefs& units);

}  // namespace quelrin
