// The phase-envelope first estimate from Tc, Pc and the acentric factor.
#include "calc/envelope_estimate.hpp"

#include <gtest/gtest.h>

#include "tests/support/sample_fluids.hpp"

namespace quelrin {
namespace {

constexpr double ESTIMATE_TOLERANCE = 1e-6;

TEST(EnvelopeEstimate, NitrogenAt70PercentOfTcGivesTheWeightedMean) {
  // Positive real root, negative real root, then a pair: 3:1 mean of the
  // pressures at the first two (value from the reference calculation).
  EXPECT_NEAR(estimate_envelope(88.34, test::nitrogen()), 2.334125, ESTIMATE_TOLERANCE);
}

TEST(EnvelopeEstimate, NegativeMeanGivesExactlyTwoBar) {
  const FluidRecord benzene_like = test::make_fluid("B", "Envelope", {}, 562.2, 48.98, 0.21);
  EXPECT_EQ(estimate_envelope(337.32, benzene_like), 2.0);
}

TEST(EnvelopeEstimate, CorrelationConstantsHaveNoEffect) {
  FluidRecord fluid = test::nitrogen();
  const double plain = estimate_envelope(88.34, fluid);
  fluid.constants = {-7.0, 1.5, 1e6, -3.0};
  EXPECT_EQ(estimate_envelope(88.34, fluid), plain);
}

TEST(EnvelopeEstimate, QuarticWithoutRootsFallsBackToTwoBar) {
  // Pc = 0 makes a and b infinite and the quartic's coefficients not numbers,
  // so the root finder cannot converge.
  FluidRecord fluid = test::nitrogen();
  fluid.pc_bar = 0.0;
  EXPECT_EQ(estimate_envelope(88.34, fluid), 2.0);
}

}  // namespace
}  // namespace quelrin
