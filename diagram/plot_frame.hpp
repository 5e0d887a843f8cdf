// What both diagrams share: the plot's box inside the control, its ticks and
// titles, the mapping of data values into it and curves cut at its edges.
#pragma once

#include <string>
#include <vector>

#include "dialog/drawing.hpp"

namespace quelrin {

inline constexpr Colour INK = {0, 0, 0};
inline constexpr double TEXT_SIZE = 7.0;

// An empty drawing of that size whose frame spans the two axes, with the
// box, the ticks and their numbers, the axes' titles and the title above.
Drawing framed_drawing(double width, double height, const PlotAxis& x, const PlotAxis& y,
                       const std::string& title);

// A data point's place in the control.
DrawingPoint to_control(const PlotFrame& frame, double x, double y);

// Adds the curve through the data points as polylines, cut where it leaves
// the frame through its top or bottom; returns where it crossed the bottom.
std::vector<DrawingPoint> add_clipped_curve(Drawing& drawing, const std::vector<DrawingPoint>& data,
                                            const Polyline& style);

// Round ends around [low, high] for a linear axis (low itself when it is 0).
void round_linear_range(double low, double high, double& from, double& to);

}  // namespace quelrin
