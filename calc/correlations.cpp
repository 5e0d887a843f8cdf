// Antoine and Wagner (3-6 form) vapour-pressure correlations.
#include "calc/correlations.hpp"

#include <cmath>

namespace quelrin {

double estimate_antoine(double t_k, const FluidRecord& fluid) {
  const double a = fluid.constants[0];
  const double b = fluid.constants[1];
  const double c = fluid.constants[2];
  const double s = t_k + c;
  const double q = b / s;
  const double e = a - q;
  return std::pow(10.0, e);
}

double estimate_wagner(double t_k, const FluidRecord& fluid) {
  const auto& [a, b, c, d] = fluid.constants;
  const double tau = 1.0 - t_k / fluid.tc_k;
  const double s =
      a * tau + b * std::pow(tau, 1.5) + c * std::pow(tau, 3.0) + d * std::pow(tau, 6.0);
  return fluid.pc_bar * std::exp(s / (1.0 - tau));
}

}  // namespace quelrin
