// The saturated B of each family as Chebyshev expansions of ln B in rho = A/B
// (reduced_saturation.hpp), fitted once in extended precision by
// tools/superancillary_generator and stored in superancillary_coefficients.cpp.
// Evaluating one gives a saturation pressure without iterating. Beside them,
// looser expansions of the two saturated volumes start the exact solver's
// volumes a Newton step from their roots.
#pragma once

#include "calc/equation_of_state.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

inline constexpr int SUPERANCILLARY_DEGREE = 16;

// Each piece holds a Chebyshev expansion fitted on its range, stored in
// powers of the range's x in [-1, 1].
struct SuperancillaryPiece {
  double rho_lo;
  double rho_hi;
  double x_scale;                            // 2 / (rho_hi - rho_lo): x = rho · x_scale - x_offset
  double x_offset;                           // (rho_lo + rho_hi) / (rho_hi - rho_lo)
  double powers[SUPERANCILLARY_DEGREE + 1];  // of x, from x^0
};

struct SuperancillaryCurve {
  const SuperancillaryPiece* pieces;  // adjoining, rho ascending from the critical rho
  int count;
};

// The volumes against s = sqrt(rho - rho_c), in which they are smooth up to
// the critical point (in rho they have a square root there).
struct VolumePiece {
  double s_lo;
  double s_hi;
  double x_scale;  // as for SuperancillaryPiece, in s
  double x_offset;
  double u_liquid[SUPERANCILLARY_DEGREE + 1];  // V - 1 of the liquid
  double z_vapour[SUPERANCILLARY_DEGREE + 1];  // Z of the vapour
};

struct VolumeCurve {
  double rho_critical;
  const VolumePiece* pieces;  // adjoining, s ascending from 0
  int count;
};

// One curve per family, generated.
extern const SuperancillaryCurve SUPERANCILLARY_CURVES[];
extern const VolumeCurve SUPERANCILLARY_VOLUMES[];

// ln B at rho, or NaN outside the fitted range (at or above the critical
// point, or a rho beyond the last piece).
double superancillary_ln_b(EquationFamily family, double rho);

// The liquid's V - 1 and the vapour's Z at rho, to about 1e-11; false
// outside the fitted range.
bool superancillary_volumes(EquationFamily family, double rho, double& u_liquid, double& z_vapour);

// The saturation pressure in bar, or NaN where the curve does not reach.
double superancillary_pressure(EquationOfState equation, double t_k, const FluidRecord& fluid);

}  // namespace quelrin
