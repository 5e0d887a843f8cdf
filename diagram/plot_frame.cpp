// The frame's layout: box, ticks at round values, titles; clipping.
#include "diagram/plot_frame.hpp"

#include <algorithm>
#include <cmath>

#include "text/number_text.hpp"

namespace quelrin {
namespace {

// Room around the box, in dialog units: the numbers and title of the y axis
// on the left, those of the x axis below, the title above.
constexpr double LEFT = 40.0;
constexpr double RIGHT = 10.0;
constexpr double TOP = 16.0;
constexpr double BOTTOM = 24.0;
constexpr double TICK = 3.0;

// A step of 1, 2 or 5 times a power of ten giving about `count` intervals.
double round_step(double span, int count) {
  const double raw = span / count;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double fraction = raw / power;
  return (fraction < 1.5 ? 1.0 : fraction < 3.5 ? 2.0 : fraction < 7.5 ? 5.0 : 10.0) * power;
}

std::vector<double> ticks(const PlotAxis& axis) {
  std::vector<double> values;
  const double low = std::min(axis.from, axis.to);
  const double high = std::max(axis.from, axis.to);
  if (axis.logarithmic) {
    const double first = std::ceil(std::log10(low) - 1e-9);
    const double last = std::floor(std::log10(high) + 1e-9);
    const double stride = std::max(1.0, std::ceil((last - first + 1.0) / 8.0));
    for (double e = first; e <= last; e += stride) values.push_back(std::pow(10.0, e));
    return values;
  }
  const double step = round_step(high - low, 6);
  for (double k = std::ceil(low / step - 1e-9); k * step <= high + step * 1e-9; k += 1.0) {
    values.push_back(std::fabs(k) < 1e-9 ? 0.0 : k * step);
  }
  return values;
}

void add_segment(Drawing& d, DrawingPoint a, DrawingPoint b) {
  d.lines.push_back({{a, b}, INK, 1.0, false, DrawingRole::frame, ""});
}

void add_text(Drawing& d, DrawingPoint at, std::string text, TextAnchor anchor,
              bool vertical = false) {
  d.texts.push_back({at, std::move(text), TEXT_SIZE, INK, anchor, vertical, DrawingRole::frame});
}

}  // namespace

void round_linear_range(double low, double high, double& from, double& to) {
  const double step = round_step(high - low, 6);
  from = low == 0.0 ? 0.0 : std::floor(low / step) * step;
  to = std::ceil(high / step) * step;
}

DrawingPoint to_control(const PlotFrame& f, double x, double y) {
  return {axis_position(f.x, x, f.left, f.right), axis_position(f.y, y, f.bottom, f.top)};
}

Drawing framed_drawing(double width, double height, const PlotAxis& x, const PlotAxis& y,
                       const std::string& title) {
  Drawing d;
  d.width = width;
  d.height = height;
  PlotFrame& f = d.frame;
  f = {LEFT, TOP, width - RIGHT, height - BOTTOM, x, y};
  add_segment(d, {f.left, f.top}, {f.right, f.top});
  add_segment(d, {f.right, f.top}, {f.right, f.bottom});
  add_segment(d, {f.right, f.bottom}, {f.left, f.bottom});
  add_segment(d, {f.left, f.bottom}, {f.left, f.top});
  for (const double value : ticks(x)) {
    const double px = axis_position(x, value, f.left, f.right);
    add_segment(d, {px, f.bottom}, {px, f.bottom - TICK});
    add_text(d, {px, f.bottom + TEXT_SIZE + 1.0}, format_g(value), TextAnchor::middle);
  }
  for (const double value : ticks(y)) {
    const double py = axis_position(y, value, f.bottom, f.top);
    add_segment(d, {f.left, py}, {f.left + TICK, py});
    add_text(d, {f.left - 2.0, py + TEXT_SIZE / 3.0}, format_g(value), TextAnchor::end);
  }
  add_text(d, {(f.left + f.right) / 2.0, height - 3.0}, x.title, TextAnchor::middle);
  add_text(d, {TEXT_SIZE + 1.0, (f.top + f.bottom) / 2.0}, y.title, TextAnchor::middle, true);
  d.texts.push_back(
      {{f.left, f.top - 5.0}, title, TEXT_SIZE, INK, TextAnchor::start, false, DrawingRole::note});
  return d;
}

std::vector<DrawingPoint> add_clipped_curve(Drawing& d, const std::vector<DrawingPoint>& data,
                                            const Polyline& style) {
  const PlotFrame& f = d.frame;
  std::vector<DrawingPoint> bottom_crossings;
  Polyline piece = style;
  piece.points.clear();
  auto inside = [&](const DrawingPoint& p) { return p.y >= f.top && p.y <= f.bottom; };
  auto finish = [&] {
    if (piece.points.size() > 1) d.lines.push_back(piece);
    piece.points.clear();
  };
  DrawingPoint previous{};
  bool have_previous = false;
  for (const DrawingPoint& value : data) {
    const DrawingPoint p = to_control(f, value.x, value.y);
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {  // no place on the plot: the curve breaks
      finish();
      have_previous = false;
      continue;
    }
    if (have_previous && inside(p) != inside(previous)) {
      // The crossing of the edge between the two, on the edge itself.
      const DrawingPoint& out = inside(p) ? previous : p;
      const double edge = out.y > f.bottom ? f.bottom : f.top;
      const double s = (edge - previous.y) / (p.y - previous.y);
      const DrawingPoint crossing{previous.x + s * (p.x - previous.x), edge};
      piece.points.push_back(crossing);
      if (edge == f.bottom) bottom_crossings.push_back(crossing);
      if (!inside(p)) finish();
    }
    if (inside(p)) piece.points.push_back(p);
    previous = p;
    have_previous = true;
  }
  finish();
  return bottom_crossings;
}

}  // namespace quelrin
