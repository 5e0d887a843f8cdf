// Saturation of a cubic equation of state in reduced form. With V = v / b and
// rho = A / B = a_T / (b R T), every equation of a family reads
//   B = 1 / (V - 1) - rho / ((V + d1)(V + d2)),
//   ln phi = Z - 1 - ln(Z - B) - rho · L(V),  Z = B V,
//   L(V) = ln((V + d1) / (V + d2)) / (d1 - d2), or 1 / V when d1 = d2 = 0,
// so the saturated B depends on rho alone: one curve per family, whatever the
// fluid and the temperature. Written for any floating type, so that the
// superancillary generator can run it in extended precision.
#pragma once

#include <cmath>
#include <limits>

namespace quelrin {

inline constexpr int PENG_ROBINSON_FAMILY = 0;
inline constexpr int REDLICH_KWONG_FAMILY = 1;  // Redlich-Kwong and Soave-Redlich-Kwong
inline constexpr int VAN_DER_WAALS_FAMILY = 2;
inline constexpr int FAMILY_COUNT = 3;

template <class Real>
struct CubicFamily {
  Real d1;
  Real d2;

  Real pressure(Real v, Real rho) const { return 1 / (v - 1) - rho / ((v + d1) * (v + d2)); }
  Real pressure_slope(Real v, Real rho) const {
    const Real q = (v + d1) * (v + d2);
    return -1 / ((v - 1) * (v - 1)) + rho * (2 * v + d1 + d2) / (q * q);
  }
  Real attraction_term(Real v) const {
    return d1 == d2 ? 1 / v : std::log((v + d1) / (v + d2)) / (d1 - d2);
  }
  // ln of the rho at which V is a spinodal volume, and its slope in V: the
  // function falls from +inf at V = 1 to the critical point and rises after.
  Real ln_spinodal_ratio(Real v) const {
    return 2 * std::log(v + d1) + 2 * std::log(v + d2) - std::log(2 * v + d1 + d2) -
           2 * std::log(v - 1);
  }
  Real ln_spinodal_ratio_slope(Real v) const {
    return 2 / (v + d1) + 2 / (v + d2) - 2 / (2 * v + d1 + d2) - 2 / (v - 1);
  }
};

template <class Real>
CubicFamily<Real> cubic_family(int family) {
  const Real root2 = std::sqrt(Real(2));
  if (family == PENG_ROBINSON_FAMILY) return {1 + root2, 1 - root2};
  if (family == REDLICH_KWONG_FAMILY) return {1, 0};
  return {0, 0};
}

// The root in (lo, hi) of a function whose sign at lo is known: Newton steps,
// halving the bracket whenever a step would leave it. `f(x, slope)` returns
// the value and writes the slope.
template <class Real, class Function>
Real bracketed_newton(Function f, Real lo, Real hi, Real x, bool positive_at_lo) {
  constexpr Real EPS = std::numeric_limits<Real>::epsilon();
  for (int i = 0; i < 400; ++i) {
    Real slope = 0;
    const Real y = f(x, slope);
    if (y == 0) return x;
    if ((y > 0) == positive_at_lo)
      lo = x;
    else
      hi = x;
    Real next = x - y / slope;
    if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
    if (std::fabs(next - x) <= 2 * EPS * std::fabs(x) || hi - lo <= 2 * EPS * std::fabs(x))
      return next;
    x = next;
  }
  return x;
}

template <class Real>
struct CriticalPoint {
  Real rho;
  Real v;
  Real b;
};

// Where the two spinodals meet: the minimum of the spinodal ratio.
template <class Real>
CriticalPoint<Real> find_critical_point(int family) {
  const CubicFamily<Real> c = cubic_family<Real>(family);
  Real lo = 1 + Real(1) / 1024;
  Real hi = 64;
  for (int i = 0; i < 200; ++i) {
    const Real mid = lo + (hi - lo) / 2;
    if (mid == lo || mid == hi) break;
    if (c.ln_spinodal_ratio_slope(mid) < 0)
      lo = mid;
    else
      hi = mid;
  }
  const Real v = lo + (hi - lo) / 2;
  const Real rho = std::exp(c.ln_spinodal_ratio(v));
  return {rho, v, c.pressure(v, rho)};
}

// The critical point of a family, found once.
template <class Real>
const CriticalPoint<Real>& critical_point(int family) {
  static const CriticalPoint<Real> points[FAMILY_COUNT] = {
      find_critical_point<Real>(PENG_ROBINSON_FAMILY),
      find_critical_point<Real>(REDLICH_KWONG_FAMILY),
      find_critical_point<Real>(VAN_DER_WAALS_FAMILY)};
  return points[family];
}

template <class Real>
struct ReducedSaturation {
  Real b = 0;         // saturated B = b P / (R T)
  Real v_liquid = 0;  // V = v / b of the liquid
  Real v_vapour = 0;
  Real balance = 0;  // ln phi_l - ln phi_v at the end
  int iterations = 0;
};

// The saturated state at rho, started from `b_start` when it lies between the
// spinodals; false when rho is not above the critical one.
template <class Real>
bool solve_reduced_saturation(int family, Real rho, ReducedSaturation<Real>& out,
                              Real b_start = 0) {
  const CubicFamily<Real> c = cubic_family<Real>(family);
  const CriticalPoint<Real>& critical = critical_point<Real>(family);
  if (!(rho > critical.rho)) return false;

  // Spinodal volumes, liquid below the critical volume and vapour above it.
  const Real ln_rho = std::log(rho);
  auto spinodal = [&](Real v, Real& slope) {
    slope = c.ln_spinodal_ratio_slope(v);
    return c.ln_spinodal_ratio(v) - ln_rho;
  };
  const Real v_spinodal_liquid =
      bracketed_newton<Real>(spinodal, 1, critical.v, 1 + (critical.v - 1) / 2, true);
  Real v_far = 2 * critical.v;
  Real unused = 0;
  while (spinodal(v_far, unused) < 0) v_far *= 2;
  const Real v_spinodal_vapour =
      bracketed_newton<Real>(spinodal, critical.v, v_far, v_far / 2 + critical.v / 2, false);

  // Three real volumes exist for every B strictly between the spinodal pressures.
  const Real b_floor = std::numeric_limits<Real>::min() * 1e20f;
  Real lo = std::fmax(c.pressure(v_spinodal_liquid, rho), b_floor);
  Real hi = c.pressure(v_spinodal_vapour, rho);
  if (!(hi > lo)) {  // at the critical point to within rounding
    out = {critical.b, v_spinodal_liquid, v_spinodal_vapour, 0, 0};
    return true;
  }

  Real b = b_start > lo && b_start < hi ? b_start : std::sqrt(lo * hi);
  Real v_liquid = (1 + v_spinodal_liquid) / 2;
  Real v_vapour = 1 + 1 / b;
  constexpr Real EPS = std::numeric_limits<Real>::epsilon();
  for (int i = 1; i <= 200; ++i) {
    auto at_b = [&](Real v, Real& slope) {
      slope = c.pressure_slope(v, rho);
      return c.pressure(v, rho) - b;
    };
    v_liquid = bracketed_newton<Real>(
        at_b, 1, v_spinodal_liquid,
        v_liquid > 1 && v_liquid < v_spinodal_liquid ? v_liquid : (1 + v_spinodal_liquid) / 2,
        true);
    const Real v_gas_limit = 1 + 1 / b;
    v_vapour = bracketed_newton<Real>(
        at_b, v_spinodal_vapour, v_gas_limit,
        v_vapour > v_spinodal_vapour && v_vapour < v_gas_limit ? v_vapour : v_gas_limit, true);
    const Real z_difference = b * (v_liquid - v_vapour);
    const Real balance = z_difference - std::log((v_liquid - 1) / (v_vapour - 1)) -
                         rho * (c.attraction_term(v_liquid) - c.attraction_term(v_vapour));
    out = {b, v_liquid, v_vapour, balance, i};
    if (balance == 0) return true;
    if (balance > 0)
      lo = b;
    else
      hi = b;  // the balance falls as B rises
    // d(balance) / d(ln B) = Z_l - Z_v.
    Real next = b * std::exp(-balance / z_difference);
    if (!(next > lo && next < hi)) next = std::sqrt(lo * hi);
    // A step this small is rounding: the state at this B is the answer.
    if (std::fabs(next - b) <= 4 * EPS * b || hi - lo <= 4 * EPS * b) return true;
    b = next;
  }
  return true;
}

}  // namespace quelrin
