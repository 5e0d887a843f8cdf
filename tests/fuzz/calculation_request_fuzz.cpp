// The main window's request with any fluid constants, any list choices and
// any temperature text: it ends, and gives a pressure as "%g" writes it,
// "Erro!" or a message.
#include <cmath>

#include "calc/calculation_request.hpp"
#include "calc/recorded_report.hpp"
#include "fuzz_support.hpp"
#include "text/number_text.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using quelrin::fuzz::require;
  quelrin::fuzz::Input input(data, size);
  static const char* const kinds[] = {quelrin::KIND_ANTOINE, quelrin::KIND_WAGNER,
                                      quelrin::KIND_ENVELOPE, "antoine"};
  quelrin::FluidRecord fluid;
  fluid.name = "Fluido";
  fluid.kind = kinds[input.take<std::uint8_t>() % 4];
  for (double& c : fluid.constants) c = input.take<double>();
  fluid.pc_bar = input.take<double>();
  fluid.tc_k = input.take<double>();
  fluid.acentric_factor = input.take<double>();
  const quelrin::FluidTable fluids{fluid};
  const int fluid_index = input.take<std::int8_t>() % 3 - 1;
  const int equation_index = input.take<std::int8_t>() % (quelrin::EQUATION_COUNT + 2) - 1;
  quelrin::UnitPrefs units;
  units.pressure_unit = *quelrin::pressure_unit_at(input.take<std::uint8_t>() % 5);
  units.temperature_unit = *quelrin::temperature_unit_at(input.take<std::uint8_t>() % 4);
  const std::string_view temperature = input.rest();

  quelrin::RecordedReport report;
  const quelrin::CalcResult result = quelrin::run_calculation_request(
      fluids, fluid_index, quelrin::equation_at(equation_index), temperature, units, report);
  if (result.stopped()) {
    require(result.message.has_value() && !result.message->text.empty(), "a stop tells why");
    require(result.result_text.empty(), "a stop gives no pressure");
    return 0;
  }
  require(!result.message.has_value(), "a completed request shows no message of its own");
  if (result.result_text == quelrin::FAILED_RESULT_TEXT) return 0;
  // Whatever the iteration returned that is not its failure, as "%g" writes
  // it: constants no fluid has may well give a negative or infinite value.
  const std::optional<double> pressure = quelrin::read_whole_number(result.result_text);
  require(pressure && !std::isnan(*pressure) && quelrin::format_g(*pressure) == result.result_text,
          "a pressure, or \"Erro!\"", result.result_text);
  return 0;
}
