// The four equal-fugacity iterations: convergence, the log they leave, the
// complex-roots stop and the 101-iteration limit.
#include "calc/fugacity_iteration.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>

#include "calc/cubic_solver.hpp"
#include "calc/fugacity_iteration.hpp"
#include "calc/recorded_report.hpp"
#include "tests/support/sample_fluids.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

// Nitrogen at 90 K, about 0.71 Tc, from 3.6 bar (its Wagner correlation).
constexpr double T_K = 90.0;
constexpr double P0_BAR = 3.6;
// The iterations stop at |phi_l / phi_v - 1| < 1e-7; the log shows 6 digits.
constexpr double LOG_DIGITS = 1e-5;
constexpr double SAME_PRESSURE = 1e-5;

// The two coefficients of a log line "f(v) = %g;    f(l) = %g".
std::pair<double, double> parse_line(const std::string& line) {
  double phi_v = 0.0;
  double phi_l = 0.0;
  EXPECT_EQ(std::sscanf(line.c_str(), "f(v) = %lg;    f(l) = %lg", &phi_v, &phi_l), 2) << line;
  return {phi_v, phi_l};
}

TEST(FugacityIteration, LightFluidWellBelowTcConvergesWithEveryEquation) {
  for (const EquationOfState e : EQUATIONS) {
    SCOPED_TRACE(equation_name(e));
    RecordedReport report;
    report.log = {"earlier run"};
    const double p = iteration_for(e)(T_K, P0_BAR, test::nitrogen(), report);
    ASSERT_GT(p, 0.0);
    ASSERT_LT(report.log.size(), 50u);
    EXPECT_EQ(report.selected, static_cast<int>(report.log.size()) - 1);
    EXPECT_EQ(report.note, "");
    EXPECT_TRUE(report.messages.empty());
    for (const std::string& line : report.log) {
      // std::regex: GoogleTest's own matcher knows no brackets on Windows.
      EXPECT_TRUE(
          std::regex_match(line, std::regex(R"(f\(v\) = [0-9.e+-]+;    f\(l\) = [0-9.e+-]+)")))
          << line;
    }
    const auto [phi_v, phi_l] = parse_line(report.log.back());
    EXPECT_NEAR(phi_l / phi_v, 1.0, LOG_DIGITS);
  }
}

TEST(FugacityIteration, VanDerWaalsLandsMarkedlyHigherAndSlower) {
  double pressure[4];
  std::size_t lines[4];
  for (const EquationOfState e : EQUATIONS) {
    RecordedReport report;
    pressure[list_index(e)] = iteration_for(e)(T_K, P0_BAR, test::nitrogen(), report);
    lines[list_index(e)] = report.log.size();
  }
  for (int e = 1; e < 3; ++e) EXPECT_NEAR(pressure[e], pressure[0], 0.1 * pressure[0]) << e;
  for (int e = 0; e < 3; ++e) {
    EXPECT_GT(pressure[3], 1.5 * pressure[e]) << e;
    EXPECT_GT(lines[3], lines[e]) << e;
  }
}

TEST(FugacityIteration, StartFarBelowReachesTheSamePressureInMoreIterations) {
  for (const EquationOfState e : EQUATIONS) {
    SCOPED_TRACE(equation_name(e));
    RecordedReport first;
    const double answer = iteration_for(e)(T_K, P0_BAR, test::nitrogen(), first);
    RecordedReport near_report;
    RecordedReport far_report;
    const double p_near = iteration_for(e)(T_K, 0.9 * answer, test::nitrogen(), near_report);
    const double p_far = iteration_for(e)(T_K, answer / 20.0, test::nitrogen(), far_report);
    EXPECT_NEAR(p_near, answer, answer * SAME_PRESSURE);
    EXPECT_NEAR(p_far, answer, answer * SAME_PRESSURE);
    EXPECT_GT(far_report.log.size(), near_report.log.size());
  }
}

TEST(FugacityIteration, StartFarAboveStopsAtTheFirstCubicWithAnEmptyLog) {
  for (const EquationOfState e : EQUATIONS) {
    SCOPED_TRACE(equation_name(e));
    RecordedReport report;
    report.log = {"earlier run"};
    EXPECT_EQ(iteration_for(e)(T_K, 300.0, test::nitrogen(), report), SATURATION_ERROR);
    EXPECT_TRUE(report.log.empty());
    EXPECT_EQ(report.selected, -1);
    EXPECT_EQ(report.note, "");
    ASSERT_EQ(report.messages.size(), 1u);
    EXPECT_EQ(report.messages[0].text, cp1252<"Provável causa: raízes complexas.">);
  }
}

TEST(FugacityIteration, RootBelowCoVolumeWritesItsLineThenStopsAtTheNextCubic) {
  // At 10^4 bar the Peng-Robinson cubic has three roots, but the liquid one
  // lies below B: ln(Z - B) is not a number, nor then is the next pressure.
  RecordedReport report;
  EXPECT_EQ(iterate_peng_robinson(T_K, 1e4, test::nitrogen(), report), SATURATION_ERROR);
  ASSERT_EQ(report.log.size(), 1u);
  EXPECT_THAT(report.log[0], testing::HasSubstr("nan"));
  EXPECT_EQ(report.selected, -1);
  EXPECT_EQ(report.messages.size(), 1u);
}

TEST(FugacityIteration, ConvergedResultIsThePressureOfTheLastLine) {
  // Restarted at its own result, a converged call evaluates the same line
  // again, converges at once and hands that pressure back unchanged.
  for (const EquationOfState e : EQUATIONS) {
    SCOPED_TRACE(equation_name(e));
    RecordedReport first;
    RecordedReport again;
    const double p = iteration_for(e)(T_K, P0_BAR, test::nitrogen(), first);
    EXPECT_EQ(iteration_for(e)(T_K, p, test::nitrogen(), again), p);
    EXPECT_EQ(again.log, std::vector<std::string>{first.log.back()});
    EXPECT_EQ(again.selected, 0);
  }
}

TEST(FugacityIteration, SlowRunNearTcStopsAfter101IterationsWithTheNote) {
  // Redlich-Kwong 0.2 K below nitrogen's Tc converges too slowly for its
  // 1e-8 tolerance (found by scanning T and the start).
  RecordedReport report;
  const double p = iterate_redlich_kwong(126.0, 33.72, test::nitrogen(), report);
  EXPECT_EQ(report.note, cp1252<"Obs.: Sem convergência.">);
  EXPECT_EQ(report.log.size(), 101u);
  EXPECT_EQ(report.selected, 100);
  EXPECT_NEAR(p, 33.73, 0.05);
}

TEST(FugacityIteration, RedlichKwongAndVanDerWaalsIgnoreTheAcentricFactor) {
  FluidRecord other = test::nitrogen();
  other.acentric_factor = 0.5;
  RecordedReport report;
  EXPECT_EQ(iterate_redlich_kwong(T_K, P0_BAR, other, report),
            iterate_redlich_kwong(T_K, P0_BAR, test::nitrogen(), report));
  EXPECT_EQ(iterate_van_der_waals(T_K, P0_BAR, other, report),
            iterate_van_der_waals(T_K, P0_BAR, test::nitrogen(), report));
  EXPECT_NE(iterate_peng_robinson(T_K, P0_BAR, other, report),
            iterate_peng_robinson(T_K, P0_BAR, test::nitrogen(), report));
  EXPECT_NE(iterate_soave_redlich_kwong(T_K, P0_BAR, other, report),
            iterate_soave_redlich_kwong(T_K, P0_BAR, test::nitrogen(), report));
}

}  // namespace
}  // namespace quelrin
