// Saturation of a cubic equation of state in reduced form. With V = v / b and
// rho = A / B = a_T / (b R T), every equation of a family reads
//   B = 1 / (V - 1) - rho / ((V + d1)(V + d2)),
//   ln phi = Z - 1 - ln(Z - B) - rho · L(V),  Z = B V,
//   L(V) = ln((V + d1) / (V + d2)) / (d1 - d2), or 1 / V when d1 = d2 = 0,
// so the saturated B depends on rho alone: one curve per family, whatever the
// fluid and the temperature. The unknown is ln B, the liquid is held by
// V - 1 and the vapour by Z, so that the state stays exact where B is far
// below what a double holds (at a few hundredths of Tc) and V beyond it.
// Written for any floating type, so that the superancillary generator can
// run it in extended precision.
#pragma once

#include <cmath>
#include <limits>

#include "calc/equation_of_state.hpp"

namespace quelrin {

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
  // L(V_l) - L(V_v) from the liquid's u = V_l - 1 and the vapour's Z = B V_v
  // (finite where V_v is not), in one logarithm: that of the ratio of ratios.
  Real attraction_gap(Real u, Real z, Real b) const {
    if (d1 == d2) return 1 / (1 + u) - b / z;
    return std::log((u + 1 + d1) / (u + 1 + d2) * ((z + d2 * b) / (z + d1 * b))) / (d1 - d2);
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
CubicFamily<Real> cubic_family(EquationFamily family) {
  const Real root2 = std::sqrt(Real(2));
  if (family == EquationFamily::peng_robinson) return {1 + root2, 1 - root2};
  if (family == EquationFamily::redlich_kwong) return {1, 0};
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
CriticalPoint<Real> find_critical_point(EquationFamily family) {
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
const CriticalPoint<Real>& critical_point(EquationFamily family) {
  static const CriticalPoint<Real> points[FAMILY_COUNT] = {
      find_critical_point<Real>(EquationFamily::peng_robinson),
      find_critical_point<Real>(EquationFamily::redlich_kwong),
      find_critical_point<Real>(EquationFamily::van_der_waals)};
  return points[table_row(family)];
}

template <class Real>
struct ReducedSaturation {
  Real ln_b = 0;      // ln of the saturated B = b P / (R T)
  Real b = 0;         // B itself, 0 where it is below what Real holds
  Real u_liquid = 0;  // V - 1 of the liquid, V = v / b
  Real z_liquid = 0;  // Z = B V
  Real z_vapour = 0;
  Real attraction_gap = 0;  // L(V_l) - L(V_v)
  Real balance = 0;         // ln phi_l - ln phi_v at the end
  int iterations = 0;       // steps in ln B; 0 when the start already balanced
};

// Where the solver may start: ln B (NaN for nowhere) and, near their roots,
// the liquid's V - 1 and the vapour's Z; by default the ends from which the
// steps to the roots are sure (below).
template <class Real>
struct SaturationStart {
  Real ln_b = std::numeric_limits<Real>::quiet_NaN();
  Real u_liquid = 0;
  Real z_vapour = 1;
};

// Newton on two cubics c0 + c1 x + c2 x^2 + c3 x^3 side by side (the
// liquid's and the vapour's), so that the processor overlaps their steps.
// From where a cubic is negative, rising and concave up to its root (the
// liquid below, from V = 1), or positive, rising and convex down to it (the
// vapour above, from Z = 1), every step lands between the last point and the
// root. A root is settled by a step after which the error left, the
// curvature over twice the slope times the step squared, is below rounding
// (so that a start a step from the root costs one evaluation). False when
// either does not settle: a double root, or no root that side.
template <class Real>
bool cubic_roots_newton(const Real (&c)[2][4], Real (&x)[2]) {
  constexpr Real EPS = std::numeric_limits<Real>::epsilon();
  bool settled[2] = {false, false};
  for (int i = 0; i < 100; ++i) {
    for (int r = 0; r < 2; ++r) {
      if (settled[r]) continue;
      const Real value = ((c[r][3] * x[r] + c[r][2]) * x[r] + c[r][1]) * x[r] + c[r][0];
      const Real slope = (3 * c[r][3] * x[r] + 2 * c[r][2]) * x[r] + c[r][1];
      const Real half_curvature = 3 * c[r][3] * x[r] + c[r][2];
      const Real step = value / slope;
      x[r] -= step;
      const Real left = std::fabs(half_curvature * step / slope * step);
      settled[r] = left <= EPS * std::fabs(x[r]) || std::fabs(step) <= 2 * EPS * std::fabs(x[r]);
    }
    if (settled[0] && settled[1]) return std::isfinite(x[0]) && std::isfinite(x[1]);
  }
  return false;
}

// The state at ln B: the outer volumes of the cubic, found from the start's,
// and the balance of their fugacities. With e_i = 1 + d_i the liquid's u = V - 1
// solves
//   B u^3 + (B (e1 + e2) - 1) u^2 + (B e1 e2 - e1 - e2 + rho) u - e1 e2 = 0,
// and the vapour's Z the usual cubic in Z with A = rho B. False unless both
// settle on either side of the critical volume.
template <class Real>
bool saturation_at(const CubicFamily<Real>& c, Real rho, Real v_critical, Real ln_b,
                   const SaturationStart<Real>& start, ReducedSaturation<Real>& out) {
  const Real b = std::exp(ln_b);
  const Real e1 = 1 + c.d1;
  const Real e2 = 1 + c.d2;
  const Real s = c.d1 + c.d2;
  const Real t = c.d1 * c.d2;
  const Real cubics[2][4] = {
      {-e1 * e2, b * e1 * e2 - e1 - e2 + rho, b * (e1 + e2) - 1, b},
      {-b * b * (b * t + t + rho), b * (b * (t - s) - s + rho), b * (s - 1) - 1, 1}};
  Real roots[2] = {start.u_liquid, start.z_vapour};
  const bool settled = cubic_roots_newton(cubics, roots);
  const Real u = roots[0];
  const Real z = roots[1];
  out.ln_b = ln_b;
  out.b = b;
  out.u_liquid = u;
  out.z_liquid = b * (1 + u);
  out.z_vapour = z;
  out.attraction_gap = c.attraction_gap(u, z, b);
  // ln(Z_l - B) = ln B + ln u.
  out.balance = out.z_liquid - z - ln_b + std::log((z - b) / u) - rho * out.attraction_gap;
  return settled && u > 0 && u < v_critical - 1 && z > b * v_critical && std::isfinite(out.balance);
}

// The saturated state at rho; false when rho is not above the critical one,
// or not finite. A start that already balances the fugacities to 1e-12 is
// confirmed, or taken one Newton step further; any other is solved between
// the spinodals, by Newton steps in ln B with bisection as a fallback.
template <class Real>
bool solve_reduced_saturation(EquationFamily family, Real rho, ReducedSaturation<Real>& out,
                              const SaturationStart<Real>& start = {}) {
  const CubicFamily<Real> c = cubic_family<Real>(family);
  const CriticalPoint<Real>& critical = critical_point<Real>(family);
  if (!(rho > critical.rho && rho < std::numeric_limits<Real>::infinity())) return false;

  constexpr Real BALANCE_TOLERANCE = Real(1e-12);
  if (std::isfinite(start.ln_b) && saturation_at(c, rho, critical.v, start.ln_b, start, out)) {
    out.iterations = 0;
    if (std::fabs(out.balance) <= BALANCE_TOLERANCE) return true;
    // d(balance) / d(ln B) = Z_l - Z_v; the volumes move little.
    const Real next = start.ln_b - out.balance / (out.z_liquid - out.z_vapour);
    out.iterations = 1;
    if (saturation_at(c, rho, critical.v, next, {next, out.u_liquid, out.z_vapour}, out) &&
        std::fabs(out.balance) <= BALANCE_TOLERANCE) {
      return true;
    }
  }

  // Spinodal volumes, liquid below the critical volume and vapour above it
  // (where the ratio grows as ln(V / 2), so that 4 rho is beyond it).
  const Real ln_rho = std::log(rho);
  auto spinodal = [&](Real v, Real& slope) {
    slope = c.ln_spinodal_ratio_slope(v);
    return c.ln_spinodal_ratio(v) - ln_rho;
  };
  const Real v_spinodal_liquid =
      bracketed_newton<Real>(spinodal, 1, critical.v, 1 + (critical.v - 1) / 2, true);
  Real v_far = std::fmax(2 * critical.v, 4 * rho);
  Real unused = 0;
  while (spinodal(v_far, unused) < 0) v_far *= 2;
  const Real v_spinodal_vapour =
      bracketed_newton<Real>(spinodal, critical.v, v_far, v_far / 2 + critical.v / 2, false);

  // Three real volumes exist for every B strictly between the spinodal
  // pressures; the liquid's is below zero away from the critical point.
  const Real lo = c.pressure(v_spinodal_liquid, rho);
  const Real hi = c.pressure(v_spinodal_vapour, rho);
  if (!(hi > lo)) {  // at the critical point to within rounding
    const Real b = critical.b;
    out = {std::log(b),
           b,
           v_spinodal_liquid - 1,
           b * v_spinodal_liquid,
           b * v_spinodal_vapour,
           c.attraction_term(v_spinodal_liquid) - c.attraction_term(v_spinodal_vapour),
           0,
           0};
    return true;
  }
  Real ln_lo = lo > 0 ? std::log(lo) : -std::numeric_limits<Real>::infinity();
  Real ln_hi = std::log(hi);
  Real x = std::isfinite(ln_lo) ? ln_lo + (ln_hi - ln_lo) / 2 : ln_hi - 1;
  constexpr Real EPS = std::numeric_limits<Real>::epsilon();
  for (int i = 1; i <= 200; ++i) {
    saturation_at(c, rho, critical.v, x, SaturationStart<Real>{}, out);
    out.iterations = i;
    if (out.balance == 0) return true;
    if (out.balance > 0)
      ln_lo = x;
    else
      ln_hi = x;  // the balance falls as B rises
    Real next = x - out.balance / (out.z_liquid - out.z_vapour);
    if (!(next > ln_lo && next < ln_hi))
      next = std::isfinite(ln_lo) ? ln_lo + (ln_hi - ln_lo) / 2 : x - 1;
    // A step this small is rounding: the state at this ln B is the answer.
    const Real rounding = 4 * EPS * std::fmax(1, std::fabs(x));
    if (std::fabs(next - x) <= rounding || ln_hi - ln_lo <= rounding) return true;
    x = next;
  }
  return true;
}

}  // namespace quelrin
