// One calculation request: validation of the typed temperature, the unit
// conversions at both ends, and the outcome the main window shows.
#include "calc/calculation_request.hpp"

#include <gtest/gtest.h>

#include <string>

#include "calc/correlations.hpp"
#include "calc/fugacity_iteration.hpp"
#include "calc/recorded_report.hpp"
#include "tests/support/sample_fluids.hpp"
#include "text/cp1252_literal.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

constexpr int NITROGEN = 0;
constexpr int ANTOINE = 1;      // Tc 600 K, log10(P / bar) = 4 - 1000 / (T / K)
constexpr int UNREACHABLE = 2;  // its estimate, 100 bar, gives no three roots at 90 K

const Message NO_TEMPERATURE{"Entre com algum valor de temperatura!", cp1252<"Atenção!">,
                             MessageIcon::warning};
const Message INVALID_CHARACTER{
    cp1252<"Verifique a entrada de caracteres inválidos no campo \"Temperatura\" !">,
    cp1252<"Atenção!">, MessageIcon::warning};

class CalculationRequest : public testing::Test {
 protected:
  FluidTable fluids = {
      test::nitrogen(), test::antoine_fluid(),
      test::make_fluid("Alta", "Antoine", {2.0, 0.0, 0.0, 0.0}, 126.2, 33.98, 0.037)};
  UnitPrefs units;
  RecordedReport report;

  CalculationRequest() { report.log = {"earlier run"}; }

  CalcResult run(std::string_view text, int fluid = NITROGEN,
                 std::optional<EquationOfState> equation = EquationOfState::peng_robinson) {
    return run_calculation_request(fluids, fluid, equation, text, units, report);
  }
  // The estimate text the Antoine fluid gives at t_k, in bar.
  std::string antoine_estimate_at(double t_k) const {
    return "Valor por Antoine: " + format_g(estimate_antoine(t_k, fluids[ANTOINE])) + " bar.";
  }
  void expect_report_untouched() const {
    EXPECT_EQ(report.log, std::vector<std::string>{"earlier run"});
    EXPECT_TRUE(report.messages.empty());
  }
};

TEST_F(CalculationRequest, EmptyTextOrOneWithoutDigitsAsksForATemperature) {
  for (const char* text : {"", "-", ".", "+,", cp1252<"°">}) {
    const CalcResult result = run(text);
    EXPECT_EQ(result.outcome, RequestOutcome::no_temperature) << text;
    EXPECT_EQ(result.message, NO_TEMPERATURE) << text;
    EXPECT_TRUE(result.clear_results) << text;
  }
  expect_report_untouched();
}

TEST_F(CalculationRequest, LetterOrBlankIsRefusedAtItsPosition) {
  const std::pair<const char*, int> cases[] = {
      {"1e3", 1},        {"   ", 0},        {"9 0", 1},        {"90\t", 2},
      {cp1252<"9á">, 1}, {cp1252<"-é">, 1}, {cp1252<"12ª">, 2}};
  for (const auto& [text, position] : cases) {
    const CalcResult result = run(text);
    EXPECT_EQ(result.outcome, RequestOutcome::invalid_character) << text;
    EXPECT_EQ(result.refused_position, position) << text;
    EXPECT_EQ(result.message, INVALID_CHARACTER) << text;
    EXPECT_FALSE(result.clear_results) << text;
  }
  expect_report_untouched();
}

TEST_F(CalculationRequest, DecimalCommaAndTrailingPunctuationReadAsAtof) {
  units.temperature_unit = TemperatureUnit::celsius;
  EXPECT_EQ(run("25,5", ANTOINE).estimate_text, antoine_estimate_at(298.65));
  EXPECT_EQ(run("1,5.2", ANTOINE).estimate_text, antoine_estimate_at(274.65));
  EXPECT_EQ(run(cp1252<"25°">, ANTOINE).estimate_text, antoine_estimate_at(298.15));
  EXPECT_EQ(run("25%/*", ANTOINE).estimate_text, antoine_estimate_at(298.15));
}

TEST_F(CalculationRequest, OnlyTheFirst63CharactersCount) {
  std::string text = "500.";
  text.resize(TEMPERATURE_TEXT_LIMIT, '0');
  const CalcResult result = run(text + "9 x", ANTOINE);
  EXPECT_EQ(result.outcome, RequestOutcome::completed);
  EXPECT_EQ(result.estimate_text, "Valor por Antoine: 100 bar.");
}

TEST_F(CalculationRequest, TemperatureUnitsConvertToKelvin) {
  units.temperature_unit = TemperatureUnit::rankine;  // 900 R = 500 K
  EXPECT_EQ(run("900", ANTOINE).estimate_text, "Valor por Antoine: 100 bar.");
  units.temperature_unit = TemperatureUnit::fahrenheit;  // water's boiling point on both scales
  EXPECT_EQ(run("212", ANTOINE).estimate_text, antoine_estimate_at(373.15));
  EXPECT_EQ(temperature_to_kelvin(TemperatureUnit::fahrenheit, 212.0), 373.15);
}

TEST_F(CalculationRequest, AtOrBelowAbsoluteZeroIsRefused) {
  for (const char* text : {"-300", "0", "-0,0"}) {
    const CalcResult result = run(text);
    EXPECT_EQ(result.outcome, RequestOutcome::below_absolute_zero) << text;
    EXPECT_EQ(result.message, (Message{"A temperatura deve estar acima do zero absoluto!",
                                       cp1252<"Atenção!">, MessageIcon::warning}));
    EXPECT_TRUE(result.clear_results);
  }
  units.temperature_unit = TemperatureUnit::celsius;
  EXPECT_EQ(run("-273.15").outcome, RequestOutcome::below_absolute_zero);
  expect_report_untouched();
}

TEST_F(CalculationRequest, TcItselfIsRefusedWithTcInTheUsersUnit) {
  const std::pair<TemperatureUnit, const char*> cases[] = {
      {TemperatureUnit::kelvin, "126.2K"},
      {TemperatureUnit::rankine, "227.16R"},
      {TemperatureUnit::celsius, cp1252<"-146.95°C">},
      {TemperatureUnit::fahrenheit, cp1252<"-232.51°F">}};
  for (const auto& [unit, shown] : cases) {
    units.temperature_unit = unit;
    const CalcResult result = run(unit == TemperatureUnit::kelvin ? "126.2" : "1000");
    EXPECT_EQ(result.outcome, RequestOutcome::not_below_critical) << shown;
    EXPECT_EQ(result.message,
              (Message{cp1252<"T maior que Tc de Nitrogênio ( Tc = "> + std::string(shown) + " )",
                       cp1252<"Atenção!">, MessageIcon::error}));
    EXPECT_TRUE(result.clear_results);
  }
  expect_report_untouched();
}

TEST_F(CalculationRequest, CompletedRunShowsThePressureAndTheEstimate) {
  fluids[NITROGEN] =
      test::make_fluid(cp1252<"Nitrogênio">, "Wagner", {-6.09676, 1.1367, -1.04072, -1.93306},
                       126.2, 33.9961, 0.0372);  // the shipped record
  const CalcResult result = run("90");
  RecordedReport direct;
  const double p = iterate_peng_robinson(90.0, estimate_wagner(90.0, fluids[NITROGEN]),
                                         fluids[NITROGEN], direct);
  EXPECT_EQ(result.outcome, RequestOutcome::completed);
  EXPECT_FALSE(result.message);
  EXPECT_EQ(result.result_text, format_g(p));
  EXPECT_EQ(result.estimate_text, "Valor por Wagner: 3.60713 bar.");
  EXPECT_EQ(report.log, direct.log);

  units.pressure_unit = PressureUnit::kpa;  // kPa: 100 times the number in bar
  const CalcResult kpa = run("90");
  EXPECT_EQ(kpa.result_text, format_g(100.0 * p));
  EXPECT_EQ(kpa.estimate_text, "Valor por Wagner: 360.713 kPa.");
}

TEST_F(CalculationRequest, EquationIndexFollowsTheListOrder) {
  const double p0 = first_estimate(90.0, fluids[NITROGEN]);
  for (const EquationOfState equation : EQUATIONS) {
    RecordedReport direct;
    const double p = iteration_for(equation)(90.0, p0, fluids[NITROGEN], direct);
    EXPECT_EQ(run("90", NITROGEN, equation).result_text, format_g(p)) << equation_name(equation);
  }
}

TEST_F(CalculationRequest, FailedIterationShowsErroAndTheConvertedEstimate) {
  units.pressure_unit = PressureUnit::kpa;
  const CalcResult result = run("90", UNREACHABLE);
  EXPECT_EQ(result.outcome, RequestOutcome::completed);
  EXPECT_EQ(result.result_text, "Erro!");
  EXPECT_EQ(result.estimate_text, "Valor por Antoine: 10000 kPa.");
  ASSERT_EQ(report.messages.size(), 1u);
  EXPECT_EQ(report.messages[0].title, "Erro iterativo:");
  EXPECT_TRUE(report.log.empty());
}

TEST_F(CalculationRequest, MissingFluidOrEquationStopsBeforeAnythingElse) {
  for (int fluid : {-1, 3}) {
    const CalcResult result = run("", fluid);
    EXPECT_EQ(result.outcome, RequestOutcome::no_fluid);
    EXPECT_EQ(result.message,
              (Message{"Selecione um fluido!", cp1252<"Atenção!">, MessageIcon::warning}));
    EXPECT_FALSE(result.clear_results);
    EXPECT_EQ(result.result_text, "");
  }
  {
    const CalcResult result = run("90", NITROGEN, std::nullopt);
    EXPECT_EQ(result.outcome, RequestOutcome::no_equation);
    EXPECT_EQ(result.message,
              (Message{"Selecione um modelo!", cp1252<"Atenção!">, MessageIcon::warning}));
  }
  expect_report_untouched();
}

}  // namespace
}  // namespace quelrin
