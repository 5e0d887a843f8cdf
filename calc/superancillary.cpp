// Evaluation of the stored expansions: find the piece, then sum its series.
#include "calc/superancillary.hpp"

#include <cmath>
#include <limits>

#include "calc/cubic_parameters.hpp"
#include "calc/gas_constant.hpp"
#include "calc/saturation.hpp"

namespace quelrin {
namespace {

// One step of Clenshaw's recurrence b_k = c_k + 2y b_k+1 - b_k+2, with
// c_k - b_k+2 formed off the dependent chain.
inline void clenshaw_step(double c, double two_y, double& b1, double& b2) {
  const double b0 = (c - b2) + two_y * b1;
  b2 = b1;
  b1 = b0;
}

// Sum of c_k T_k(x), k = 0..16, in two independent halves of half the
// length, so that the processor runs them side by side: with y = T_2(x),
// T_2j(x) = T_j(y) and T_2j+1(x) = x V_j(y), V the Chebyshev polynomials
// of the third kind (V_0 = 1, V_1 = 2y - 1, the same recurrence), each half
// summed by Clenshaw. Written out: a loop of eight steps costs a third more.
double chebyshev_sum(const double* c, double x) {
  static_assert(SUPERANCILLARY_DEGREE == 16);
  const double y = 2.0 * x * x - 1.0;
  const double two_y = 2.0 * y;
  double e1 = 0.0;
  double e2 = 0.0;
  double o1 = 0.0;
  double o2 = 0.0;
  clenshaw_step(c[16], two_y, e1, e2);
  clenshaw_step(c[14], two_y, e1, e2);
  clenshaw_step(c[15], two_y, o1, o2);
  clenshaw_step(c[12], two_y, e1, e2);
  clenshaw_step(c[13], two_y, o1, o2);
  clenshaw_step(c[10], two_y, e1, e2);
  clenshaw_step(c[11], two_y, o1, o2);
  clenshaw_step(c[8], two_y, e1, e2);
  clenshaw_step(c[9], two_y, o1, o2);
  clenshaw_step(c[6], two_y, e1, e2);
  clenshaw_step(c[7], two_y, o1, o2);
  clenshaw_step(c[4], two_y, e1, e2);
  clenshaw_step(c[5], two_y, o1, o2);
  clenshaw_step(c[2], two_y, e1, e2);
  clenshaw_step(c[3], two_y, o1, o2);
  const double even = (c[0] - e2) + y * e1;
  const double odd = (c[1] - o2) + (two_y - 1.0) * o1;
  return even + x * odd;
}

}  // namespace

double superancillary_ln_b(int family, double rho) {
  const SuperancillaryCurve& curve = SUPERANCILLARY_CURVES[family];
  const ChebyshevPiece* pieces = curve.pieces;
  if (!(rho > pieces[0].rho_lo && rho <= pieces[curve.count - 1].rho_hi))
    return std::numeric_limits<double>::quiet_NaN();
  // The piece whose range holds rho: counted, not searched, so that no
  // branch waits on the comparisons.
  int index = 0;
  for (int i = 1; i < curve.count; ++i) index += rho >= pieces[i].rho_lo;
  const ChebyshevPiece& piece = pieces[index];
  const double x = (2.0 * rho - piece.rho_lo - piece.rho_hi) / (piece.rho_hi - piece.rho_lo);
  return chebyshev_sum(piece.coefficients, x);
}

double superancillary_pressure(int equation, double t_k, const FluidRecord& fluid) {
  const CubicParameters p = cubic_parameters(equation, t_k, fluid);
  const double a_t = attraction_at(equation, t_k, p);
  const double rt = GAS_CONSTANT * t_k;
  const double ln_b = superancillary_ln_b(equation_family(equation), a_t / (p.b * rt));
  return std::exp(ln_b) * rt / p.b;
}

}  // namespace quelrin
