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

// Beyond this rho (a temperature far below a hundredth of Tc), ln B is below
// -6e5 in every family (about -0.62 rho for Peng-Robinson, the least steep):
// no pressure a double holds, whatever R T / b, and no need to solve.
constexpr double RHO_BEYOND_ANY_PRESSURE = 1e6;

bool finite_positive(double x) { return x > 0.0 && x < std::numeric_limits<double>::infinity(); }

bool reported_value(double x) { return std::isnormal(x) && x > 0.0; }

// The equation at T with the fluid's constants, computed once.
struct EquationAt {
  CubicParameters parameters;
  Attraction attraction;
  double rho;
};

// False where the constants fall outside what the equation accepts: T, Tc,
// Pc, a and b finite and positive (omega enters through a, where an
// equation uses it).
bool equation_at(EquationOfState equation, double t_k, const FluidRecord& fluid, EquationAt& at) {
  if (!(finite_positive(t_k) && finite_positive(fluid.tc_k) && finite_positive(fluid.pc_bar))) {
    return false;
  }
  at.parameters = cubic_parameters(equation, t_k, fluid);
  at.attraction = attraction(equation, t_k, fluid, at.parameters);
  at.rho = at.attraction.a_t / (at.parameters.b * R * t_k);
  return finite_positive(at.parameters.b) && finite_positive(at.attraction.a_t);
}

// P = B R T / b, through the logarithms where B is below a normal double.
double pressure_bar(const ReducedSaturation<double>& reduced, double rt, double b) {
  return std::isnormal(reduced.b) ? reduced.b * (rt / b)
                                  : std::exp(reduced.ln_b + std::log(rt / b));
}

}  // namespace

double attraction_ratio(EquationOfState equation, double t_k, const FluidRecord& fluid) {
  const CubicParameters p = cubic_parameters(equation, t_k, fluid);
  return attraction_at(equation, t_k, p) / (p.b * R * t_k);
}

int solve_saturation(EquationOfState equation, double t_k, const FluidRecord& fluid,
                     SaturationState& state) {
  EquationAt at;
  if (!equation_at(equation, t_k, fluid, at)) return SATURATION_INVALID_CONSTANTS;
  if (!(at.rho < RHO_BEYOND_ANY_PRESSURE)) return SATURATION_BELOW_RANGE;
  const EquationFamily family = equation_family(equation);
  SaturationStart<double> start;
  start.ln_b = superancillary_ln_b(family, at.rho);
  if (!superancillary_volumes(family, at.rho, start.u_liquid, start.z_vapour)) start = {};
  ReducedSaturation<double> reduced;
  if (!solve_reduced_saturation(family, at.rho, reduced, start)) return SATURATION_ABOVE_CRITICAL;
  const double b = at.parameters.b;
  const double rt = R * t_k;
  const double p_bar = pressure_bar(reduced, rt, b);
  const double z_gap = reduced.z_vapour - reduced.z_liquid;
  // H - H_ideal = R T (Z - 1) + (T a' - a) L(V) / b; the ideal parts cancel.
  const double enthalpy_bar_l =
      rt * z_gap + (at.attraction.a_t - t_k * at.attraction.da_dt) / b * reduced.attraction_gap;
  const SaturationState found{p_bar,
                              (1.0 + reduced.u_liquid) * b,
                              reduced.z_vapour * rt / p_bar,
                              enthalpy_bar_l * KJ_PER_BAR_L,
                              enthalpy_bar_l * p_bar / (t_k * rt * z_gap),
                              reduced.balance};
  // The enthalpy and the liquid do not depend on how low the pressure is.
  if (!reported_value(found.p_bar)) return SATURATION_BELOW_RANGE;
  if (!(reported_value(found.liquid_volume) && reported_value(found.vaporisation_enthalpy))) {
    return SATURATION_INVALID_CONSTANTS;
  }
  if (!(reported_value(found.vapour_volume) && reported_value(found.dp_dt))) {
    return SATURATION_BELOW_RANGE;
  }
  state = found;
  return SATURATION_SOLVED;
}

double iterative_saturation_pressure(EquationOfState equation, double t_k,
                                     const FluidRecord& fluid) {
  EquationAt at;
  ReducedSaturation<double> reduced;
  if (!equation_at(equation, t_k, fluid, at) || !(at.rho < RHO_BEYOND_ANY_PRESSURE) ||
      !solve_reduced_saturation(equation_family(equation), at.rho, reduced)) {
    return NaN;
  }
  const double p_bar = pressure_bar(reduced, R * t_k, at.parameters.b);
  return reported_value(p_bar) ? p_bar : NaN;
}

double equation_critical_temperature(EquationOfState equation, const FluidRecord& fluid) {
  EquationAt at;
  if (!equation_at(equation, fluid.tc_k, fluid, at)) return NaN;
  // rho falls as T rises; the critical T is where it meets the family's.
  const double critical_rho = critical_point<double>(equation_family(equation)).rho;
  double lo = fluid.tc_k / 2.0;
  double hi = fluid.tc_k * 2.0;
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

int saturation_temperature(EquationOfState equation, double p_bar, const FluidRecord& fluid,
                           double& t_k) {
  if (!reported_value(p_bar)) return SATURATION_BELOW_RANGE;
  const double critical_t = equation_critical_temperature(equation, fluid);
  if (std::isnan(critical_t)) return SATURATION_INVALID_CONSTANTS;
  // The critical pressure: the saturation pressure just below the critical T.
  double hi = critical_t * (1.0 - 1e-9);
  SaturationState state;
  const int at_critical = solve_saturation(equation, hi, fluid, state);
  if (at_critical != SATURATION_SOLVED) {
    return at_critical == SATURATION_INVALID_CONSTANTS ? at_critical : SATURATION_ABOVE_CRITICAL;
  }
  if (!(p_bar < state.p_bar)) return SATURATION_ABOVE_CRITICAL;
  // A temperature below the answer: its pressure is lower, or too low to hold.
  double lo = hi / 2.0;
  for (;; lo /= 2.0) {
    if (lo < hi * 1e-3) return SATURATION_BELOW_RANGE;
    const int status = solve_saturation(equation, lo, fluid, state);
    if (status == SATURATION_BELOW_RANGE) break;
    if (status != SATURATION_SOLVED) return status;
    if (state.p_bar < p_bar) break;
  }
  // Newton in ln P against T (slope dP/dT / P), kept inside the bracket.
  double t = lo + (hi - lo) / 2.0;
  int status = SATURATION_BELOW_RANGE;
  for (int i = 0; i < BISECTIONS; ++i) {
    status = solve_saturation(equation, t, fluid, state);
    if (status != SATURATION_SOLVED && status != SATURATION_BELOW_RANGE) return status;
    const double miss = status == SATURATION_SOLVED ? std::log(state.p_bar / p_bar) : -1.0;
    if (miss == 0.0) break;
    if (miss < 0.0)
      lo = t;
    else
      hi = t;
    double next = status == SATURATION_SOLVED ? t - miss * state.p_bar / state.dp_dt : NaN;
    if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2.0;
    if (std::fabs(next - t) <= 4.0 * std::numeric_limits<double>::epsilon() * t) break;
    t = next;
  }
  // The pressure at the answer is p_bar to rounding: solved, then.
  if (status != SATURATION_SOLVED) return SATURATION_BELOW_RANGE;
  t_k = t;
  return SATURATION_SOLVED;
}

}  // namespace quelrin
