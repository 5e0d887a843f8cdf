// quelrin-calc --isotherm T FLUID: the equation's isotherm as rows of volume
// and pressure, then Maxwell's construction on it (the tie line and the two
// areas); with --plot, the "Diagrama" dialog's picture of it.
#pragma once

#include <optional>
#include <string>

#include "fluids/fluid_record.hpp"
#include "units/units.hpp"

namespace quelrin {

struct IsothermRequest {
  int equation = 0;
  std::string temperature;  // as typed, Windows-1252
  bool csv = false;
  std::optional<std::string> plot;  // the file
};

// An exit status of quelrin-calc.
int run_isotherm(const IsothermRequest& request, const FluidTable& fluids, int fluid_index,
                 const UnitPrefs& units);

}  // namespace quelrin
