// The isotherm's rows and its construction on standard output, or its picture.
#include "cli/isotherm_output.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "calc/calculation_request.hpp"
#include "calc/recorded_report.hpp"
#include "calc/saturation.hpp"
#include "cli/calc_options.hpp"
#include "cli/drawing_plot.hpp"
#include "cli/plot_file.hpp"
#include "diagram/isotherm.hpp"
#include "diagram/isotherm_drawing.hpp"
#include "text/cp1252.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

constexpr int ROWS = 200;
// The plot's page: the dialog's plot control, three pixels a dialog unit.
constexpr double PLOT_WIDTH = 314.0;
constexpr double PLOT_HEIGHT = 190.0;
constexpr double PIXELS_PER_UNIT = 3.0;

// Volumes in even ratios from near the covolume (just left of the liquid
// when there is one) to beyond the vapour, the construction's own in place.
std::vector<double> sample_volumes(const Isotherm& isotherm, const MaxwellConstruction* c) {
  const double b = isotherm.b;
  std::vector<double> v;
  double from = 1.1 * b;
  double to = 30.0 * b;
  if (c) {
    const SaturationState& s = c->saturation;
    from = b + 0.9 * (s.liquid_volume - b);
    to = 1.25 * s.vapour_volume;
    v = {s.liquid_volume, c->liquid_spinodal, c->middle_volume, c->vapour_spinodal,
         s.vapour_volume};
  }
  for (int i = 0; i <= ROWS; ++i)
    v.push_back(from * std::pow(to / from, static_cast<double>(i) / ROWS));
  std::sort(v.begin(), v.end());
  return v;
}

// Lines of cells, aligned to the widest or joined by commas.
bool print_table(const std::vector<std::vector<std::string>>& lines, bool csv) {
  std::vector<std::size_t> widths;
  for (const auto& line : lines) {
    widths.resize(std::max(widths.size(), line.size()));
    for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
  }
  for (const auto& line : lines) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (csv) {
        if (i > 0) text += ',';
        text += line[i];
      } else {
        if (i > 0) text += "  ";
        text.append(widths[i] - line[i].size(), ' ');
        text += line[i];
      }
    }
    text += '\n';
    if (std::fputs(cp1252_to_utf8(text).c_str(), stdout) < 0) return false;
  }
  return true;
}

}  // namespace

int run_isotherm(const IsothermRequest& request, const FluidTable& fluids, int fluid_index,
                 const UnitPrefs& units) {
  // The temperature is read, and refused, as the window's "Diagrama" does.
  RecordedReport report;
  const CalcResult result = run_calculation_request(fluids, fluid_index, request.equation,
                                                    request.temperature, units, report);
  if (result.stopped()) {
    std::fprintf(stderr, "%s\n", cp1252_to_utf8(result.message->text).c_str());
    return EXIT_REFUSED;
  }
  const FluidRecord& fluid = fluids[static_cast<std::size_t>(fluid_index)];
  if (request.plot) {
    const bool converged = report.note.empty() && result.result_text != FAILED_RESULT_TEXT;
    const DiagramView view{request.equation, result.t_k, converged ? result.pressure_bar : 0.0,
                           false, units};
    const Drawing drawing = isotherm_drawing(fluid, view, PLOT_WIDTH, PLOT_HEIGHT);
    std::string reason;
    if (!plot_to_file(
            *request.plot, static_cast<int>(PLOT_WIDTH * PIXELS_PER_UNIT),
            static_cast<int>(PLOT_HEIGHT * PIXELS_PER_UNIT), [&] { plot_drawing(drawing); },
            reason)) {
      std::fprintf(stderr, "quelrin-calc: %s\n", reason.c_str());
      return EXIT_REFUSED;
    }
    return EXIT_COMPUTED;
  }

  const Isotherm isotherm = make_isotherm(request.equation, result.t_k, fluid);
  MaxwellConstruction c;
  const int status = maxwell_construction(request.equation, result.t_k, fluid, c);
  const bool saturated = status == SATURATION_SOLVED;
  const PressureUnit p_unit = units.pressure_unit;
  const std::string p_suffix(pressure_suffix(p_unit));
  auto number = [&](double value) { return request.csv ? format_g_exact(value) : format_g(value); };

  std::vector<std::vector<std::string>> rows = {{"volume", "pressure"}};
  if (!request.csv) rows.push_back({"L/mol", p_suffix});
  for (const double v : sample_volumes(isotherm, saturated ? &c : nullptr)) {
    rows.push_back({number(v), number(bar_to_pressure_unit(p_unit, isotherm.pressure(v)))});
  }
  if (!print_table(rows, request.csv)) return EXIT_REFUSED;
  if (!saturated) {
    std::fputs(status == SATURATION_ABOVE_CRITICAL
                   ? "\nno saturation state: the temperature is not below the equation's critical "
                     "temperature\n"
                   : "\nno saturation state the solver can find at this temperature\n",
               stdout);
    return EXIT_COMPUTED;
  }
  const SaturationState& s = c.saturation;
  std::vector<std::vector<std::string>> tie = {
      {"saturation_pressure", "liquid_volume", "vapour_volume", "liquid_area", "vapour_area"}};
  if (!request.csv) tie.push_back({p_suffix, "L/mol", "L/mol", "J/mol", "J/mol"});
  tie.push_back({number(bar_to_pressure_unit(p_unit, s.p_bar)), number(s.liquid_volume),
                 number(s.vapour_volume), number(c.liquid_area), number(c.vapour_area)});
  if (std::fputs("\n", stdout) < 0 || !print_table(tie, request.csv)) return EXIT_REFUSED;
  return EXIT_COMPUTED;
}

}  // namespace quelrin
