// The --plot figure: log P against T for the four equations (exact
// saturation pressure) and the fluid's correlation, with the window's own
// converged points, in the user's units, labelled in Portuguese. PLplot
// draws it with its cairo driver, SVG, PNG or PDF by the file's name.
#pragma once

#include <string>
#include <vector>

#include "fluids/fluid_record.hpp"
#include "units/units.hpp"

namespace quelrin {

struct PlotRequest {
  const FluidTable* fluids = nullptr;
  int fluid_index = 0;
  UnitPrefs units;
  double from = 0.0;  // temperature unit
  double to = 0.0;
  // Where the window's iteration is run and marked; in the temperature unit.
  std::vector<double> window_temperatures;
};

// False (with the reason) when the figure could not be drawn.
bool draw_pressure_plot(const std::string& file, const PlotRequest& request, std::string& reason);

}  // namespace quelrin
