// Maxwell's construction on the shipped fluids with all four equations: the
// tie line is the exact solver's, the loop crosses it where the cubic's
// middle root lies, and the two areas agree. Their difference is P (vv - vl)
// times the solver's relative error in P, which a double leaves at some
// 1e-14; the areas shrink as (1 - T / Tc)^2, so at 0.9999 of the equation's
// Tc no double solver could make them agree to 1e-9, and 0.999 is the last
// temperature tried (3e-10 at worst there).
#include "diagram/isotherm.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/calculation_request.hpp"
#include "calc/saturation.hpp"
#include "tests/support/shipped_fluids.hpp"
#include "text/cp1252.hpp"

namespace quelrin {
namespace {

TEST(MaxwellConstruction, TieLineIsTheExactStateAndTheAreasAgree) {
  const FluidTable fluids = test::read_shipped_fluids();
  ASSERT_FALSE(fluids.empty());
  for (const FluidRecord& fluid : fluids) {
    for (const EquationOfState e : EQUATIONS) {
      const double tc = equation_critical_temperature(e, fluid);
      for (const double reduced : {0.2, 0.3, 0.45, 0.6, 0.75, 0.9, 0.97, 0.99, 0.999}) {
        const double t_k = reduced * tc;
        SCOPED_TRACE(cp1252_to_utf8(fluid.name) + ", " + equation_name(e) + ", " +
                     std::to_string(reduced));
        SaturationState exact;
        MaxwellConstruction c;
        const int status = solve_saturation(e, t_k, fluid, exact);
        ASSERT_EQ(maxwell_construction(e, t_k, fluid, c), status);
        if (status != SATURATION_SOLVED) continue;
        EXPECT_EQ(c.saturation.p_bar, exact.p_bar);
        EXPECT_EQ(c.saturation.liquid_volume, exact.liquid_volume);
        EXPECT_EQ(c.saturation.vapour_volume, exact.vapour_volume);

        const Isotherm isotherm = make_isotherm(e, t_k, fluid);
        EXPECT_LT(c.saturation.liquid_volume, c.liquid_spinodal);
        EXPECT_LT(c.liquid_spinodal, c.middle_volume);
        EXPECT_LT(c.middle_volume, c.vapour_spinodal);
        EXPECT_LT(c.vapour_spinodal, c.saturation.vapour_volume);
        // The pressure there is a difference of terms of R T / (v - b).
        EXPECT_NEAR(isotherm.pressure(c.middle_volume), exact.p_bar,
                    1e-13 * isotherm.rt / (c.middle_volume - isotherm.b));
        EXPECT_GT(c.liquid_area, 0.0);
        const double disagreement = std::fabs(c.liquid_area / c.vapour_area - 1.0);
        EXPECT_LE(disagreement, 1e-9);
      }
    }
  }
}

}  // namespace
}  // namespace quelrin
