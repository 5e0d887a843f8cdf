// Trigonometric solution of a cubic with three real roots.
#include "calc/cubic_solver.hpp"

#include <cmath>

#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

// 2·pi/3 and 4·pi/3 with pi taken as 3.14159265359, as the method has always
// been computed here; they differ from the exact values from the 14th digit.
constexpr double ANGLE_OFFSET_1 = 2.0943951023933334;
constexpr double ANGLE_OFFSET_2 = 4.188790204786667;

}  // namespace

void solve_cubic(const CubicCoefficients& coefficients, CalcReport& report, CubicRoots& roots) {
  const double a = coefficients.c1;
  const double b = coefficients.c2;
  const double c = coefficients.c3;

  const double q = (3.0 * b - std::pow(a, 2.0)) / 9.0;
  const double r = (9.0 * a * b - 27.0 * c - 2.0 * std::pow(a, 3.0)) / 54.0;
  // (-q)^3 below is -q^3 exactly (pow is odd in its base for an odd integer
  // exponent), so the cube is taken once.
  const double q_cubed = std::pow(q, 3.0);
  const double discriminant = q_cubed + std::pow(r, 2.0);
  if (!(discriminant < 0.0)) {
    report.show_message(
        {cp1252<"Provável causa: raízes complexas.">, "Erro iterativo:", MessageIcon::error});
    roots.vapour = SATURATION_ERROR;
    return;
  }

  const double theta = std::acos(-r / std::sqrt(-q_cubed));
  const double s = -a / 3.0;
  const double k = 2.0 * std::sqrt(-q);
  const double x1 = s - k * std::cos(theta / 3.0);
  const double x2 = s - k * std::cos(theta / 3.0 + ANGLE_OFFSET_1);
  const double x3 = s - k * std::cos(theta / 3.0 + ANGLE_OFFSET_2);

  const double larger = x2 > x3 ? x2 : x3;
  roots.vapour = x1 > larger ? x1 : larger;
  const double smaller = x2 < x3 ? x2 : x3;
  roots.liquid = x1 < smaller ? x1 : smaller;
}

}  // namespace quelrin
