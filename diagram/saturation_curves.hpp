// The saturation curves of a fluid: the four equations' exact pressures and
// the fluid's correlation, sampled over a range of temperatures.
#pragma once

#include <array>
#include <vector>

#include "calc/calculation_request.hpp"
#include "fluids/fluid_record.hpp"
#include "units/units.hpp"

namespace quelrin {

struct SaturationCurve {
  std::vector<double> t;  // temperature unit
  std::vector<double> p;  // pressure unit, above 0
};

// The equations' curves in their order, then the correlation's (below the
// fluid's Tc): 400 steps from `from` to `to` in the temperature unit, with
// each curve's critical end put in where it falls inside.
std::array<SaturationCurve, EQUATION_COUNT + 1> sample_saturation_curves(const FluidRecord& fluid,
                                                                         const UnitPrefs& units,
                                                                         double from, double to);

}  // namespace quelrin
