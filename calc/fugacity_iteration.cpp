// One successive-substitution frame, four sets of equation parameters.
#include "calc/fugacity_iteration.hpp"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "calc/cubic_parameters.hpp"
#include "calc/cubic_solver.hpp"
#include "calc/gas_constant.hpp"
#include "text/g_text.hpp"

namespace quelrin {
namespace {

constexpr double R = GAS_CONSTANT;

// A and B, the dimensionless attraction and co-volume at one pressure.
struct Dimensionless {
  double a;
  double b;
};

// The equation's parameters a and b at T, fixed for the whole call.
struct Parameters {
  double a, b;
  Parameters(EquationOfState equation, double t_k, const FluidRecord& f) {
    const CubicParameters p = cubic_parameters(equation, t_k, f);
    a = p.a;
    b = p.b;
  }
};

// Each equation: A and B at P, the cubic's coefficients, ln phi of a root,
// and the tolerance on |phi_l / phi_v - 1|.
struct PengRobinson : Parameters {
  static constexpr double tolerance = 1e-7;
  PengRobinson(double t_k, const FluidRecord& f)
      : Parameters(EquationOfState::peng_robinson, t_k, f) {}
  Dimensionless at(double p, double t_k) const {
    return {a * p / std::pow(R * t_k, 2.0), b * p / (R * t_k)};
  }
  static CubicCoefficients cubic(Dimensionless d) {
    return {1.0, d.b - 1.0, d.a - 3.0 * std::pow(d.b, 2.0) - 2.0 * d.b,
            std::pow(d.b, 3.0) + std::pow(d.b, 2.0) - d.a * d.b};
  }
  static double ln_phi(double z, Dimensionless d) {
    return z - 1.0 - std::log(z - d.b) +
           (d.a / (2.0 * d.b * std::sqrt(2.0))) *
               std::log((z + d.b - std::sqrt(2.0) * d.b) / (z + d.b + std::sqrt(2.0) * d.b));
  }
};

// Soave-Redlich-Kwong and Redlich-Kwong share the cubic and ln phi.
struct RedlichKwongFamily : Parameters {
  using Parameters::Parameters;
  static CubicCoefficients cubic(Dimensionless d) {
    return {1.0, -1.0, d.a - std::pow(d.b, 2.0) - d.b, -d.a * d.b};
  }
  static double ln_phi(double z, Dimensionless d) {
    return z - 1.0 - std::log(z - d.b) + (d.a / d.b) * std::log(z / (z + d.b));
  }
};

struct SoaveRedlichKwong : RedlichKwongFamily {
  static constexpr double tolerance = 1e-7;
  SoaveRedlichKwong(double t_k, const FluidRecord& f)
      : RedlichKwongFamily(EquationOfState::soave_redlich_kwong, t_k, f) {}
  Dimensionless at(double p, double t_k) const {
    return {a * p / std::pow(R * t_k, 2.0), b * p / (R * t_k)};
  }
};

struct RedlichKwong : RedlichKwongFamily {
  static constexpr double tolerance = 1e-8;
  RedlichKwong(double t_k, const FluidRecord& f)
      : RedlichKwongFamily(EquationOfState::redlich_kwong, t_k, f) {}
  Dimensionless at(double p, double t_k) const {
    return {a * p / (std::pow(R, 2.0) * std::pow(t_k, 2.5)), b * p / (R * t_k)};
  }
};

struct VanDerWaals : Parameters {
  static constexpr double tolerance = 1e-7;
  VanDerWaals(double t_k, const FluidRecord& f)
      : Parameters(EquationOfState::van_der_waals, t_k, f) {}
  Dimensionless at(double p, double t_k) const {
    return {a * p / (std::pow(R, 2.0) * std::pow(t_k, 2.0)), b * p / (R * t_k)};
  }
  static CubicCoefficients cubic(Dimensionless d) { return {1.0, -d.b - 1.0, d.a, -d.a * d.b}; }
  static double ln_phi(double z, Dimensionless d) { return z - 1.0 - std::log(z - d.b) - d.a / z; }
};

// "f(v) = %g;    f(l) = %g", formed on the stack.
template <class Equation>
double iterate(double t_k, double p0_bar, const FluidRecord& fluid, CalcReport& report) {
  const Equation equation(t_k, fluid);
  report.clear_log();
  double p = p0_bar;
  int k = 0;
  for (;;) {
    const Dimensionless d = equation.at(p, t_k);
    CubicRoots roots;
    solve_cubic(Equation::cubic(d), report, roots);
    if (is_saturation_error(roots.vapour)) return SATURATION_ERROR;

    const double phi_v = std::exp(Equation::ln_phi(roots.vapour, d));
    const double phi_l = std::exp(Equation::ln_phi(roots.liquid, d));
    report.append_fugacities(phi_v, phi_l);
    ++k;

    const double ratio = phi_l / phi_v;
    const double distance = std::fabs(ratio - 1.0);
    if (distance < Equation::tolerance) break;  // converged at this iteration's pressure
    p = p * ratio;
    if (k >= MAX_ITERATIONS) {
      report.set_note(NO_CONVERGENCE_NOTE);
      break;
    }
    // A distance exactly at the tolerance ends the run with the updated pressure.
    if (!(distance > Equation::tolerance || std::isnan(distance))) break;
  }
  report.select_log_line(k - 1);
  return p;
}

}  // namespace

FugacityLine::FugacityLine(double phi_v, double phi_l) {
  static constexpr std::string_view VAPOUR = "f(v) = ";
  static constexpr std::string_view LIQUID = ";    f(l) = ";
  static_assert(VAPOUR.size() + LIQUID.size() <= sizeof line_ - 2 * G_TEXT_ROOM);
  char* end = std::copy(VAPOUR.begin(), VAPOUR.end(), line_);
  end = write_g(end, phi_v);
  end = std::copy(LIQUID.begin(), LIQUID.end(), end);
  end = write_g(end, phi_l);
  size_ = static_cast<std::size_t>(end - line_);
}

double iterate_peng_robinson(double t_k, double p0_bar, const FluidRecord& fluid,
                             CalcReport& report) {
  return iterate<PengRobinson>(t_k, p0_bar, fluid, report);
}

double iterate_soave_redlich_kwong(double t_k, double p0_bar, const FluidRecord& fluid,
                                   CalcReport& report) {
  return iterate<SoaveRedlichKwong>(t_k, p0_bar, fluid, report);
}

double iterate_redlich_kwong(double t_k, double p0_bar, const FluidRecord& fluid,
                             CalcReport& report) {
  return iterate<RedlichKwong>(t_k, p0_bar, fluid, report);
}

double iterate_van_der_waals(double t_k, double p0_bar, const FluidRecord& fluid,
                             CalcReport& report) {
  return iterate<VanDerWaals>(t_k, p0_bar, fluid, report);
}

Iteration iteration_for(EquationOfState equation) {
  static constexpr Iteration ITERATIONS[EQUATION_COUNT] = {
      iterate_peng_robinson, iterate_soave_redlich_kwong, iterate_redlich_kwong,
      iterate_van_der_waals};
  return ITERATIONS[list_index(equation)];
}

}  // namespace quelrin
