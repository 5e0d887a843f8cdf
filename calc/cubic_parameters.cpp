// Parameters of Peng-Robinson, Soave-Redlich-Kwong (1972), Redlich-Kwong
// (1949) and Van der Waals with the program's stored constants.
#include "calc/cubic_parameters.hpp"

#include <cmath>

#include "calc/gas_constant.hpp"
#include "calc/peng_robinson.hpp"

namespace quelrin {
namespace {

constexpr double R = GAS_CONSTANT;

// 1 + m (1 - sqrt(T / Tc)): the square root of alpha.
double alpha_root(double m, double t_k, double tc) { return 1.0 + m * (1.0 - std::sqrt(t_k / tc)); }

double soave_m(double omega) { return 0.48 + 1.574 * omega - 0.176 * std::pow(omega, 2.0); }

}  // namespace

CubicParameters cubic_parameters(EquationOfState equation, double t_k, const FluidRecord& f) {
  switch (equation) {
    case EquationOfState::peng_robinson: {
      const PengRobinsonParameters p = peng_robinson_parameters(t_k, f);
      return {p.a, p.b};
    }
    case EquationOfState::soave_redlich_kwong: {
      const double alpha = std::pow(alpha_root(soave_m(f.acentric_factor), t_k, f.tc_k), 2.0);
      return {0.42748 * std::pow(R * f.tc_k, 2.0) * alpha / f.pc_bar,
              0.007203691464 * f.tc_k / f.pc_bar};  // 0.08664 R
    }
    case EquationOfState::redlich_kwong:
      return {0.42748 * std::pow(R, 2.0) * std::pow(f.tc_k, 2.5) / f.pc_bar,
              0.00720868017 * f.tc_k / f.pc_bar};  // 0.0867 R
    default:                                       // Van der Waals
      return {27.0 * std::pow(R, 2.0) * std::pow(f.tc_k, 2.0) / (64.0 * f.pc_bar),
              R * f.tc_k / (8.0 * f.pc_bar)};
  }
}

Attraction attraction(EquationOfState equation, double t_k, const FluidRecord& f,
                      const CubicParameters& parameters) {
  const double a = parameters.a;
  switch (equation) {
    case EquationOfState::peng_robinson:
    case EquationOfState::soave_redlich_kwong: {
      // a = a_c · root², so da/dT = a · 2 root'/root with root' = -m / (2 sqrt(T Tc)).
      const double m = equation == EquationOfState::peng_robinson
                           ? peng_robinson_kappa(f.acentric_factor)
                           : soave_m(f.acentric_factor);
      const double root = alpha_root(m, t_k, f.tc_k);
      return {a, -a * m / (root * std::sqrt(t_k * f.tc_k))};
    }
    case EquationOfState::redlich_kwong: {
      const double a_t = attraction_at(equation, t_k, {a, 0.0});
      return {a_t, -a_t / (2.0 * t_k)};
    }
    case EquationOfState::van_der_waals:
      break;
  }
  return {a, 0.0};
}

}  // namespace quelrin
