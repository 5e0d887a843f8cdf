// The four equal-fugacity iterations in the order of the main window's
// equation list, whose names are EQUATION_NAMES.
#pragma once

#include "calc/calculation_request.hpp"
#include "calc/fugacity_iteration.hpp"

namespace quelrin::test {

using Iteration = double (*)(double t_k, double p0_bar, const FluidRecord&, CalcReport&);

inline constexpr Iteration ITERATIONS[EQUATION_COUNT] = {
    iterate_peng_robinson, iterate_soave_redlich_kwong, iterate_redlich_kwong, iterate_van_der_waals};

}  // namespace quelrin::test
