// Evaluation of the stored expansions: find the piece, then Clenshaw.
#include "calc/superancillary.hpp"

#include <cmath>
#include <limits>

#include "calc/cubic_parameters.hpp"
#include "calc/gas_constant.hpp"
#include "calc/saturation.hpp"

namespace quelrin {

double superancillary_ln_b(int family, double rho) {
  const SuperancillaryCurve& curve = SUPERANCILLARY_CURVES[family];
  const ChebyshevPiece* first = curve.pieces;
  const ChebyshevPiece* last = curve.pieces + curve.count;
  if (!(rho > first->rho_lo && rho <= (last - 1)->rho_hi))
    return std::numeric_limits<double>::quiet_NaN();
  while (last - first > 1) {  // the piece whose range holds rho
    const ChebyshevPiece* middle = first + (last - first) / 2;
    if (rho < middle->rho_lo)
      last = middle;
    else
      first = middle;
  }
  const double x = (2.0 * rho - first->rho_lo - first->rho_hi) / (first->rho_hi - first->rho_lo);
  const double* c = first->coefficients;
  double b1 = 0.0;
  double b2 = 0.0;
  for (int k = SUPERANCILLARY_DEGREE; k >= 1; --k) {
    const double b0 = c[k] + 2.0 * x * b1 - b2;
    b2 = b1;
    b1 = b0;
  }
  return c[0] + x * b1 - b2;
}

double superancillary_pressure(int equation, double t_k, const FluidRecord& fluid) {
  const CubicParameters p = cubic_parameters(equation, t_k, fluid);
  const double a_t = attraction_at(equation, t_k, p);
  const double rt = GAS_CONSTANT * t_k;
  const double ln_b = superancillary_ln_b(equation_family(equation), a_t / (p.b * rt));
  return std::exp(ln_b) * rt / p.b;
}

}  // namespace quelrin
