// The parameters a and b of the four cubic equations of state for a fluid at
// a temperature, with the program's constants, shared by the window's
// iteration and the exact saturation solver.
#pragma once

#include <cmath>

#include "fluids/fluid_record.hpp"

namespace quelrin {

// Equation indices, in the order of the main window's list.
inline constexpr int PENG_ROBINSON = 0;
inline constexpr int SOAVE_REDLICH_KWONG = 1;
inline constexpr int REDLICH_KWONG = 2;
inline constexpr int VAN_DER_WAALS = 3;

struct CubicParameters {
  double a;  // bar·L²/mol²; for Redlich-Kwong a·K^0.5, its temperature enters through A
  double b;  // L/mol
};

CubicParameters cubic_parameters(int equation, double t_k, const FluidRecord& fluid);

// a_T of the parameters at T: a itself but for Redlich-Kwong, a / sqrt(T).
inline double attraction_at(int equation, double t_k, const CubicParameters& parameters) {
  return equation == REDLICH_KWONG ? parameters.a / std::sqrt(t_k) : parameters.a;
}

// The equation's attraction at T as it acts in A = a_T P / (R T)², and its
// temperature derivative: what the departure functions need.
struct Attraction {
  double a_t;    // bar·L²/mol²
  double da_dt;  // bar·L²/(mol²·K)
};

// From the parameters at the same T, so that they are computed once.
Attraction attraction(int equation, double t_k, const FluidRecord& fluid,
                      const CubicParameters& parameters);

}  // namespace quelrin
