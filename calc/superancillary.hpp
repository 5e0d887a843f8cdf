// The saturated B of each family as Chebyshev expansions of ln B in rho = A/B
// (reduced_saturation.hpp), fitted once in extended precision by
// tools/superancillary_generator and stored in superancillary_coefficients.cpp.
// Evaluating one gives a saturation pressure without iterating.
#pragma once

#include "fluids/fluid_record.hpp"

namespace quelrin {

inline constexpr int SUPERANCILLARY_DEGREE = 16;

struct ChebyshevPiece {
  double rho_lo;
  double rho_hi;
  double coefficients[SUPERANCILLARY_DEGREE + 1];
};

struct SuperancillaryCurve {
  const ChebyshevPiece* pieces;  // adjoining, rho ascending from the critical rho
  int count;
};

// One curve per family, generated.
extern const SuperancillaryCurve SUPERANCILLARY_CURVES[];

// ln B at rho, or NaN outside the fitted range (at or above the critical
// point, or a rho beyond the last piece).
double superancillary_ln_b(int family, double rho);

// The saturation pressure in bar, or NaN where the curve does not reach.
double superancillary_pressure(int equation, double t_k, const FluidRecord& fluid);

}  // namespace quelrin
