// The calculation request: from the main window's three choices (fluid,
// equation, temperature text) and the unit choice to a vapour pressure, or to
// the message that stopped it. The window only applies the outcome.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/calc_report.hpp"
#include "calc/equation_of_state.hpp"
#include "fluids/fluid_record.hpp"
#include "text/message.hpp"
#include "units/units.hpp"

namespace quelrin {

// Room of the temperature field: the text counts by its first 63 characters.
inline constexpr std::size_t TEMPERATURE_TEXT_LIMIT = 63;

enum class RequestOutcome {
  no_fluid,             // no fluid selected (or an index outside the table)
  no_equation,          // no equation selected
  no_temperature,       // empty text, or a text holding no digit
  invalid_character,    // a letter or white space in the text
  below_absolute_zero,  // at or below 0 K once converted
  not_below_critical,   // T not below the fluid's Tc
  completed,            // estimate and iteration ran, successfully or not
};

struct CalcResult {
  RequestOutcome outcome = RequestOutcome::completed;
  std::optional<Message> message;
  // The log and both result fields are to be emptied (before the message).
  bool clear_results = false;
  // Position of the refused character, selected in the temperature field.
  int refused_position = -1;
  std::string result_text;    // the pressure, or "Erro!"; completed only
  std::string estimate_text;  // "Valor por KIND: P0 SUFFIX."; completed only
  double estimate_bar = 0.0;  // P0; completed only
  double pressure_bar = 0.0;  // the iteration's result, SATURATION_ERROR included; completed only
  double t_k = 0.0;           // the temperature; completed only

  // The request stopped with a message and ran no calculation.
  bool stopped() const { return outcome != RequestOutcome::completed; }
};

inline constexpr const char* FAILED_RESULT_TEXT = "Erro!";

// Runs one request; the iteration reports its log and note through `report`
// as it goes. Keeps nothing between runs.
CalcResult run_calculation_request(const FluidTable& fluids, int fluid_index,
                                   std::optional<EquationOfState> equation,
                                   std::string_view temperature_text, const UnitPrefs& units,
                                   CalcReport& report);

// The first estimate in bar, chosen by the fluid's correlation kind.
double first_estimate(double t_k, const FluidRecord& fluid);

}  // namespace quelrin
