// The "Isoterma P-v" picture: the equation's isotherm at T with Maxwell's
// construction (tie line, spinodal points, the two areas and their values)
// and the window's own pressure, or above the equation's critical
// temperature the isotherm alone with a note.
#pragma once

#include "dialog/drawing.hpp"
#include "fluids/fluid_record.hpp"
#include "units/units.hpp"

namespace quelrin {

struct IsothermView {
  int equation = 0;
  double t_k = 0.0;
  double window_bar = 0.0;  // the window's refined pressure; 0 when it did not converge
  bool log_volume = false;
  UnitPrefs units;
};

Drawing isotherm_drawing(const FluidRecord& fluid, const IsothermView& view, double width, double height);

}  // namespace quelrin
