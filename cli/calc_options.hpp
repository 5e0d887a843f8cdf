// quelrin-calc's command line, parsed with CLI11.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/equation_of_state.hpp"
#include "units/units.hpp"

namespace quelrin {

inline constexpr int EXIT_COMPUTED = 0;
inline constexpr int EXIT_REFUSED = 1;
inline constexpr int EXIT_USAGE = 2;

// FROM:TO:STEP of --table, in the temperature unit.
struct TemperatureRange {
  double from = 0.0;
  double to = 0.0;
  double step = 0.0;
  int rows = 0;
};

struct CalcOptions {
  std::string database = "dados.txt";
  EquationOfState equation = EquationOfState::peng_robinson;
  std::optional<PressureUnit> pressure_unit;
  std::optional<TemperatureUnit> temperature_unit;
  bool log = false;
  std::optional<TemperatureRange> table;
  bool csv = false;
  std::optional<std::string> tsat;      // the pressure as typed
  std::optional<std::string> plot;      // the file
  std::optional<std::string> isotherm;  // the temperature as typed
  std::vector<std::string> operands;
};

// The longest table quelrin-calc makes.
inline constexpr int MAX_TABLE_ROWS = 1000000;

// Returns an exit status when the run should end here (--help, or a usage
// error already reported on standard error), -1 to go on.
int parse_calc_options(int argc, char** argv, CalcOptions& options);

// Reports a usage error on standard error; returns EXIT_USAGE.
int usage_error(const std::string& reason);

}  // namespace quelrin
