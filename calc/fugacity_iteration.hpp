// Saturation pressure of a cubic equation of state by successive
// substitution: the pressure is multiplied by phi_l / phi_v until the
// fugacity coefficients of the liquid and the vapour root agree.
#pragma once

#include "calc/calc_report.hpp"
#include "calc/equation_of_state.hpp"
#include "fluids/fluid_record.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {

// Each starts from p0_bar at t_k, empties the log, writes one line per
// iteration ("f(v) = %g;    f(l) = %g"), selects the last line, sets the note
// after 101 iterations without convergence, and returns the pressure in bar,
// or SATURATION_ERROR when some iteration's cubic could not be solved.
double iterate_peng_robinson(double t_k, double p0_bar, const FluidRecord& fluid,
                             CalcReport& report);
double iterate_soave_redlich_kwong(double t_k, double p0_bar, const FluidRecord& fluid,
                                   CalcReport& report);
double iterate_redlich_kwong(double t_k, double p0_bar, const FluidRecord& fluid,
                             CalcReport& report);
double iterate_van_der_waals(double t_k, double p0_bar, const FluidRecord& fluid,
                             CalcReport& report);

// The one of the four that serves `equation`.
using Iteration = double (*)(double t_k, double p0_bar, const FluidRecord& fluid,
                             CalcReport& report);
Iteration iteration_for(EquationOfState equation);

inline constexpr const char* NO_CONVERGENCE_NOTE = cp1252<"Obs.: Sem convergência.">;
inline constexpr int MAX_ITERATIONS = 101;

}  // namespace quelrin
