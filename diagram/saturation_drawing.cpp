// The curves, their legend and the chosen point.
#include "diagram/saturation_drawing.hpp"

#include <algorithm>
#include <cmath>

#include "calc/saturation.hpp"
#include "diagram/plot_frame.hpp"
#include "diagram/saturation_curves.hpp"
#include "text/cp1252_literal.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

constexpr Colour CURVE_COLOURS[EQUATION_COUNT + 1] = {
    {0, 90, 181}, {220, 50, 32}, {0, 140, 70}, {150, 80, 200}, {90, 90, 90}};
constexpr double LEGEND_LINE = 12.0;

}  // namespace

Drawing saturation_drawing(const FluidRecord& fluid, const DiagramView& view, double width,
                           double height) {
  const TemperatureUnit t_unit = view.units.temperature_unit;
  const PressureUnit p_unit = view.units.pressure_unit;
  const double from = kelvin_to_temperature_unit(t_unit, 0.4 * fluid.tc_k);
  const double to = kelvin_to_temperature_unit(t_unit, fluid.tc_k);
  const auto curves = sample_saturation_curves(fluid, view.units, from, to);
  double low = INFINITY;
  double high = -INFINITY;
  for (const SaturationCurve& curve : curves) {
    for (const double p : curve.p) {
      low = std::min(low, p);
      high = std::max(high, p);
    }
  }
  PlotAxis x{"Temperatura (" + std::string(temperature_suffix(t_unit)) + ")", from, to, false};
  round_linear_range(from, to, x.from, x.to);
  const PlotAxis y{cp1252<"Pressão de vapor ("> + std::string(pressure_suffix(p_unit)) + ")",
                   std::pow(10.0, std::floor(std::log10(low))),
                   std::pow(10.0, std::ceil(std::log10(high))), true};
  Drawing d = framed_drawing(width, height, x, y, cp1252<"Pressão de vapor: "> + fluid.name);

  for (int i = 0; i <= EQUATION_COUNT; ++i) {
    const std::string name = i < EQUATION_COUNT ? std::string(equation_name(EQUATIONS[i]))
                                                : cp1252<"Correlação ("> + fluid.kind + ")";
    Polyline line{{}, CURVE_COLOURS[i], 1.5, i == EQUATION_COUNT, DrawingRole::curve, name};
    for (std::size_t k = 0; k < curves[i].t.size(); ++k) {
      line.points.push_back(to_control(d.frame, curves[i].t[k], curves[i].p[k]));
    }
    d.lines.push_back(line);
    // The legend, in the lower right corner.
    const double row_y = d.frame.bottom - 4.0 - (EQUATION_COUNT - i) * (TEXT_SIZE + 2.0);
    const double line_x = d.frame.right - 90.0;
    d.lines.push_back({{{line_x, row_y - 2.5}, {line_x + LEGEND_LINE, row_y - 2.5}},
                       CURVE_COLOURS[i],
                       1.5,
                       i == EQUATION_COUNT,
                       DrawingRole::frame,
                       ""});
    d.texts.push_back({{line_x + LEGEND_LINE + 3.0, row_y},
                       name,
                       TEXT_SIZE,
                       INK,
                       TextAnchor::start,
                       false,
                       DrawingRole::frame});
  }

  SaturationState state;
  if (solve_saturation(view.equation, view.t_k, fluid, state) == SATURATION_SOLVED) {
    const double t = kelvin_to_temperature_unit(t_unit, view.t_k);
    const double p = bar_to_pressure_unit(p_unit, state.p_bar);
    const DrawingPoint at = to_control(d.frame, t, p);
    d.markers.push_back({at, MarkerShape::circle, 3.0, CURVE_COLOURS[list_index(view.equation)],
                         DrawingRole::point, equation_name(view.equation)});
    d.texts.push_back({{at.x + 5.0, at.y + 3.0},
                       format_g(t) + " " + std::string(temperature_suffix(t_unit)) + ", " +
                           format_g(p) + " " + std::string(pressure_suffix(p_unit)),
                       TEXT_SIZE,
                       INK,
                       TextAnchor::start,
                       false,
                       DrawingRole::note});
  }
  return d;
}

}  // namespace quelrin
