// Phase-envelope estimate: two molar volumes from a quartic's roots, the
// Peng-Robinson pressure at each, and a 3:1 weighted mean of the two.
#include "calc/envelope_estimate.hpp"

#include <cmath>

#include "calc/gas_constant.hpp"
#include "calc/peng_robinson.hpp"
#include "calc/polynomial_roots.hpp"

namespace quelrin {
namespace {

constexpr int QUARTIC = 4;

// Peng-Robinson pressure at molar volume v (L/mol).
double pressure_at(double v, double rt, double a, double b) {
  return rt / (v - b) - a / (v * (v + b) + b * (v - b));
}

}  // namespace

double estimate_envelope(double t_k, const FluidRecord& fluid) {
  const auto [a, b] = peng_robinson_parameters(t_k, fluid);
  const double rt = GAS_CONSTANT * t_k;

  // Lowest power first; the quartic in v is monic.
  const double coefficients[QUARTIC + 1] = {
      4.0 * b - 2.0 * a / rt, 2.0 * std::pow(b, 2.0) + 2.0 * a * b / rt,
      2.0 * a * std::pow(b, 2.0) / rt - 4.0 * std::pow(b, 3.0),
      std::pow(b, 4.0) - 2.0 * a * std::pow(b, 3.0) / rt, 1.0};
  double work[QUARTIC + 1];
  ComplexRoot roots[QUARTIC];
  if (find_polynomial_roots(coefficients, work, QUARTIC, roots) != ROOTS_FOUND) {
    return ENVELOPE_FALLBACK_BAR;
  }

  // Only the first three roots take part, through their real parts.
  const double hi21 = roots[1].real > roots[2].real ? roots[1].real : roots[2].real;
  const double v_hi = roots[0].real > hi21 ? roots[0].real : hi21;
  const double lo21 = roots[1].real < roots[2].real ? roots[1].real : roots[2].real;
  const double v_lo = roots[0].real < lo21 ? roots[0].real : lo21;

  const double p_hi = pressure_at(v_hi, rt, a, b);
  const double p_lo = pressure_at(v_lo, rt, a, b);
  const double p_est = (3.0 * p_hi + p_lo) / 4.0;
  return p_est < 0.0 ? ENVELOPE_FALLBACK_BAR : p_est;
}

}  // namespace quelrin
