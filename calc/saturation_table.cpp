// The window's request and the exact solver side by side for one temperature.
#include "calc/saturation_table.hpp"

#include "calc/calculation_request.hpp"
#include "calc/cubic_solver.hpp"
#include "text/float_chars.hpp"

namespace quelrin {
namespace {

// A report that only counts the lines the window would list, and keeps the note.
class CountingReport : public CalcReport {
 public:
  int lines = 0;
  std::string note;
  void clear_log() override { lines = 0; }
  void append_fugacities(double, double) override { ++lines; }
  void select_log_line(int) override {}
  void set_note(std::string_view text) override { note = text; }
  void show_message(const Message&) override {}
};

}  // namespace

std::string typed_temperature(double temperature) {
  char buffer[400];  // room for any double in plain decimals
  return std::string(buffer, write_shortest_fixed(buffer, buffer + sizeof buffer, temperature));
}

TableRow saturation_table_row(const FluidTable& fluids, int fluid_index, EquationOfState equation,
                              double temperature, const UnitPrefs& units) {
  TableRow row;
  row.temperature = temperature;
  CountingReport report;
  const CalcResult result = run_calculation_request(fluids, fluid_index, equation,
                                                    typed_temperature(temperature), units, report);
  const PressureUnit p_unit = units.pressure_unit;
  if (!result.stopped()) {
    row.estimate = bar_to_pressure_unit(p_unit, result.estimate_bar);
    if (!is_saturation_error(result.pressure_bar)) {
      row.pressure = bar_to_pressure_unit(p_unit, result.pressure_bar);
    }
    row.pressure_text = result.result_text;
    row.iterations = report.lines;
    row.note = report.note;
    row.converged = row.pressure.has_value() && row.note.empty();
  }

  const TemperatureUnit t_unit = units.temperature_unit;
  const double t_k = temperature_to_kelvin(t_unit, temperature);
  SaturationState state;
  if (t_k > 0.0 && solve_saturation(equation, t_k, fluids[static_cast<std::size_t>(fluid_index)],
                                    state) == SATURATION_SOLVED) {
    // Kelvin per degree of the unit: 1, or 1/1.8 for Rankine and Fahrenheit.
    const double kelvin_per_degree =
        temperature_to_kelvin(t_unit, 1.0) - temperature_to_kelvin(t_unit, 0.0);
    row.exact = TableRow::Exact{bar_to_pressure_unit(p_unit, state.p_bar), state.liquid_volume,
                                state.vapour_volume, state.vaporisation_enthalpy,
                                bar_to_pressure_unit(p_unit, state.dp_dt) * kelvin_per_degree};
  }
  return row;
}

}  // namespace quelrin
