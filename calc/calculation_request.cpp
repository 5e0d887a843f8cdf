// Validation, unit conversion, first estimate and refinement of one request.
#include "calc/calculation_request.hpp"

#include <algorithm>

#include "calc/correlations.hpp"
#include "calc/cubic_solver.hpp"
#include "calc/envelope_estimate.hpp"
#include "calc/fugacity_iteration.hpp"
#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"
#include "text/g_text.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

CalcResult stop(RequestOutcome outcome, Message message, bool clear_results) {
  CalcResult result;
  result.outcome = outcome;
  result.message = std::move(message);
  result.clear_results = clear_results;
  return result;
}

const Message NO_TEMPERATURE{"Entre com algum valor de temperatura!", cp1252<"Atenção!">,
                             MessageIcon::warning};

// The temperature field's text read as the window reads it: its first
// TEMPERATURE_TEXT_LIMIT characters, a letter or blank refused at its
// position, a decimal comma as the point, and no temperature without a digit.
// The number in `typed`, or the request's stop.
std::optional<CalcResult> read_temperature_text(std::string_view temperature_text, double& typed) {
  std::string text(temperature_text.substr(0, TEMPERATURE_TEXT_LIMIT));
  if (text.empty()) {
    return stop(RequestOutcome::no_temperature, NO_TEMPERATURE, true);
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (is_cp1252_letter(text[i]) || is_c_space(text[i])) {
      CalcResult result =
          stop(RequestOutcome::invalid_character,
               {cp1252<"Verifique a entrada de caracteres inválidos no campo \"Temperatura\" !">,
                cp1252<"Atenção!">, MessageIcon::warning},
               false);
      result.refused_position = static_cast<int>(i);
      return result;
    }
  }
  decimal_comma_to_point(text);
  // A lone sign or point is no temperature at all, not zero.
  if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return stop(RequestOutcome::no_temperature, NO_TEMPERATURE, true);
  }
  typed = read_leading_number(text);
  return std::nullopt;
}

}  // namespace

double first_estimate(double t_k, const FluidRecord& fluid) {
  if (fluid.kind == KIND_ANTOINE) return estimate_antoine(t_k, fluid);
  if (fluid.kind == KIND_WAGNER) return estimate_wagner(t_k, fluid);
  return estimate_envelope(t_k, fluid);
}

CalcResult run_calculation_request(const FluidTable& fluids, int fluid_index,
                                   std::optional<EquationOfState> equation,
                                   std::string_view temperature_text, const UnitPrefs& units,
                                   CalcReport& report) {
  if (fluid_index < 0 || static_cast<std::size_t>(fluid_index) >= fluids.size()) {
    return stop(RequestOutcome::no_fluid,
                {"Selecione um fluido!", cp1252<"Atenção!">, MessageIcon::warning}, false);
  }
  if (!equation) {
    return stop(RequestOutcome::no_equation,
                {"Selecione um modelo!", cp1252<"Atenção!">, MessageIcon::warning}, false);
  }
  const FluidRecord& fluid = fluids[static_cast<std::size_t>(fluid_index)];

  double typed = 0.0;
  if (std::optional<CalcResult> refusal = read_temperature_text(temperature_text, typed)) {
    return std::move(*refusal);
  }

  const TemperatureUnit t_unit = units.temperature_unit;
  const double t_k = temperature_to_kelvin(t_unit, typed);
  if (!(t_k > 0.0)) {
    return stop(RequestOutcome::below_absolute_zero,
                {"A temperatura deve estar acima do zero absoluto!", cp1252<"Atenção!">,
                 MessageIcon::warning},
                true);
  }
  if (!(fluid.tc_k > t_k)) {
    return stop(RequestOutcome::not_below_critical,
                {"T maior que Tc de " + fluid.name +
                     " ( Tc = " + format_g(kelvin_to_temperature_unit(t_unit, fluid.tc_k)) +
                     std::string(temperature_suffix(t_unit)) + " )",
                 cp1252<"Atenção!">, MessageIcon::error},
                true);
  }

  const double p0_bar = first_estimate(t_k, fluid);
  const double p_bar = iteration_for(*equation)(t_k, p0_bar, fluid, report);

  const PressureUnit p_unit = units.pressure_unit;
  CalcResult result;
  result.estimate_bar = p0_bar;
  result.pressure_bar = p_bar;
  result.t_k = t_k;
  char number[G_TEXT_ROOM];
  if (is_saturation_error(p_bar)) {
    result.result_text = FAILED_RESULT_TEXT;
  } else {
    result.result_text.assign(number, write_g(number, bar_to_pressure_unit(p_unit, p_bar)));
  }
  // "Valor por %s: %g %s." formed in place.
  const std::string_view suffix = pressure_suffix(p_unit);
  const std::string_view estimate_number(
      number,
      static_cast<std::size_t>(write_g(number, bar_to_pressure_unit(p_unit, p0_bar)) - number));
  std::string& estimate = result.estimate_text;
  estimate.reserve(16 + fluid.kind.size() + estimate_number.size() + suffix.size());
  estimate.append("Valor por ").append(fluid.kind).append(": ").append(estimate_number);
  estimate.append(" ").append(suffix).append(".");
  return result;
}

}  // namespace quelrin
