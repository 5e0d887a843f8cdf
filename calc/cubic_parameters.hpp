// The parameters a and b of the four cubic equations of state for a fluid at
// a temperature, with the program's constants, shared by the window's
// iteration and the exact saturation solver.
#pragma once

#include <cmath>

#include "calc/equation_of_state.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

struct CubicParameters {
  double a;  // bar·L²/mol²; for Redlich-Kwong a·K^0.5, its temperature enters through A
  double b;  // L/mol
};

CubicParameters cubic_parameters(EquationOfState equation, double t_k, const FluidRecord& fluid);

// a_T of the parameters at T: a itself but for Redlich-Kwong, a / sqrt(T).
inline double attraction_at(EquationOfState equation, double t_k,
                            const CubicParameters& parameters) {
  return equation == EquationOfState::redlich_kwong ? parameters.a / std::sqrt(t_k) : parameters.a;
}

// The equation's attraction at T as it acts in A = a_T P / (R T)², and its
// temperature derivative: what the departure functions need.
struct Attraction {
  double a_t;    // bar·L²/mol²
  double da_dt;  // bar·L²/(mol²·K)
};

// From the parameters at the same T, so that they are computed once.
Attraction attraction(EquationOfState equation, double t_k, const FluidRecord& fluid,
                      const CubicParameters& parameters);

}  // namespace quelrin
