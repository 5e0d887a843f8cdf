// Evaluation of the stored expansions: find the piece, then sum its powers.
#include "calc/superancillary.hpp"

#include <cmath>
#include <limits>

#include "calc/cubic_parameters.hpp"
#include "calc/gas_constant.hpp"
#include "calc/saturation.hpp"

namespace quelrin {
namespace {

// Sum of a_k x^k, k = 0..16, by Estrin's scheme: pairs in x, then pairs of
// pairs in x^2, x^4 and x^8, so that the dependent chain is five steps long
// where Horner's or Clenshaw's is sixteen.
double power_sum(const double* a, double x) {
  static_assert(SUPERANCILLARY_DEGREE == 16);
  const double x2 = x * x;
  const double x4 = x2 * x2;
  const double x8 = x4 * x4;
  const double q0 = (a[0] + a[1] * x) + (a[2] + a[3] * x) * x2;
  const double q1 = (a[4] + a[5] * x) + (a[6] + a[7] * x) * x2;
  const double q2 = (a[8] + a[9] * x) + (a[10] + a[11] * x) * x2;
  const double q3 = (a[12] + a[13] * x) + (a[14] + a[15] * x) * x2;
  return ((q0 + q1 * x4) + a[16] * (x8 * x8)) + (q2 + q3 * x4) * x8;
}

// The piece whose range holds v = numerator / denominator (denominator > 0),
// of pieces that adjoin from pieces[0]: counted, not searched, and compared
// as numerator >= low · denominator, so that neither a branch nor the
// division holds the comparisons up.
template <class Piece, class Low>
const Piece& piece_holding(const Piece* pieces, int count, double numerator, double denominator,
                           Low low) {
  int index = 0;
  for (int i = 1; i < count; ++i) index += numerator >= low(pieces[i]) * denominator;
  return pieces[index];
}

// ln B at rho = a / brt, or NaN outside the curve.
double ln_b_at(EquationFamily family, double a, double brt) {
  const SuperancillaryCurve& curve = SUPERANCILLARY_CURVES[table_row(family)];
  const double rho = a / brt;
  if (!(rho > curve.pieces[0].rho_lo && rho <= curve.pieces[curve.count - 1].rho_hi))
    return std::numeric_limits<double>::quiet_NaN();
  const SuperancillaryPiece& piece = piece_holding(
      curve.pieces, curve.count, a, brt, [](const SuperancillaryPiece& p) { return p.rho_lo; });
  return power_sum(piece.powers, rho * piece.x_scale - piece.x_offset);
}

}  // namespace

double superancillary_ln_b(EquationFamily family, double rho) { return ln_b_at(family, rho, 1.0); }

bool superancillary_volumes(EquationFamily family, double rho, double& u_liquid, double& z_vapour) {
  const VolumeCurve& curve = SUPERANCILLARY_VOLUMES[table_row(family)];
  const double s = std::sqrt(rho - curve.rho_critical);
  if (!(s > 0.0 && s <= curve.pieces[curve.count - 1].s_hi)) return false;
  const VolumePiece& piece =
      piece_holding(curve.pieces, curve.count, s, 1.0, [](const VolumePiece& p) { return p.s_lo; });
  const double x = s * piece.x_scale - piece.x_offset;
  u_liquid = power_sum(piece.u_liquid, x);
  z_vapour = power_sum(piece.z_vapour, x);
  return true;
}

double superancillary_pressure(EquationOfState equation, double t_k, const FluidRecord& fluid) {
  const CubicParameters p = cubic_parameters(equation, t_k, fluid);
  const double rt = GAS_CONSTANT * t_k;
  const double ln_b = ln_b_at(equation_family(equation), attraction_at(equation, t_k, p), p.b * rt);
  return std::exp(ln_b) * (rt / p.b);  // the division waits on nothing
}

}  // namespace quelrin
