// Real roots of a monic cubic in the compressibility factor, in closed form
// by the trigonometric method.
#pragma once

#include <cmath>

#include "calc/calc_report.hpp"

namespace quelrin {

// Marks a cubic without three distinct real roots; a value that is not a
// number counts the same wherever it is tested.
inline constexpr double SATURATION_ERROR = -1.0;

inline bool is_saturation_error(double value) {
  return value == SATURATION_ERROR || std::isnan(value);
}

// Z^3 + c1 Z^2 + c2 Z + c3 = 0; c0 (always 1) is never read.
struct CubicCoefficients {
  double c0 = 1.0;
  double c1 = 0.0;
  double c2 = 0.0;
  double c3 = 0.0;
};

struct CubicRoots {
  double vapour = 0.0;  // largest root
  double liquid = 0.0;  // smallest root
};

// Writes the largest and the smallest of three distinct real roots. Otherwise
// (a double or triple root included) shows the complex-roots message, sets
// `vapour` to SATURATION_ERROR and leaves `liquid` as it was.
void solve_cubic(const CubicCoefficients& coefficients, CalcReport& report, CubicRoots& roots);

}  // namespace quelrin
