// The exact saturation solver and the superancillary curves, on the shipped
// fluids with all four equations.
#include "calc/saturation.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <string>

#include "calc/calculation_request.hpp"
#include "calc/cubic_parameters.hpp"
#include "calc/cubic_solver.hpp"
#include "calc/fugacity_iteration.hpp"
#include "calc/gas_constant.hpp"
#include "calc/recorded_report.hpp"
#include "calc/reduced_saturation.hpp"
#include "calc/saturation_table.hpp"
#include "calc/superancillary.hpp"
#include "tests/support/sample_fluids.hpp"
#include "tests/support/shipped_fluids.hpp"
#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

constexpr double R = GAS_CONSTANT;
constexpr double BALANCE_TOLERANCE = 1e-12;
constexpr double SUPERANCILLARY_TOLERANCE = 1e-12;  // relative, on the pressure
// The window's tolerances on |phi_l / phi_v - 1|, by equation.
constexpr double WINDOW_TOLERANCES[EQUATION_COUNT] = {1e-7, 1e-7, 1e-8, 1e-7};

class Saturation : public testing::Test {
 protected:
  const FluidTable fluids = test::read_shipped_fluids();
  void SetUp() override { ASSERT_FALSE(fluids.empty()); }
};

std::string trace(const FluidRecord& fluid, EquationOfState equation, double reduced) {
  return cp1252_to_utf8(fluid.name) + ", " + equation_name(equation) + ", " +
         std::to_string(reduced) + " of the equation's Tc";
}

// Wherever the window's iteration converges, the exact pressure is the same
// within what the window's tolerance leaves: ln(P / P*) ~ tol / (Zv - Zl).
// Where the liquid's Z falls below 1e-5 the window's cubic solver (its angle
// offsets carry pi to 12 digits) puts noise of 1e-11 on that root, which
// then outweighs the tolerance; those requests are left out.
TEST_F(Saturation, AgreesWithTheWindowsIterationWhereverThatConverges) {
  int compared = 0;
  for (const FluidRecord& fluid : fluids) {
    for (const EquationOfState e : EQUATIONS) {
      for (const double reduced : {0.4, 0.6, 0.7, 0.8, 0.9}) {
        const double t_k = reduced * fluid.tc_k;
        SCOPED_TRACE(trace(fluid, e, reduced));
        RecordedReport report;
        const double window = iteration_for(e)(t_k, first_estimate(t_k, fluid), fluid, report);
        if (is_saturation_error(window) || !report.note.empty()) continue;
        SaturationState state;
        ASSERT_EQ(solve_saturation(e, t_k, fluid, state), SATURATION_SOLVED);
        const double z_gap = state.p_bar * (state.vapour_volume - state.liquid_volume) / (R * t_k);
        if (state.p_bar * state.liquid_volume / (R * t_k) < 1e-5) continue;
        EXPECT_NEAR(std::log(window / state.p_bar), 0.0,
                    2.0 * WINDOW_TOLERANCES[list_index(e)] / z_gap);
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 400);
}

// ln phi of both volumes by the window's own formulas (Peng-Robinson),
// from the pressure and volumes the solver returns: equal to 1e-12; both
// volumes on a branch where the pressure falls as the volume grows, either
// side of the critical volume, where it rises; and (where the window's cubic
// solver resolves a liquid root) three real roots, the outer two the volumes.
TEST_F(Saturation, BalancesTheFugacitiesWithThreeRealRootsBetweenTheSpinodals) {
  for (const FluidRecord& fluid : fluids) {
    const double tc = equation_critical_temperature(EquationOfState::peng_robinson, fluid);
    for (const double reduced : {0.25, 0.5, 0.8, 0.95, 0.999}) {
      const double t_k = reduced * tc;
      SCOPED_TRACE(trace(fluid, EquationOfState::peng_robinson, reduced));
      SaturationState state;
      ASSERT_EQ(solve_saturation(EquationOfState::peng_robinson, t_k, fluid, state),
                SATURATION_SOLVED);
      EXPECT_LE(std::fabs(state.balance), BALANCE_TOLERANCE);

      const CubicParameters p = cubic_parameters(EquationOfState::peng_robinson, t_k, fluid);
      const double a = p.a * state.p_bar / std::pow(R * t_k, 2.0);
      const double b = p.b * state.p_bar / (R * t_k);
      const auto ln_phi = [&](double z) {
        return z - 1.0 - std::log(z - b) +
               a / (2.0 * b * std::sqrt(2.0)) *
                   std::log((z + b - std::sqrt(2.0) * b) / (z + b + std::sqrt(2.0) * b));
      };
      const double z_liquid = state.p_bar * state.liquid_volume / (R * t_k);
      const double z_vapour = state.p_bar * state.vapour_volume / (R * t_k);
      EXPECT_NEAR(ln_phi(z_liquid), ln_phi(z_vapour), 1e-11);

      const CubicFamily<double> family = cubic_family<double>(EquationFamily::peng_robinson);
      const double rho = attraction_ratio(EquationOfState::peng_robinson, t_k, fluid);
      const double critical_v = critical_point<double>(EquationFamily::peng_robinson).v;
      EXPECT_LT(family.pressure_slope(state.liquid_volume / p.b, rho), 0.0);
      EXPECT_LT(family.pressure_slope(state.vapour_volume / p.b, rho), 0.0);
      EXPECT_GT(family.pressure_slope(critical_v, rho), 0.0);
      EXPECT_LT(state.liquid_volume / p.b, critical_v);
      EXPECT_GT(state.vapour_volume / p.b, critical_v);

      if (reduced < 0.5) continue;
      RecordedReport report;
      CubicRoots roots;
      solve_cubic({1.0, b - 1.0, a - 3.0 * b * b - 2.0 * b, b * b * b + b * b - a * b}, report,
                  roots);
      EXPECT_TRUE(report.messages.empty());
      EXPECT_NEAR(roots.liquid, z_liquid, 1e-9 * z_liquid);
      EXPECT_NEAR(roots.vapour, z_vapour, 1e-9 * z_vapour);
    }
  }
}

// Close to the critical point the window's iteration often ends in "Erro!";
// the exact solver answers every one of those requests.
TEST_F(Saturation, AnswersNearTheCriticalPointWhereTheWindowFails) {
  int window_failures = 0;
  for (const FluidRecord& fluid : fluids) {
    for (const EquationOfState e : EQUATIONS) {
      const double t_k = 0.995 * std::fmin(fluid.tc_k, equation_critical_temperature(e, fluid));
      SCOPED_TRACE(trace(fluid, e, 0.995));
      RecordedReport report;
      const double window = iteration_for(e)(t_k, first_estimate(t_k, fluid), fluid, report);
      if (!is_saturation_error(window)) continue;
      ++window_failures;
      SaturationState state;
      ASSERT_EQ(solve_saturation(e, t_k, fluid, state), SATURATION_SOLVED);
      EXPECT_LE(std::fabs(state.balance), BALANCE_TOLERANCE);
      EXPECT_LT(state.liquid_volume, state.vapour_volume);
      EXPECT_LT(state.p_bar, 1.2 * fluid.pc_bar);
    }
  }
  EXPECT_GT(window_failures, 30);
}

TEST_F(Saturation, SaysSoAtAndAboveTheEquationsCriticalTemperature) {
  const FluidRecord& water = fluids[0];
  for (const EquationOfState e : EQUATIONS) {
    const double tc = equation_critical_temperature(e, water);
    SaturationState state;
    EXPECT_EQ(solve_saturation(e, tc * (1.0 + 1e-12), water, state), SATURATION_ABOVE_CRITICAL);
    EXPECT_EQ(solve_saturation(e, tc * 1.5, water, state), SATURATION_ABOVE_CRITICAL);
    EXPECT_EQ(solve_saturation(e, tc * (1.0 - 1e-6), water, state), SATURATION_SOLVED);
    EXPECT_TRUE(std::isnan(iterative_saturation_pressure(e, tc * 1.01, water)));
  }
}

// The program's rounded constants move the equation's critical point off the
// fluid's Tc: below it for Peng-Robinson (0.45724 / 0.0778 is under the
// family's 5.87736) and Redlich-Kwong (0.0867), above it for
// Soave-Redlich-Kwong, exactly on it for Van der Waals.
TEST_F(Saturation, EquationsCriticalTemperatureSitsWhereTheConstantsPutIt) {
  const FluidRecord& water = fluids[0];
  EXPECT_LT(equation_critical_temperature(EquationOfState::peng_robinson, water), water.tc_k);
  EXPECT_GT(equation_critical_temperature(EquationOfState::peng_robinson, water),
            0.9999 * water.tc_k);
  EXPECT_GT(equation_critical_temperature(EquationOfState::soave_redlich_kwong, water), water.tc_k);
  EXPECT_LT(equation_critical_temperature(EquationOfState::redlich_kwong, water), water.tc_k);
  EXPECT_NEAR(equation_critical_temperature(EquationOfState::van_der_waals, water), water.tc_k,
              1e-9 * water.tc_k);
  EXPECT_NEAR(critical_point<double>(EquationFamily::van_der_waals).rho, 27.0 / 8.0, 1e-14);
  EXPECT_NEAR(critical_point<double>(EquationFamily::van_der_waals).v, 3.0, 1e-7);
}

// Clapeyron: dP/dT = dH / (T dv). The solver's own pressures, differenced
// over 2e-5 T, give the enthalpy its departure functions give.
TEST_F(Saturation, EnthalpyMatchesClausiusClapeyronFromTheSolversPressures) {
  for (const FluidRecord& fluid : fluids) {
    for (const EquationOfState e : EQUATIONS) {
      for (const double reduced : {0.5, 0.8, 0.97}) {
        const double t_k = reduced * equation_critical_temperature(e, fluid);
        SCOPED_TRACE(trace(fluid, e, reduced));
        const double h = 1e-5 * t_k;
        SaturationState state;
        SaturationState below;
        SaturationState above;
        ASSERT_EQ(solve_saturation(e, t_k, fluid, state), SATURATION_SOLVED);
        ASSERT_EQ(solve_saturation(e, t_k - h, fluid, below), SATURATION_SOLVED);
        ASSERT_EQ(solve_saturation(e, t_k + h, fluid, above), SATURATION_SOLVED);
        const double slope = (above.p_bar - below.p_bar) / (2.0 * h);
        const double enthalpy_kj = t_k * (state.vapour_volume - state.liquid_volume) * slope * 0.1;
        EXPECT_NEAR(state.vaporisation_enthalpy, enthalpy_kj, 1e-7 * state.vaporisation_enthalpy);
        EXPECT_NEAR(state.dp_dt, slope, 1e-7 * slope);
      }
    }
  }
}

TEST_F(Saturation, SaturationTemperatureInvertsThePressure) {
  for (const FluidRecord& fluid : fluids) {
    for (const EquationOfState e : EQUATIONS) {
      const double tc = equation_critical_temperature(e, fluid);
      for (const double reduced : {0.3, 0.7, 0.999}) {
        SCOPED_TRACE(trace(fluid, e, reduced));
        SaturationState state;
        ASSERT_EQ(solve_saturation(e, reduced * tc, fluid, state), SATURATION_SOLVED);
        double t_k = 0.0;
        ASSERT_EQ(saturation_temperature(e, state.p_bar, fluid, t_k), SATURATION_SOLVED);
        EXPECT_NEAR(t_k, reduced * tc, 1e-10 * tc);
      }
      // Far below any table, where d ln P / d ln T reaches 1050: the last
      // bit of the temperature is 2e-13 of the pressure.
      for (const double p_bar : {1e-170, 1e-300}) {
        SCOPED_TRACE(trace(fluid, e, 0.0) + ", " + std::to_string(p_bar) + " bar");
        double t_k = 0.0;
        ASSERT_EQ(saturation_temperature(e, p_bar, fluid, t_k), SATURATION_SOLVED);
        SaturationState state;
        ASSERT_EQ(solve_saturation(e, t_k, fluid, state), SATURATION_SOLVED);
        EXPECT_NEAR(state.p_bar / p_bar, 1.0, 2e-12);
      }
      double t_k = 0.0;
      EXPECT_EQ(saturation_temperature(e, 2.0 * fluid.pc_bar, fluid, t_k),
                SATURATION_ABOVE_CRITICAL);
      EXPECT_EQ(saturation_temperature(e, 0.0, fluid, t_k), SATURATION_BELOW_RANGE);
      EXPECT_EQ(saturation_temperature(e, 1e-310, fluid, t_k), SATURATION_BELOW_RANGE);
    }
  }
}

// Pressures of 1e-160 bar and less, where B and the vapour's slope leave
// what a double holds, from the equal-fugacity condition solved with
// mpmath 1.3.0 at 1000 digits on the Z cubic of each equation with the
// program's constants (ethylene, Peng-Robinson; nitrogen, Redlich-Kwong).
// Colder, every answer is a normal double rising with T until the pressure
// leaves the normal doubles; then there is none, down to absolute zero.
TEST_F(Saturation, AnswersEveryPressureThatIsANormalDoubleAndNoOther) {
  const auto fluid_named = [&](const char* name) -> const FluidRecord& {
    for (const FluidRecord& fluid : fluids) {
      if (fluid.name == name) return fluid;
    }
    throw std::runtime_error(name);
  };
  SaturationState state;
  ASSERT_EQ(solve_saturation(EquationOfState::peng_robinson, 5.6468474573948,
                             fluid_named("Etileno"), state),
            SATURATION_SOLVED);
  EXPECT_NEAR(state.p_bar / 7.9025001699893088e-161, 1.0, 1e-12);
  ASSERT_EQ(solve_saturation(EquationOfState::redlich_kwong, 4.15,
                             fluid_named(cp1252<"Nitrogênio">), state),
            SATURATION_SOLVED);
  EXPECT_NEAR(state.p_bar / 6.7123110122260988e-246, 1.0, 1e-12);

  for (const FluidRecord& fluid : fluids) {
    for (const EquationOfState e : EQUATIONS) {
      SCOPED_TRACE(trace(fluid, e, 0.0));
      double last = INFINITY;
      double t_k = 0.1 * fluid.tc_k;
      for (; solve_saturation(e, t_k, fluid, state) == SATURATION_SOLVED; t_k *= 0.995) {
        for (const double value : {state.p_bar, state.liquid_volume, state.vapour_volume,
                                   state.vaporisation_enthalpy, state.dp_dt}) {
          ASSERT_TRUE(std::isnormal(value) && value > 0.0) << t_k << " K";
        }
        ASSERT_LT(state.p_bar, last) << t_k << " K";
        last = state.p_bar;
      }
      EXPECT_LT(last, 1e-300);
      for (; t_k > 0.0; t_k /= 3.0) {
        ASSERT_EQ(solve_saturation(e, t_k, fluid, state), SATURATION_BELOW_RANGE) << t_k << " K";
        ASSERT_TRUE(std::isnan(iterative_saturation_pressure(e, t_k, fluid))) << t_k << " K";
      }
    }
  }
}

// Constants no equation accepts (a hand-edited database) give no state,
// however the equation's a and b come out of them.
TEST_F(Saturation, HasNoAnswerForConstantsOutsideTheEquations) {
  FluidRecord odd[7];
  for (FluidRecord& fluid : odd) fluid = fluids[0];
  odd[0].pc_bar = -fluids[0].pc_bar;
  odd[1].pc_bar = 0.0;
  odd[2].pc_bar = INFINITY;
  odd[3].tc_k = NAN;
  odd[4].tc_k = -fluids[0].tc_k;
  odd[5].acentric_factor = 1e75;
  odd[6].acentric_factor = INFINITY;
  for (const FluidRecord& fluid : odd) {
    for (const EquationOfState e : EQUATIONS) {
      // Neither Redlich-Kwong nor Van der Waals uses omega.
      if (fluid.acentric_factor != fluids[0].acentric_factor &&
          (e == EquationOfState::redlich_kwong || e == EquationOfState::van_der_waals)) {
        continue;
      }
      SCOPED_TRACE(std::to_string(fluid.pc_bar) + " bar, " + std::to_string(fluid.tc_k) + " K, " +
                   std::to_string(fluid.acentric_factor) + ", " + equation_name(e));
      for (const double reduced : {0.3, 0.7, 0.99, 0.999999}) {
        SaturationState state;
        EXPECT_NE(solve_saturation(e, reduced * fluids[0].tc_k, fluid, state), SATURATION_SOLVED);
        EXPECT_TRUE(std::isnan(iterative_saturation_pressure(e, reduced * fluids[0].tc_k, fluid)));
      }
      double t_k = 0.0;
      EXPECT_NE(saturation_temperature(e, 1.0, fluid, t_k), SATURATION_SOLVED);
    }
  }
  SaturationState state;
  constexpr EquationOfState PR = EquationOfState::peng_robinson;
  EXPECT_EQ(solve_saturation(PR, 300.0, odd[0], state), SATURATION_INVALID_CONSTANTS);
  double t_k = 0.0;
  EXPECT_EQ(saturation_temperature(PR, 1.0, odd[0], t_k), SATURATION_INVALID_CONSTANTS);
}

// Points the generator never fitted on: random temperatures of random
// shipped fluids between 0.25 and 0.9999 of the equation's Tc. The state
// solve_saturation confirms from the superancillary's start is the one the
// solver finds from no start: the pressure, and the volumes to what their
// conditioning allows at 0.9999 Tc (where the three roots close in).
TEST_F(Saturation, SuperancillaryMatchesTheIterativeSolverOnUnseenPoints) {
  std::mt19937 random(1207);
  std::uniform_int_distribution<std::size_t> pick_fluid(0, fluids.size() - 1);
  std::uniform_int_distribution<int> pick_equation(0, EQUATION_COUNT - 1);
  std::uniform_real_distribution<double> pick_reduced(0.25, 0.9999);
  for (int i = 0; i < 4000; ++i) {
    const FluidRecord& fluid = fluids[pick_fluid(random)];
    const EquationOfState e = EQUATIONS[pick_equation(random)];
    const double reduced = i < 40 ? 0.9999 : pick_reduced(random);
    const double t_k = reduced * equation_critical_temperature(e, fluid);
    SCOPED_TRACE(trace(fluid, e, reduced));
    const double exact = iterative_saturation_pressure(e, t_k, fluid);
    ASSERT_NEAR(superancillary_pressure(e, t_k, fluid) / exact, 1.0, SUPERANCILLARY_TOLERANCE);

    SaturationState polished;
    ASSERT_EQ(solve_saturation(e, t_k, fluid, polished), SATURATION_SOLVED);
    ReducedSaturation<double> reference;
    ASSERT_TRUE(
        solve_reduced_saturation(equation_family(e), attraction_ratio(e, t_k, fluid), reference));
    const double b = cubic_parameters(e, t_k, fluid).b;
    ASSERT_NEAR(polished.p_bar / exact, 1.0, 1e-13);
    ASSERT_NEAR(polished.liquid_volume / ((1.0 + reference.u_liquid) * b), 1.0, 1e-10);
    ASSERT_NEAR(polished.vapour_volume / (reference.z_vapour * R * t_k / exact), 1.0, 1e-10);
  }
}

// Pressures from outside the program: tests/calc/saturation_reference.py
// solves equal fugacity at 50 digits (Debian's python3-mpmath 1.2.1) in the
// generic cubic of Smith, Van Ness and Abbott, from each equation's
// constants typed afresh (0.45724 and 0.07780 with Peng-Robinson's kappa,
// 0.42748 and 0.08664 with Soave's m, 0.42748 and 0.0867 with Tr^-0.5,
// 27/64 and 1/8) and R = 0.0831451. A slip in any shared constant moves
// these by far more than 1e-9.
TEST(SaturationReference, PressuresComputedApartFromTheProgramAgree) {
  // Critical constants and acentric factors as data/dados.txt ships them.
  const FluidRecord nitrogen =
      test::make_fluid(cp1252<"Nitrogênio">, "Wagner", {}, 126.2, 33.9961, 0.0372);
  const FluidRecord water =
      test::make_fluid(cp1252<"Água">, "Wagner", {}, 647.35, 221.223, 0.344292);
  struct Reference {
    EquationOfState equation;
    const FluidRecord& fluid;
    double t_k;
    double p_bar;
  };
  const Reference references[] = {
      {EquationOfState::peng_robinson, nitrogen, 77.35, 1.0254339639553093},
      {EquationOfState::peng_robinson, nitrogen, 100, 7.8114154053734017},
      {EquationOfState::peng_robinson, nitrogen, 120, 25.26048832762903},
      {EquationOfState::peng_robinson, water, 373.15, 0.96101144722212801},
      {EquationOfState::peng_robinson, water, 500, 26.606753378501101},
      {EquationOfState::peng_robinson, water, 620, 160.71956383832592},
      {EquationOfState::soave_redlich_kwong, nitrogen, 77.35, 1.0011254331245913},
      {EquationOfState::soave_redlich_kwong, nitrogen, 100, 7.8558063434793771},
      {EquationOfState::soave_redlich_kwong, nitrogen, 120, 25.367443600796195},
      {EquationOfState::soave_redlich_kwong, water, 373.15, 0.92444022201039319},
      {EquationOfState::soave_redlich_kwong, water, 500, 26.901028339998993},
      {EquationOfState::soave_redlich_kwong, water, 620, 161.73082812846702},
      {EquationOfState::redlich_kwong, nitrogen, 77.35, 0.87066850991938742},
      {EquationOfState::redlich_kwong, nitrogen, 100, 7.8254830097821826},
      {EquationOfState::redlich_kwong, nitrogen, 120, 25.523698210292737},
      {EquationOfState::redlich_kwong, water, 373.15, 2.9475181549629909},
      {EquationOfState::redlich_kwong, water, 500, 42.243208794443744},
      {EquationOfState::redlich_kwong, water, 620, 173.23404100963245},
      {EquationOfState::van_der_waals, nitrogen, 77.35, 3.3359027986993373},
      {EquationOfState::van_der_waals, nitrogen, 100, 12.467607511199774},
      {EquationOfState::van_der_waals, nitrogen, 120, 27.705370312025498},
      {EquationOfState::van_der_waals, water, 373.15, 15.188192961156422},
      {EquationOfState::van_der_waals, water, 500, 71.942154793583562},
      {EquationOfState::van_der_waals, water, 620, 185.71645003888684},
  };
  for (const Reference& r : references) {
    SCOPED_TRACE(cp1252_to_utf8(r.fluid.name) + ", " + equation_name(r.equation) + ", " +
                 std::to_string(r.t_k) + " K");
    SaturationState state;
    ASSERT_EQ(solve_saturation(r.equation, r.t_k, r.fluid, state), SATURATION_SOLVED);
    EXPECT_NEAR(state.p_bar / r.p_bar, 1.0, 1e-9);
  }
}

TEST(Superancillary, CoversEachCurveFromItsCriticalPointWithoutGaps) {
  for (const EquationFamily family : FAMILIES) {
    const SuperancillaryCurve& curve = SUPERANCILLARY_CURVES[table_row(family)];
    EXPECT_NEAR(curve.pieces[0].rho_lo, critical_point<double>(family).rho, 1e-12);
    for (int i = 1; i < curve.count; ++i)
      EXPECT_EQ(curve.pieces[i].rho_lo, curve.pieces[i - 1].rho_hi);
    EXPECT_TRUE(std::isnan(superancillary_ln_b(family, curve.pieces[0].rho_lo)));
    EXPECT_TRUE(
        std::isnan(superancillary_ln_b(family, curve.pieces[curve.count - 1].rho_hi * 1.01)));

    const VolumeCurve& volumes = SUPERANCILLARY_VOLUMES[table_row(family)];
    EXPECT_NEAR(volumes.rho_critical, critical_point<double>(family).rho, 1e-12);
    EXPECT_EQ(volumes.pieces[0].s_lo, 0.0);
    for (int i = 1; i < volumes.count; ++i)
      EXPECT_EQ(volumes.pieces[i].s_lo, volumes.pieces[i - 1].s_hi);
    double u = 0.0;
    double z = 0.0;
    EXPECT_FALSE(superancillary_volumes(family, volumes.rho_critical, u, z));
    EXPECT_FALSE(superancillary_volumes(family, curve.pieces[curve.count - 1].rho_hi * 1.01, u, z));
  }
}

}  // namespace
}  // namespace quelrin

namespace quelrin {
namespace {

TEST(SaturationTable, TypesTemperaturesWithoutAnExponent) {
  EXPECT_EQ(typed_temperature(1e-7), "0.0000001");
  EXPECT_EQ(typed_temperature(-183.15), "-183.15");
  const std::string large = typed_temperature(1e22);
  EXPECT_EQ(large.find('e'), std::string::npos);
  EXPECT_EQ(read_leading_number(large), 1e22);
}

// dP/dT in psi per degree Rankine is the value in bar/K times the psi factor
// over 1.8; the exact pressure carries the unit's factor alone.
TEST(SaturationTable, ExactColumnsFollowTheUsersUnits) {
  const FluidTable fluids = test::read_shipped_fluids();
  ASSERT_FALSE(fluids.empty());
  const TableRow kelvin_bar =
      saturation_table_row(fluids, 0, EquationOfState::peng_robinson, 373.15, UnitPrefs{});
  const TableRow rankine_psi =
      saturation_table_row(fluids, 0, EquationOfState::peng_robinson, 671.67,
                           UnitPrefs{PressureUnit::psi, TemperatureUnit::rankine});
  ASSERT_TRUE(kelvin_bar.exact && rankine_psi.exact);
  const double psi = 14.503773773;
  EXPECT_NEAR(rankine_psi.exact->pressure, kelvin_bar.exact->pressure * psi, 1e-9);
  EXPECT_NEAR(rankine_psi.exact->dp_dt, kelvin_bar.exact->dp_dt * psi / 1.8, 1e-9);
  EXPECT_NEAR(rankine_psi.exact->liquid_volume, kelvin_bar.exact->liquid_volume, 1e-12);
  EXPECT_EQ(rankine_psi.iterations, kelvin_bar.iterations);
  EXPECT_TRUE(kelvin_bar.converged);

  const TableRow refused =
      saturation_table_row(fluids, 0, EquationOfState::peng_robinson, 700.0, UnitPrefs{});
  EXPECT_FALSE(refused.estimate || refused.pressure || refused.iterations || refused.exact);
  EXPECT_EQ(refused.pressure_text, "");
  EXPECT_FALSE(refused.converged);
}

}  // namespace
}  // namespace quelrin
