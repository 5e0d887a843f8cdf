// First estimates of the vapour pressure from the fluid's own correlation.
// Temperatures in kelvin, pressures in bar; neither checks its inputs.
#pragma once

#include "fluids/fluid_record.hpp"

namespace quelrin {

// log10(P / bar) = A - B / (T / K + C), with constants 1 to 3.
double estimate_antoine(double t_k, const FluidRecord& fluid);

// ln(P / Pc) = (A tau + B tau^1.5 + C tau^3 + D tau^6) Tc / T, tau = 1 - T / Tc.
double estimate_wagner(double t_k, const FluidRecord& fluid);

}  // namespace quelrin
