// Sampling of the isotherm, choice of the axes and the primitives of the picture.
#include "diagram/isotherm_drawing.hpp"

#include <algorithm>
#include <cmath>

#include "calc/calculation_request.hpp"
#include "diagram/isotherm.hpp"
#include "diagram/plot_frame.hpp"
#include "text/cp1252_literal.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

constexpr int SAMPLES = 400;
constexpr Colour CURVE = {0, 90, 181};
constexpr Colour TIE_LINE = {200, 30, 30};
constexpr Colour LIQUID_AREA = {140, 200, 250};
constexpr Colour VAPOUR_AREA = {250, 190, 120};
constexpr Colour POINT = {0, 0, 0};
constexpr Colour WINDOW_POINT = {0, 140, 70};

std::string title_of(const FluidRecord& fluid, const DiagramView& view) {
  const TemperatureUnit t_unit = view.units.temperature_unit;
  return fluid.name + ", " + equation_name(view.equation) +
         ", T = " + format_g(kelvin_to_temperature_unit(t_unit, view.t_k)) + " " +
         std::string(temperature_suffix(t_unit));
}

// Volumes evenly spread over the x axis as drawn, with the given ones put in.
std::vector<double> volumes(const PlotAxis& x, double above, std::vector<double> exact) {
  for (int i = 0; i <= SAMPLES; ++i) {
    const double v = axis_value(x, i, 0.0, SAMPLES);
    if (v > above) exact.push_back(v);
  }
  std::sort(exact.begin(), exact.end());
  return exact;
}

std::vector<DrawingPoint> isotherm_points(const Isotherm& isotherm, const std::vector<double>& v,
                                          double factor) {
  std::vector<DrawingPoint> points;
  for (const double x : v) points.push_back({x, isotherm.pressure(x) * factor});
  return points;
}

// The region between the loop and the line from v1 to v2, clamped to the frame.
FilledPolygon area(const Drawing& d, const Isotherm& isotherm, double v1, double v2, double factor,
                   Colour colour, const char* label) {
  FilledPolygon polygon{{}, colour, DrawingRole::area, label};
  const PlotFrame& f = d.frame;
  const bool log = f.x.logarithmic;
  for (int i = 0; i <= SAMPLES; ++i) {
    const double s = static_cast<double>(i) / SAMPLES;
    const double v = log ? v1 * std::pow(v2 / v1, s) : v1 + (v2 - v1) * s;
    DrawingPoint p = to_control(f, v, isotherm.pressure(v) * factor);
    p.y = std::clamp(p.y, f.top, f.bottom);
    polygon.points.push_back(p);
  }
  return polygon;
}

void add_marker(Drawing& d, double v, double p, MarkerShape shape, Colour colour,
                const char* label) {
  const DrawingPoint at = to_control(d.frame, v, p);
  if (at.y < d.frame.top || at.y > d.frame.bottom) return;
  d.markers.push_back({at, shape, 2.5, colour, DrawingRole::point, label});
}

void add_note(Drawing& d, DrawingPoint at, std::string text, TextAnchor anchor) {
  d.texts.push_back({at, std::move(text), TEXT_SIZE, INK, anchor, false, DrawingRole::note});
}

PlotAxis volume_axis(double low, double high, bool log) {
  PlotAxis x{"Volume (L/mol)", 0.0, 0.0, log};
  if (log) {
    x.from = std::pow(10.0, std::floor(std::log10(low)));
    x.to = std::pow(10.0, std::ceil(std::log10(high)));
  } else {
    round_linear_range(0.0, high, x.from, x.to);
  }
  return x;
}

PlotAxis pressure_axis(double low, double high, PressureUnit p_unit) {
  PlotAxis y{cp1252<"Pressão ("> + std::string(pressure_suffix(p_unit)) + ")", 0.0, 0.0, false};
  round_linear_range(low, high, y.from, y.to);
  return y;
}

// The isotherm alone, where the solver found no saturation state.
Drawing without_saturation(const FluidRecord& fluid, const DiagramView& view,
                           const Isotherm& isotherm, bool above_critical, double width,
                           double height) {
  const double factor = bar_to_pressure_unit(view.units.pressure_unit, 1.0);
  const double b = isotherm.b;
  const PlotAxis x = volume_axis(b, 30.0 * b, view.log_volume);
  const PlotAxis y = pressure_axis(0.0, 2.0 * fluid.pc_bar * factor, view.units.pressure_unit);
  Drawing d = framed_drawing(width, height, x, y, title_of(fluid, view));
  add_clipped_curve(d, isotherm_points(isotherm, volumes(x, b, {}), factor),
                    {{}, CURVE, 1.5, false, DrawingRole::curve, equation_name(view.equation)});
  add_note(d, {d.frame.right - 4.0, d.frame.top + 10.0},
           above_critical ? cp1252<"Sem estado de saturação: T acima da Tc da equação.">
                          : cp1252<"Sem estado de saturação calculável nesta temperatura.">,
           TextAnchor::end);
  return d;
}

// What the markers mean, in the frame's lower right corner.
void add_legend(Drawing& d, bool window_marked) {
  struct Entry {
    MarkerShape shape;
    Colour colour;
    const char* text;
  };
  std::vector<Entry> entries = {
      {MarkerShape::square, TIE_LINE, cp1252<"líquido e vapor saturados">},
      {MarkerShape::circle, POINT, "espinodais"},
      {MarkerShape::triangle_down, CURVE, "curva cortada"}};
  if (window_marked)
    entries.push_back({MarkerShape::diamond, WINDOW_POINT, cp1252<"pressão da janela">});
  const double left = d.frame.right - 92.0;
  double y = d.frame.bottom - 4.0 - (static_cast<double>(entries.size()) - 1.0) * (TEXT_SIZE + 2.0);
  for (const Entry& e : entries) {
    const double marker_y = e.shape == MarkerShape::triangle_down ? y : y - 2.5;
    d.markers.push_back({{left, marker_y}, e.shape, 2.0, e.colour, DrawingRole::frame, ""});
    d.texts.push_back(
        {{left + 5.0, y}, e.text, TEXT_SIZE, INK, TextAnchor::start, false, DrawingRole::frame});
    y += TEXT_SIZE + 2.0;
  }
}

}  // namespace

Drawing isotherm_drawing(const FluidRecord& fluid, const DiagramView& view, double width,
                         double height) {
  const Isotherm isotherm = make_isotherm(view.equation, view.t_k, fluid);
  MaxwellConstruction c;
  const int status = maxwell_construction(view.equation, view.t_k, fluid, c);
  if (status != SATURATION_SOLVED) {
    return without_saturation(fluid, view, isotherm, status == SATURATION_ABOVE_CRITICAL, width,
                              height);
  }
  const PressureUnit p_unit = view.units.pressure_unit;
  const double factor = bar_to_pressure_unit(p_unit, 1.0);
  const SaturationState& s = c.saturation;
  const double p_sat = s.p_bar * factor;
  const double p_max = isotherm.pressure(c.vapour_spinodal) * factor;
  const double p_min = isotherm.pressure(c.liquid_spinodal) * factor;

  // Up to the vapour's volume and beyond; the tie line and the hump above it
  // with room, and below it the loop down to its minimum or, when that is
  // deep, as far down as the top is up.
  const PlotAxis x = volume_axis(s.liquid_volume / 2.0, s.vapour_volume * 1.25, view.log_volume);
  const double top = std::max(p_max, p_sat) + 0.5 * std::max(p_max, p_sat);
  const double bottom = std::min(0.0, std::max(p_min - 0.1 * (top - p_min), -top));
  Drawing d =
      framed_drawing(width, height, x, pressure_axis(bottom, top, p_unit), title_of(fluid, view));

  d.areas.push_back(area(d, isotherm, s.liquid_volume, c.middle_volume, factor, LIQUID_AREA,
                         cp1252<"abaixo da linha (líquido)">));
  d.areas.push_back(area(d, isotherm, c.middle_volume, s.vapour_volume, factor, VAPOUR_AREA,
                         "acima da linha (vapor)"));
  const std::vector<double> v = volumes(
      x, isotherm.b,
      {s.liquid_volume, c.liquid_spinodal, c.middle_volume, c.vapour_spinodal, s.vapour_volume});
  for (const DrawingPoint& crossing : add_clipped_curve(
           d, isotherm_points(isotherm, v, factor),
           {{}, CURVE, 1.5, false, DrawingRole::curve, equation_name(view.equation)})) {
    d.markers.push_back({crossing, MarkerShape::triangle_down, 2.5, CURVE, DrawingRole::clip, ""});
  }
  d.lines.push_back(
      {{to_control(d.frame, s.liquid_volume, p_sat), to_control(d.frame, s.vapour_volume, p_sat)},
       TIE_LINE,
       1.5,
       false,
       DrawingRole::tie_line,
       "Psat"});

  add_marker(d, s.liquid_volume, p_sat, MarkerShape::square, TIE_LINE, cp1252<"líquido saturado">);
  add_marker(d, s.vapour_volume, p_sat, MarkerShape::square, TIE_LINE, "vapor saturado");
  add_marker(d, c.liquid_spinodal, p_min, MarkerShape::circle, POINT,
             cp1252<"espinodal do líquido">);
  add_marker(d, c.vapour_spinodal, p_max, MarkerShape::circle, POINT, "espinodal do vapor");
  if (view.window_bar > 0.0) {
    add_marker(d, x.to, view.window_bar * factor, MarkerShape::diamond, WINDOW_POINT,
               cp1252<"pressão da janela">);
  }

  add_legend(d, view.window_bar > 0.0);
  const DrawingPoint line_end = to_control(d.frame, s.vapour_volume, p_sat);
  const DrawingPoint hump = to_control(d.frame, c.vapour_spinodal, p_max);
  const DrawingPoint middle = to_control(d.frame, c.middle_volume, p_sat);
  add_note(d, {hump.x + 5.0, hump.y - 3.0}, format_g(c.vapour_area) + " J/mol", TextAnchor::start);
  add_note(d, {middle.x + 3.0, middle.y + TEXT_SIZE + 3.0}, format_g(c.liquid_area) + " J/mol",
           TextAnchor::start);
  add_note(d, {line_end.x - 2.0, line_end.y + TEXT_SIZE + 3.0},
           "Psat = " + format_g(p_sat) + " " + std::string(pressure_suffix(p_unit)),
           TextAnchor::end);
  return d;
}

}  // namespace quelrin
