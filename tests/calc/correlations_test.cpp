// Antoine and Wagner correlations, and the choice between them by kind.
#include "calc/correlations.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/calculation_request.hpp"
#include "calc/envelope_estimate.hpp"
#include "tests/support/sample_fluids.hpp"

namespace quelrin {
namespace {

constexpr double RELATIVE = 1e-12;

TEST(Antoine, HandCalculationAt500KGives100BarWhateverConstant4) {
  FluidRecord fluid = test::antoine_fluid();  // 4 - 1000 / 500 = 2
  EXPECT_NEAR(estimate_antoine(500.0, fluid), 100.0, 100.0 * RELATIVE);
  fluid.constants[3] = 12345.0;
  EXPECT_NEAR(estimate_antoine(500.0, fluid), 100.0, 100.0 * RELATIVE);
}

TEST(Wagner, AllZeroConstantsGiveExactlyPcAtEveryTemperature) {
  const FluidRecord fluid = test::make_fluid("W", "Wagner", {}, 400.0, 35.5, 0.1);
  for (double t_k : {10.0, 200.0, 399.9}) EXPECT_EQ(estimate_wagner(t_k, fluid), 35.5) << t_k;
}

TEST(Wagner, LeadingConstantAtHalfTcGivesPcTimesExpOfTwiceIt) {
  // tau = 0.5, s = -3.5, divided by T / Tc = 0.5: ln(P / Pc) = -7.
  const FluidRecord fluid =
      test::make_fluid("W", "Wagner", {-7.0, 0.0, 0.0, 0.0}, 400.0, 35.5, 0.1);
  EXPECT_NEAR(estimate_wagner(200.0, fluid), 35.5 * std::exp(-7.0),
              35.5 * std::exp(-7.0) * RELATIVE);
}

TEST(FirstEstimate, KindIsMatchedWithLetterCase) {
  FluidRecord fluid = test::antoine_fluid();
  EXPECT_EQ(first_estimate(500.0, fluid), estimate_antoine(500.0, fluid));
  fluid.kind = "antoine";
  EXPECT_EQ(first_estimate(500.0, fluid), estimate_envelope(500.0, fluid));
  fluid.kind = "Wagner";
  EXPECT_EQ(first_estimate(500.0, fluid), estimate_wagner(500.0, fluid));
  fluid.kind = "WAGNER";
  EXPECT_EQ(first_estimate(500.0, fluid), estimate_envelope(500.0, fluid));
}

}  // namespace
}  // namespace quelrin
