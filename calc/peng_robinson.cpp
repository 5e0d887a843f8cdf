// Peng-Robinson (1976) parameters with the original kappa(omega).
#include "calc/peng_robinson.hpp"

#include <cmath>

#include "calc/gas_constant.hpp"

namespace quelrin {

double peng_robinson_kappa(double omega) {
  return 0.37464 + 1.54226 * omega - 0.26992 * std::pow(omega, 2.0);
}

PengRobinsonParameters peng_robinson_parameters(double t_k, const FluidRecord& fluid) {
  const double omega = fluid.acentric_factor;
  const double b = 0.00646868878 * fluid.tc_k / fluid.pc_bar;  // 0.0778 R, stored as one number
  const double kappa = peng_robinson_kappa(omega);
  const double alpha = std::pow(1.0 + kappa * (1.0 - std::sqrt(t_k / fluid.tc_k)), 2.0);
  const double a = 0.45724 * std::pow(GAS_CONSTANT * fluid.tc_k, 2.0) * alpha / fluid.pc_bar;
  return {a, b};
}

}  // namespace quelrin
