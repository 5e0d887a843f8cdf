// The polynomial root finder: status codes, the order of the roots it finds,
// and what it leaves untouched.
#include "calc/polynomial_roots.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace quelrin {
namespace {

constexpr double ROOT_TOLERANCE = 1e-6;
constexpr ComplexRoot UNTOUCHED{123.0, 456.0};

// Runs the finder on coefficients (lowest power first) with one spare entry
// after the roots, all preset to UNTOUCHED.
struct RootRun {
  int status;
  std::vector<ComplexRoot> roots;  // degree + 1 entries, the last a sentinel
};

RootRun find_roots(std::vector<double> coefficients, int degree) {
  const std::vector<double> before = coefficients;
  std::vector<double> work(coefficients.size() + 1);
  RootRun run{
      0, std::vector<ComplexRoot>(static_cast<std::size_t>(std::max(degree, 0)) + 1, UNTOUCHED)};
  run.status = find_polynomial_roots(coefficients.data(), work.data(), degree, run.roots.data());
  for (std::size_t k = 0; k < before.size(); ++k) {
    if (!std::isnan(before[k])) {
      EXPECT_EQ(coefficients[k], before[k]) << "coefficient " << k;
    }
  }
  EXPECT_EQ(run.roots.back().real, UNTOUCHED.real) << "written past the last root";
  return run;
}

void expect_roots(const RootRun& run, const std::vector<ComplexRoot>& expected) {
  ASSERT_EQ(run.status, ROOTS_FOUND);
  ASSERT_EQ(run.roots.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(run.roots[i].real, expected[i].real, ROOT_TOLERANCE) << "root " << i;
    EXPECT_NEAR(run.roots[i].imaginary, expected[i].imaginary, ROOT_TOLERANCE) << "root " << i;
    if (expected[i].imaginary == 0.0) {
      EXPECT_EQ(run.roots[i].imaginary, 0.0) << "root " << i;
    }
  }
}

bool untouched(const ComplexRoot& root) {
  return root.real == UNTOUCHED.real && root.imaginary == UNTOUCHED.imaginary;
}

TEST(PolynomialRoots, BadArgumentsReturnTheirStatusAndWriteNothing) {
  std::vector<double> many(40, 1.0);
  EXPECT_EQ(find_roots({1.0}, 0).status, ROOTS_DEGREE_TOO_LOW);
  EXPECT_EQ(find_roots(many, 37).status, ROOTS_DEGREE_TOO_HIGH);
  const RootRun zero_leading = find_roots({1.0, 0.0}, 1);
  EXPECT_EQ(zero_leading.status, ROOTS_ZERO_LEADING_COEFFICIENT);
  EXPECT_TRUE(untouched(zero_leading.roots[0]));
  std::vector<double> z36(37, 0.0);  // z^36: every root at zero, no iteration
  z36.back() = 1.0;
  EXPECT_EQ(find_roots(z36, 36).status, ROOTS_FOUND);
}

TEST(PolynomialRoots, LinearGivesItsRealRoot) {
  expect_roots(find_roots({-3.0, 2.0}, 1), {{1.5, 0.0}});
}

TEST(PolynomialRoots, RealRootsComeInTheOrderTheyAreFound) {
  expect_roots(find_roots({-6.0, 11.0, -6.0, 1.0}, 3), {{1.0, 0.0}, {2.0, 0.0}, {3.0, 0.0}});
  // (z + 1)(z - 10)(z - 100)
  expect_roots(find_roots({1000.0, 890.0, -109.0, 1.0}, 3),
               {{-1.0, 0.0}, {10.0, 0.0}, {100.0, 0.0}});
}

TEST(PolynomialRoots, PairKeepsTheSignTheIterationGaveItFirst) {
  expect_roots(find_roots({1.0, 0.0, 1.0}, 2), {{0.0, -1.0}, {0.0, 1.0}});
  expect_roots(find_roots({-1.0, 0.0, 0.0, 0.0, 1.0}, 4),
               {{0.0, 1.0}, {0.0, -1.0}, {-1.0, 0.0}, {1.0, 0.0}});
  // (z - 4)(z^2 + 2z + 5)
  expect_roots(find_roots({-20.0, -3.0, -2.0, 1.0}, 3), {{4.0, 0.0}, {-1.0, -2.0}, {-1.0, 2.0}});
}

TEST(PolynomialRoots, CubicWithTwoZeroRootsGivesThemFirst) {
  expect_roots(find_roots({0.0, 0.0, -2.0, 1.0}, 3), {{0.0, 0.0}, {0.0, 0.0}, {2.0, 0.0}});
}

TEST(PolynomialRoots, HugeRootsDefeatTheAbsoluteStepTestWithoutWriting) {
  // z^2 - 2e20: neighbouring doubles near 1.4e10 lie 2e-6 apart.
  const RootRun quadratic = find_roots({-2e20, 0.0, 1.0}, 2);
  EXPECT_EQ(quadratic.status, ROOTS_NOT_CONVERGED);
  EXPECT_TRUE(untouched(quadratic.roots[0]));
  EXPECT_TRUE(untouched(quadratic.roots[1]));
  // (z - 1)(z^2 - 2e20): the root 1 is found before the search fails.
  const RootRun cubic = find_roots({2e20, -2e20, -1.0, 1.0}, 3);
  EXPECT_EQ(cubic.status, ROOTS_NOT_CONVERGED);
  EXPECT_NEAR(cubic.roots[0].real, 1.0, ROOT_TOLERANCE);
  EXPECT_EQ(cubic.roots[0].imaginary, 0.0);
  EXPECT_TRUE(untouched(cubic.roots[1]));
  EXPECT_TRUE(untouched(cubic.roots[2]));
}

TEST(PolynomialRoots, LastLinearFactorGivesOneRealEntryEvenWhenItsRootIsZero) {
  // 5.55 (z^2 + 0.2z + 0.0125)(z + 2e-32): the pair -0.1 -/+ 0.05i comes
  // first; the last root refines to exactly 0, where y / x is 0 / 0 and
  // would otherwise ask for a pair's two entries with one left.
  const RootRun run = find_roots(
      {1.4401664112682685e-33, 0.069394900272895049, 1.1103184043663208, 5.5515920218316035}, 3);
  expect_roots(run, {{-0.1, -0.05}, {-0.1, 0.05}, {0.0, 0.0}});
}

TEST(PolynomialRoots, NotANumberCoefficientEndsWithoutConverging) {
  const RootRun run = find_roots({std::nan(""), 1.0, 2.0, 1.0}, 3);
  EXPECT_EQ(run.status, ROOTS_NOT_CONVERGED);
  EXPECT_TRUE(untouched(run.roots[0]));
}

TEST(PolynomialRoots, TinyLeadingCoefficientEndsInsteadOfRestartingForever) {
  // The derivative's square underflows to zero at every point of the plane.
  EXPECT_EQ(find_roots({1.0, 1e-200}, 1).status, ROOTS_NOT_CONVERGED);
  EXPECT_EQ(find_roots({-1.0, 1.0, 1e-200}, 2).status, ROOTS_NOT_CONVERGED);
}

TEST(PolynomialRoots, InfiniteAndExtremeCoefficientsEndWithAStatusFromTheTable) {
  const double inf = std::numeric_limits<double>::infinity();
  const double huge = std::numeric_limits<double>::max();
  const double tiny = std::numeric_limits<double>::denorm_min();
  for (const std::vector<double>& coefficients :
       std::vector<std::vector<double>>{{inf, 1.0},
                                        {1.0, -inf},
                                        {huge, tiny, huge},
                                        {tiny, tiny, tiny, tiny},
                                        {1.0, 0.0, 0.0, 0.0, tiny},
                                        {-inf, inf, 1.0}}) {
    const RootRun run = find_roots(coefficients, static_cast<int>(coefficients.size()) - 1);
    EXPECT_TRUE(run.status == ROOTS_FOUND || run.status == ROOTS_NOT_CONVERGED) << run.status;
  }
}

}  // namespace
}  // namespace quelrin
