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

CubicParameters cubic_parameters(int equation, double t_k, const FluidRecord& f) {
  switch (equation) {
    case PENG_ROBINSON: {
      const PengRobinsonParameters p = peng_robinson_parameters(t_k, f);
      return {p.a, p.b};
    }
    case SOAVE_REDLICH_KWONG: {
      const double alpha = std::pow(alpha_root(soave_m(f.acentric_factor), t_k, f.tc), 2.0);
      return {0.42748 * std::pow(R * f.tc, 2.0) * alpha / f.pc,
              0.007203691464 * f.tc / f.pc};  // 0.08664 R
    }
    case REDLICH_KWONG:
      return {0.42748 * std::pow(R, 2.0) * std::pow(f.tc, 2.5) / f.pc,
              0.00720868017 * f.tc / f.pc};  // 0.0867 R
    default:
      return {27.0 * std::pow(R, 2.0) * std::pow(f.tc, 2.0) / (64.0 * f.pc),
              R * f.tc / (8.0 * f.pc)};
  }
}

Attraction attraction(int equation, double t_k, const FluidRecord& f,
                      const CubicParameters& parameters) {
  const double a = parameters.a;
  switch (equation) {
    case PENG_ROBINSON:
    case SOAVE_REDLICH_KWONG: {
      // a = a_c · root², so da/dT = a · 2 root'/root with root' = -m / (2 sqrt(T Tc)).
      const double m = equation == PENG_ROBINSON ? peng_robinson_kappa(f.acentric_factor)
                                                 : soave_m(f.acentric_factor);
      const double root = alpha_root(m, t_k, f.tc);
      return {a, -a * m / (root * std::sqrt(t_k * f.tc))};
    }
    case REDLICH_KWONG: {
      const double a_t = attraction_at(equation, t_k, {a, 0.0});
      return {a_t, -a_t / (2.0 * t_k)};
    }
    default:
      return {a, 0.0};
  }
}

}  // namespace quelrin
