// The reduced saturation solver in double precision, dressed in the units of
// the program, and what follows from it: volumes, enthalpy, dP/dT, the
// equation's critical temperature and the temperature at a pressure.
#include "calc/saturation.hpp"

#include <cmath>
#include <limits>

#include "calc/cubic_parameters.hpp"
#include "calc/gas_constant.hpp"
#include "calc/reduced_saturation.hpp"
#include "calc/superancillary.hpp"

namespace quelrin {
namespace {

constexpr double R = GAS_CONSTANT;
constexpr double KJ_PER_BAR_L = 0.1;  // 1 bar·L = 100 J
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Bisection count that exhausts a double bracket.
constexpr int BISECTIONS = 200;

bool reduced_state(int equation, double t_k, const FluidRecord& fluid, double b_start,
                   ReducedSaturation<double>& reduced) {
  return solve_reduced_saturation<double>(equation_family(equation),
                                          attraction_ratio(equation, t_k, fluid), reduced, b_start);
}

}  // namespace

int equation_family(int equation) {
  if (equation == PENG_ROBINSON) return PENG_ROBINSON_FAMILY;
  return equation == VAN_DER_WAALS ? VAN_DER_WAALS_FAMILY : REDLICH_KWONG_FAMILY;
}

double attraction_ratio(int equation, double t_k, const FluidRecord& fluid) {
  const CubicParameters p = cubic_parameters(equation, t_k, fluid);
  return attraction_at(equation, t_k, p) / (p.b * R * t_k);
}

int solve_saturation(int equation, double t_k, const FluidRecord& fluid, SaturationState& state) {
  const double rho = attraction_ratio(equation, t_k, fluid);
  const double ln_b = superancillary_ln_b(equation_family(equation), rho);
  ReducedSaturation<double> reduced;
  if (!reduced_state(equation, t_k, fluid, std::isnan(ln_b) ? 0.0 : std::exp(ln_b), reduced)) {
    return SATURATION_ABOVE_CRITICAL;
  }
  const CubicFamily<double> family = cubic_family<double>(equation_family(equation));
  const double b = cubic_parameters(equation, t_k, fluid).b;
  const Attraction a = attraction(equation, t_k, fluid);
  const double rt = R * t_k;
  state.p_bar = reduced.b * rt / b;
  state.liquid_volume = reduced.v_liquid * b;
  state.vapour_volume = reduced.v_vapour * b;
  state.balance = reduced.balance;
  // H - H_ideal = R T (Z - 1) + (T a' - a) L(V) / b; the ideal parts cancel.
  const double enthalpy_bar_l =
      rt * reduced.b * (reduced.v_vapour - reduced.v_liquid) +
      (t_k * a.da_dt - a.a_t) / b *
          (family.attraction_term(reduced.v_vapour) - family.attraction_term(reduced.v_liquid));
  state.vaporization_enthalpy = enthalpy_bar_l * KJ_PER_BAR_L;
  state.dp_dt = enthalpy_bar_l / (t_k * (state.vapour_volume - state.liquid_volume));
  return SATURATION_SOLVED;
}

double iterative_saturation_pressure(int equation, double t_k, const FluidRecord& fluid) {
  ReducedSaturation<double> reduced;
  if (!reduced_state(equation, t_k, fluid, 0.0, reduced)) return NaN;
  return reduced.b * R * t_k / cubic_parameters(equation, t_k, fluid).b;
}

double equation_critical_temperature(int equation, const FluidRecord& fluid) {
  // rho falls as T rises; the critical T is where it meets the family's.
  const double critical_rho = critical_point<double>(equation_family(equation)).rho;
  double lo = fluid.tc / 2.0;
  double hi = fluid.tc * 2.0;
  for (int i = 0; i < BISECTIONS; ++i) {
    const double mid = lo + (hi - lo) / 2.0;
    if (mid == lo || mid == hi) break;
    if (attraction_ratio(equation, mid, fluid) > critical_rho)
      lo = mid;
    else
      hi = mid;
  }
  return lo;
}

int saturation_temperature(int equation, double p_bar, const FluidRecord& fluid, double& t_k) {
  if (!(p_bar > 0.0)) return SATURATION_BELOW_RANGE;
  double hi = equation_critical_temperature(equation, fluid);
  SaturationState state;
  // The critical pressure: the saturation pressure just below the critical T.
  const double below_critical = hi * (1.0 - 1e-9);
  if (solve_saturation(equation, below_critical, fluid, state) != SATURATION_SOLVED) {
    return SATURATION_ABOVE_CRITICAL;
  }
  if (!(p_bar < state.p_bar)) return SATURATION_ABOVE_CRITICAL;
  hi = below_critical;
  double lo = hi / 2.0;
  for (;; lo /= 2.0) {
    if (lo < hi * 1e-3 || solve_saturation(equation, lo, fluid, state) != SATURATION_SOLVED) {
      return SATURATION_BELOW_RANGE;
    }
    if (state.p_bar < p_bar) break;
  }
  // Newton in ln P against T (slope dP/dT / P), kept inside the bracket.
  double t = lo + (hi - lo) / 2.0;
  for (int i = 0; i < BISECTIONS; ++i) {
    if (solve_saturation(equation, t, fluid, state) != SATURATION_SOLVED) break;
    const double miss = std::log(state.p_bar / p_bar);
    if (miss == 0.0) break;
    if (miss < 0.0)
      lo = t;
    else
      hi = t;
    double next = t - miss * state.p_bar / state.dp_dt;
    if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2.0;
    if (std::fabs(next - t) <= 4.0 * std::numeric_limits<double>::epsilon() * t) {
      t = next;
      break;
    }
    t = next;
  }
  t_k = t;
  return SATURATION_SOLVED;
}

}  // namespace quelrin
