// The exact saturation state of the four cubic equations with the program's
// constants: the pressure at which the liquid and the vapour root have equal
// fugacity, the two molar volumes, the enthalpy of vaporisation and dP/dT.
// Unlike the window's successive substitution it answers at every
// temperature below the equation's own critical temperature, as long as the
// pressure is a normal double; an answer is never 0, infinite or NaN.
#pragma once

#include "calc/cubic_parameters.hpp"
#include "calc/reduced_saturation.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

struct SaturationState {
  double p_bar = 0.0;
  double liquid_volume = 0.0;          // L/mol
  double vapour_volume = 0.0;          // L/mol
  double vaporisation_enthalpy = 0.0;  // kJ/mol, from the departure functions
  double dp_dt = 0.0;                  // bar/K, by Clapeyron
  double balance = 0.0;                // ln phi_l - ln phi_v left at the end
};

// Status of the solvers below.
inline constexpr int SATURATION_SOLVED = 0;
inline constexpr int SATURATION_ABOVE_CRITICAL = 1;     // at or above the equation's Tc (or Pc)
inline constexpr int SATURATION_BELOW_RANGE = 2;        // a pressure below what a double holds
inline constexpr int SATURATION_INVALID_CONSTANTS = 3;  // Tc, Pc, omega (or T) outside the equation

// A / B = a_T / (b R T) of the equation at T: the one variable of the curve.
double attraction_ratio(EquationOfState equation, double t_k, const FluidRecord& fluid);

// Starts from the superancillary's ln B and volumes where they reach, and
// confirms them (or takes one Newton step); elsewhere it solves between the
// spinodals. SATURATION_SOLVED only with a state of positive normal doubles.
int solve_saturation(EquationOfState equation, double t_k, const FluidRecord& fluid,
                     SaturationState& state);

// The same balance from a start that knows nothing of the curve: the
// reference the superancillary is checked against. NaN where
// solve_saturation has no answer.
double iterative_saturation_pressure(EquationOfState equation, double t_k,
                                     const FluidRecord& fluid);

// The temperature where the equation's own critical point lies for this
// fluid: near the fluid's Tc, not on it, with the program's rounded constants;
// NaN for constants outside the equation.
double equation_critical_temperature(EquationOfState equation, const FluidRecord& fluid);

// The temperature at which the saturation pressure is p_bar.
int saturation_temperature(EquationOfState equation, double p_bar, const FluidRecord& fluid,
                           double& t_k);

}  // namespace quelrin
