// The Peng-Robinson parameters a and b of a fluid at a temperature, shared by
// the equal-fugacity iteration and the phase-envelope estimate.
#pragma once

#include "fluids/fluid_record.hpp"

namespace quelrin {

struct PengRobinsonParameters {
  double a;  // bar·L²/mol²
  double b;  // L/mol
};

// The slope of the square root of alpha against 1 - sqrt(T / Tc).
double peng_robinson_kappa(double omega);

PengRobinsonParameters peng_robinson_parameters(double t_k, const FluidRecord& fluid);

}  // namespace quelrin
