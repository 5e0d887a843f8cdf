// The isotherm's pressure, slope and closed-form integral, and the points and
// areas of Maxwell's construction found on it.
#include "diagram/isotherm.hpp"

#include <cmath>

#include "calc/cubic_parameters.hpp"
#include "calc/gas_constant.hpp"
#include "calc/reduced_saturation.hpp"

namespace quelrin {
namespace {

constexpr double J_PER_BAR_L = 100.0;
constexpr int HALVINGS = 200;

// The zero of the pressure's slope between lo and hi, where it changes sign:
// halving in ratio while the bracket spans decades (the vapour side).
double spinodal_between(const Isotherm& isotherm, double lo, double hi) {
  const bool rising_at_lo = isotherm.pressure_slope(lo) > 0.0;
  for (int i = 0; i < HALVINGS; ++i) {
    const double mid = hi > 4.0 * lo ? std::sqrt(lo * hi) : lo + (hi - lo) / 2.0;
    if (mid == lo || mid == hi) break;
    if ((isotherm.pressure_slope(mid) > 0.0) == rising_at_lo)
      lo = mid;
    else
      hi = mid;
  }
  return lo + (hi - lo) / 2.0;
}

// The loop's crossing of the tie line, the cubic's middle root: the product
// of the three roots divided by the outer two, then Newton steps.
//   P (v - b)(v + d1 b)(v + d2 b) - R T (v + d1 b)(v + d2 b) + a_T (v - b) = 0
// has the product b (P d1 d2 b^2 + R T d1 d2 b + a_T) / P.
double middle_root(const Isotherm& isotherm, const SaturationState& s) {
  const double b = isotherm.b;
  const double d = isotherm.d1 * isotherm.d2;
  double v = b * (s.p_bar * d * b * b + isotherm.rt * d * b + isotherm.a_t) / s.p_bar /
             s.liquid_volume / s.vapour_volume;
  for (int i = 0; i < 8; ++i) {
    const double next = v - (isotherm.pressure(v) - s.p_bar) / isotherm.pressure_slope(v);
    if (!(next > s.liquid_volume && next < s.vapour_volume) || next == v) break;
    v = next;
  }
  return v;
}

}  // namespace

double Isotherm::pressure(double v) const {
  return rt / (v - b) - a_t / ((v + d1 * b) * (v + d2 * b));
}

double Isotherm::pressure_slope(double v) const {
  const double q = (v + d1 * b) * (v + d2 * b);
  return -rt / ((v - b) * (v - b)) + a_t * (2.0 * v + (d1 + d2) * b) / (q * q);
}

double Isotherm::work(double v1, double v2) const {
  // The repulsion gives R T ln(v - b); the attraction a_T / b times the
  // difference of L(V) = ln((V + d1) / (V + d2)) / (d1 - d2), or 1 / V.
  const double repulsion = rt * std::log((v2 - b) / (v1 - b));
  const double x1 = v1 / b;
  const double x2 = v2 / b;
  const double attraction =
      d1 == d2 ? (x1 - x2) / (x1 * x2)
               : std::log(((x2 + d1) * (x1 + d2)) / ((x2 + d2) * (x1 + d1))) / (d1 - d2);
  return repulsion + a_t / b * attraction;
}

Isotherm make_isotherm(EquationOfState equation, double t_k, const FluidRecord& fluid) {
  const CubicParameters p = cubic_parameters(equation, t_k, fluid);
  const CubicFamily<double> family = cubic_family<double>(equation_family(equation));
  return {GAS_CONSTANT * t_k, attraction_at(equation, t_k, p), p.b, family.d1, family.d2};
}

int maxwell_construction(EquationOfState equation, double t_k, const FluidRecord& fluid,
                         MaxwellConstruction& construction) {
  MaxwellConstruction c;
  const int status = solve_saturation(equation, t_k, fluid, c.saturation);
  if (status != SATURATION_SOLVED) return status;
  const Isotherm isotherm = make_isotherm(equation, t_k, fluid);
  const SaturationState& s = c.saturation;
  // Between the saturated volumes the loop falls to its minimum, rises
  // through the line to its maximum and falls back.
  c.middle_volume = middle_root(isotherm, s);
  c.liquid_spinodal = spinodal_between(isotherm, s.liquid_volume, c.middle_volume);
  c.vapour_spinodal = spinodal_between(isotherm, c.middle_volume, s.vapour_volume);
  c.liquid_area = (s.p_bar * (c.middle_volume - s.liquid_volume) -
                   isotherm.work(s.liquid_volume, c.middle_volume)) *
                  J_PER_BAR_L;
  c.vapour_area = (isotherm.work(c.middle_volume, s.vapour_volume) -
                   s.p_bar * (s.vapour_volume - c.middle_volume)) *
                  J_PER_BAR_L;
  construction = c;
  return SATURATION_SOLVED;
}

}  // namespace quelrin
