// One cubic equation's isotherm in the P-v plane and Maxwell's construction
// on it: the tie line at the exact saturation pressure, the spinodal points
// and the two areas the line cuts from the loop, which are equal because the
// fugacities of the two ends are.
#pragma once

#include "calc/saturation.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

// P = R T / (v - b) - a_T / ((v + d1 b)(v + d2 b)), in bar and L/mol.
struct Isotherm {
  double rt = 0.0;  // bar·L/mol
  double a_t = 0.0;
  double b = 0.0;
  double d1 = 0.0;
  double d2 = 0.0;

  double pressure(double v) const;
  double pressure_slope(double v) const;
  // The integral of the pressure from v1 to v2, in closed form (bar·L/mol).
  double work(double v1, double v2) const;
};

Isotherm make_isotherm(EquationOfState equation, double t_k, const FluidRecord& fluid);

struct MaxwellConstruction {
  SaturationState saturation;    // the tie line: pressure and both volumes
  double middle_volume = 0.0;    // where the loop crosses the line between them
  double liquid_spinodal = 0.0;  // the loop's minimum, L/mol
  double vapour_spinodal = 0.0;  // its maximum
  double liquid_area = 0.0;      // J/mol, the line above the loop
  double vapour_area = 0.0;      // J/mol, the loop above the line
};

// solve_saturation's status; the construction holds only on SATURATION_SOLVED.
int maxwell_construction(EquationOfState equation, double t_k, const FluidRecord& fluid,
                         MaxwellConstruction& construction);

}  // namespace quelrin
