// The database the program ships with: every fluid converges with every
// equation at 0.6, 0.7 and 0.8 of its critical temperature.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "calc/calculation_request.hpp"
#include "calc/fugacity_iteration.hpp"
#include "calc/recorded_report.hpp"
#include "tests/support/shipped_fluids.hpp"
#include "text/cp1252.hpp"

namespace quelrin {
namespace {

TEST(ShippedDatabase, EveryFluidConvergesWithEveryEquationBelowTc) {
  const FluidTable fluids = test::read_shipped_fluids();
  ASSERT_FALSE(fluids.empty());
  for (const FluidRecord& fluid : fluids) {
    for (double reduced : {0.6, 0.7, 0.8}) {
      const double t_k = reduced * fluid.tc_k;
      const double p0 = first_estimate(t_k, fluid);
      for (const EquationOfState e : EQUATIONS) {
        SCOPED_TRACE(cp1252_to_utf8(fluid.name) + " at " + std::to_string(reduced) + " Tc, " +
                     equation_name(e));
        RecordedReport report;
        const double p = iteration_for(e)(t_k, p0, fluid, report);
        EXPECT_TRUE(std::isfinite(p) && p > 0.0) << p;
        EXPECT_EQ(report.note, "");
        EXPECT_TRUE(report.messages.empty());
      }
    }
  }
}

}  // namespace
}  // namespace quelrin
