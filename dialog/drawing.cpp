// The plot axes' mapping between data values and control coordinates.
#include "dialog/drawing.hpp"

#include <cmath>

namespace quelrin {
namespace {

double scaled(const PlotAxis& axis, double value) {
  return axis.logarithmic ? std::log10(value) : value;
}

}  // namespace

std::vector<DrawingPoint> marker_outline(const Marker& m) {
  const double x = m.at.x;
  const double y = m.at.y;
  const double s = m.size;
  switch (m.shape) {
    case MarkerShape::square:
      return {{x - s, y - s}, {x + s, y - s}, {x + s, y + s}, {x - s, y + s}};
    case MarkerShape::diamond:
      return {{x, y - 1.4 * s}, {x + 1.4 * s, y}, {x, y + 1.4 * s}, {x - 1.4 * s, y}};
    case MarkerShape::triangle_down:
      return {{x - s, y - 1.5 * s}, {x + s, y - 1.5 * s}, {x, y}};
    default: {
      std::vector<DrawingPoint> circle;
      constexpr int SIDES = 16;
      for (int i = 0; i < SIDES; ++i) {
        const double angle = 2.0 * 3.14159265358979323846 * i / SIDES;
        circle.push_back({x + s * std::cos(angle), y + s * std::sin(angle)});
      }
      return circle;
    }
  }
}

double axis_position(const PlotAxis& axis, double value, double low, double high) {
  const double from = scaled(axis, axis.from);
  const double to = scaled(axis, axis.to);
  return low + (scaled(axis, value) - from) / (to - from) * (high - low);
}

double axis_value(const PlotAxis& axis, double position, double low, double high) {
  const double from = scaled(axis, axis.from);
  const double to = scaled(axis, axis.to);
  const double v = from + (position - low) / (high - low) * (to - from);
  return axis.logarithmic ? std::pow(10.0, v) : v;
}

}  // namespace quelrin
