// The trigonometric cubic solver: the largest and smallest of three real
// roots, or the complex-roots message.
#include "calc/cubic_solver.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/recorded_report.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

// The angle offsets use pi = 3.14159265359, which puts the largest root of
// (z-1)(z-2)(z-3) about 8e-14 above 3.
constexpr double ROOT_TOLERANCE = 1e-13;
const Message COMPLEX_ROOTS{cp1252<"Provável causa: raízes complexas.">,
                            "Erro iterativo:", MessageIcon::error};

TEST(CubicSolver, RootsOneTwoThreeGiveLiquidOneAndVapourThree) {
  RecordedReport report;
  CubicRoots roots;
  solve_cubic({1.0, -6.0, 11.0, -6.0}, report, roots);
  EXPECT_NEAR(roots.liquid, 1.0, ROOT_TOLERANCE);
  EXPECT_NEAR(roots.vapour, 3.0, ROOT_TOLERANCE);
  EXPECT_TRUE(report.messages.empty());
}

TEST(CubicSolver, LeadingCoefficientIsNeverRead) {
  RecordedReport report;
  CubicRoots monic;
  CubicRoots other;
  solve_cubic({1.0, -6.0, 11.0, -6.0}, report, monic);
  solve_cubic({5.0, -6.0, 11.0, -6.0}, report, other);
  EXPECT_EQ(monic.vapour, other.vapour);
  EXPECT_EQ(monic.liquid, other.liquid);
}

TEST(CubicSolver, TripleRootIsReportedAsComplexRoots) {
  RecordedReport report;
  CubicRoots roots;
  solve_cubic({1.0, -3.0, 3.0, -1.0}, report, roots);
  EXPECT_EQ(roots.vapour, SATURATION_ERROR);
  EXPECT_EQ(report.messages, std::vector<Message>{COMPLEX_ROOTS});
}

TEST(CubicSolver, OneRealRootLeavesLiquidAsItWas) {
  RecordedReport report;
  CubicRoots roots{0.5, 0.25};
  solve_cubic({1.0, 0.0, 1.0, 0.0}, report, roots);  // z (z^2 + 1)
  EXPECT_EQ(roots.vapour, SATURATION_ERROR);
  EXPECT_EQ(roots.liquid, 0.25);
  EXPECT_EQ(report.messages, std::vector<Message>{COMPLEX_ROOTS});
}

TEST(CubicSolver, NotANumberCoefficientFailsWithTheMessage) {
  RecordedReport report;
  CubicRoots roots;
  solve_cubic({1.0, std::nan(""), 1.0, 0.0}, report, roots);
  EXPECT_TRUE(is_saturation_error(roots.vapour));
  EXPECT_EQ(report.messages.size(), 1u);
}

}  // namespace
}  // namespace quelrin
