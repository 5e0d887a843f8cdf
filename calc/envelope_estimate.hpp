// First estimate of the vapour pressure from the critical constants alone,
// for fluids without an Antoine or Wagner correlation.
#pragma once

#include "fluids/fluid_record.hpp"

namespace quelrin {

// The pressure in bar at T (kelvin) drawn from the roots of a quartic in the
// molar volume built on the Peng-Robinson parameters; 2.0 bar when the
// weighted mean is negative or the quartic's roots could not be found.
double estimate_envelope(double t_k, const FluidRecord& fluid);

inline constexpr double ENVELOPE_FALLBACK_BAR = 2.0;

}  // namespace quelrin
