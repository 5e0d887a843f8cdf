// The plot axes' mapping between data values and control coordinates.
#include "dialog/drawing.hpp"

#include <cmath>

namespace quelrin {
namespace {

double scaled(const PlotAxis& axis, double value) {
  return axis.logarithmic ? std::log10(value) : value;
}

}  // namespace

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
