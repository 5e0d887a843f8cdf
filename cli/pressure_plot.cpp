// Sampling of the curves and their drawing with PLplot's C interface. PLplot
// takes UTF-8; the program's texts are in the code page until here.
#include "cli/pressure_plot.hpp"

#include <plplot/plplot.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "calc/calculation_request.hpp"
#include "calc/saturation.hpp"
#include "calc/saturation_table.hpp"
#include "cli/plot_file.hpp"
#include "diagram/saturation_curves.hpp"
#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

// cmap0 entries: 0 background, 1 axes and text, then one per curve.
constexpr int BACKGROUND = 0;
constexpr int INK = 1;
constexpr int FIRST_CURVE = 2;
constexpr int CURVE_COLOURS[EQUATION_COUNT + 1][3] = {
    {0, 90, 181}, {220, 50, 32}, {0, 140, 70}, {150, 80, 200}, {90, 90, 90}};
constexpr int SOLID = 1;
constexpr int DASHED = 2;
const char* const POINT_SYMBOL = "\xE2\x97\x8F";  // U+25CF, a black circle, in UTF-8

struct Curve {
  std::vector<double> t;
  std::vector<double> log_p;
};

void add_point(Curve& curve, double t, double p) {
  if (p > 0.0 && std::isfinite(p)) {
    curve.t.push_back(t);
    curve.log_p.push_back(std::log10(p));
  }
}

// The equations' exact curves, then the correlation's, in PLplot's log axis.
std::array<Curve, EQUATION_COUNT + 1> sample_curves(const PlotRequest& r,
                                                    const FluidRecord& fluid) {
  std::array<Curve, EQUATION_COUNT + 1> curves;
  const auto sampled = sample_saturation_curves(fluid, r.units, r.from, r.to);
  for (std::size_t i = 0; i < curves.size(); ++i) {
    for (std::size_t k = 0; k < sampled[i].t.size(); ++k) {
      add_point(curves[i], sampled[i].t[k], sampled[i].p[k]);
    }
  }
  return curves;
}

// The window's converged pressures, one set per equation.
std::array<Curve, EQUATION_COUNT> window_points(const PlotRequest& r) {
  std::array<Curve, EQUATION_COUNT> points;
  for (const double t : r.window_temperatures) {
    for (const EquationOfState e : EQUATIONS) {
      const TableRow row = saturation_table_row(*r.fluids, r.fluid_index, e, t, r.units);
      if (row.converged) add_point(points[list_index(e)], t, *row.pressure);
    }
  }
  return points;
}

// Legend: the four equations, the correlation, the window's points.
void draw_legend(const FluidRecord& fluid) {
  constexpr int ENTRIES = EQUATION_COUNT + 2;
  std::string texts[ENTRIES];
  for (const EquationOfState e : EQUATIONS) texts[list_index(e)] = equation_name(e);
  texts[EQUATION_COUNT] = cp1252_to_utf8(cp1252<"Correlação ("> + fluid.kind + ")");
  texts[EQUATION_COUNT + 1] = cp1252_to_utf8(cp1252<"Iteração da janela (convergiu)">);
  const char* text_pointers[ENTRIES];
  PLINT options[ENTRIES], colours[ENTRIES], styles[ENTRIES], symbol_numbers[ENTRIES];
  PLFLT widths[ENTRIES], symbol_scales[ENTRIES];
  const char* symbols[ENTRIES];
  for (int i = 0; i < ENTRIES; ++i) {
    text_pointers[i] = texts[i].c_str();
    const bool point = i == EQUATION_COUNT + 1;
    options[i] = point ? PL_LEGEND_SYMBOL : PL_LEGEND_LINE;
    colours[i] = point ? INK : FIRST_CURVE + i;
    styles[i] = i == EQUATION_COUNT ? DASHED : SOLID;
    widths[i] = 2.0;
    symbol_numbers[i] = 1;
    symbol_scales[i] = 0.6;
    symbols[i] = POINT_SYMBOL;
  }
  plschr(0.0, 1.1);
  PLFLT legend_width = 0.0;
  PLFLT legend_height = 0.0;
  plcol0(INK);
  pllegend(&legend_width, &legend_height, PL_LEGEND_BACKGROUND | PL_LEGEND_BOUNDING_BOX,
           PL_POSITION_INSIDE | PL_POSITION_BOTTOM | PL_POSITION_RIGHT, 0.02, 0.02, 0.08,
           BACKGROUND, INK, SOLID, 0, 0, ENTRIES, options, 0.8, 0.9, 2.0, 0.0, colours,
           text_pointers, nullptr, nullptr, nullptr, nullptr, colours, styles, widths, colours,
           symbol_scales, symbol_numbers, symbols);
}

// The span of log P over every curve; empty when there is nothing to draw.
std::optional<std::pair<double, double>> log_pressure_range(
    const std::array<Curve, EQUATION_COUNT + 1>& curves) {
  double low = INFINITY;
  double high = -INFINITY;
  for (const Curve& curve : curves) {
    for (const double y : curve.log_p) {
      low = std::min(low, y);
      high = std::max(high, y);
    }
  }
  if (!(low < high)) return std::nullopt;
  return std::pair(low, high);
}

// The colours, the axes over the range and their labels.
void draw_page(const PlotRequest& r, const FluidRecord& fluid, std::pair<double, double> log_p) {
  plscol0(INK, 0, 0, 0);
  for (int i = 0; i <= EQUATION_COUNT; ++i) {
    plscol0(FIRST_CURVE + i, CURVE_COLOURS[i][0], CURVE_COLOURS[i][1], CURVE_COLOURS[i][2]);
  }
  plcol0(INK);
  plschr(0.0, 1.1);
  // 20: logarithmic y axis
  plenv(r.from, r.to, std::floor(log_p.first), std::ceil(log_p.second), 0, 20);
  const std::string t_label = cp1252_to_utf8(
      "Temperatura (" + std::string(temperature_suffix(r.units.temperature_unit)) + ")");
  const std::string p_label = cp1252_to_utf8(
      cp1252<"Pressão de vapor ("> + std::string(pressure_suffix(r.units.pressure_unit)) + ")");
  const std::string title = cp1252_to_utf8(cp1252<"Pressão de vapor: "> + fluid.name);
  pllab(t_label.c_str(), p_label.c_str(), title.c_str());
}

// The exact curves and the correlation's as lines, the window's points as glyphs.
void draw_curves(const std::array<Curve, EQUATION_COUNT + 1>& curves,
                 const std::array<Curve, EQUATION_COUNT>& points) {
  plwidth(2.0);
  for (int i = 0; i <= EQUATION_COUNT; ++i) {
    plcol0(FIRST_CURVE + i);
    pllsty(i == EQUATION_COUNT ? DASHED : SOLID);
    plline(static_cast<PLINT>(curves[i].t.size()), curves[i].t.data(), curves[i].log_p.data());
  }
  pllsty(SOLID);
  plwidth(1.0);
  plschr(0.0, 0.6);  // the points' glyph
  for (int e = 0; e < EQUATION_COUNT; ++e) {
    plcol0(FIRST_CURVE + e);
    plstring(static_cast<PLINT>(points[e].t.size()), points[e].t.data(), points[e].log_p.data(),
             POINT_SYMBOL);
  }
}

}  // namespace

bool draw_pressure_plot(const std::string& file, const PlotRequest& r, std::string& reason) {
  const FluidRecord& fluid = (*r.fluids)[static_cast<std::size_t>(r.fluid_index)];
  const std::array<Curve, EQUATION_COUNT + 1> curves = sample_curves(r, fluid);
  const std::array<Curve, EQUATION_COUNT> points = window_points(r);
  const auto log_p = log_pressure_range(curves);
  if (!log_p) {
    reason = "no saturation pressure in the range to draw";
    return false;
  }
  return plot_to_file(
      file, 1000, 700,
      [&] {
        draw_page(r, fluid, *log_p);
        draw_curves(curves, points);
        draw_legend(fluid);
      },
      reason);
}

}  // namespace quelrin
