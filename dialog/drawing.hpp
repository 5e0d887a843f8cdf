// A picture as a plain value: what a diagram shows, computed by the logic and
// only painted by a dialog manager. Coordinates are the control's own, its
// size in dialog units with y downward; a manager scales them to the
// control's pixels. Painted in order: areas, lines, markers, texts.
#pragma once

#include <string>
#include <vector>

namespace quelrin {

struct Colour {
  unsigned char red = 0;
  unsigned char green = 0;
  unsigned char blue = 0;

  bool operator==(const Colour&) const = default;
};

struct DrawingPoint {
  double x = 0.0;
  double y = 0.0;
};

// What a primitive stands for: the headless manager reports by it.
enum class DrawingRole {
  frame,     // the plot's box, ticks and their numbers
  curve,     // a curve of the data (label: whose)
  tie_line,  // the horizontal line at the saturation pressure
  area,      // a region between curves (label: which)
  point,     // a marked point of the data (label: which)
  clip,      // where a curve leaves the plot
  note,      // a text about the data: a value, a title, a remark
};

struct Polyline {
  std::vector<DrawingPoint> points;
  Colour colour;
  double width = 1.0;
  bool dashed = false;
  DrawingRole role = DrawingRole::curve;
  std::string label;  // Windows-1252
};

struct FilledPolygon {
  std::vector<DrawingPoint> points;
  Colour colour;
  DrawingRole role = DrawingRole::area;
  std::string label;
};

enum class MarkerShape { circle, square, diamond, triangle_down };

struct Marker {
  DrawingPoint at;
  MarkerShape shape = MarkerShape::circle;
  double size = 3.0;  // half the width
  Colour colour;
  DrawingRole role = DrawingRole::point;
  std::string label;
};

enum class TextAnchor { start, middle, end };

struct DrawingText {
  DrawingPoint at;    // on the text's baseline
  std::string text;   // Windows-1252
  double size = 7.0;  // height of the font
  Colour colour;
  TextAnchor anchor = TextAnchor::start;
  bool vertical = false;  // read bottom to top, turned about `at`
  DrawingRole role = DrawingRole::frame;
};

// An axis of the plot: what its ends stand for.
struct PlotAxis {
  std::string title;  // Windows-1252, with the unit
  double from = 0.0;
  double to = 1.0;
  bool logarithmic = false;
};

// The box the data is drawn in, and the data values at its edges.
struct PlotFrame {
  double left = 0.0;
  double top = 0.0;
  double right = 1.0;
  double bottom = 1.0;
  PlotAxis x;
  PlotAxis y;
};

struct Drawing {
  double width = 0.0;
  double height = 0.0;
  PlotFrame frame;
  std::vector<FilledPolygon> areas;
  std::vector<Polyline> lines;
  std::vector<Marker> markers;
  std::vector<DrawingText> texts;
};

// A marker's outline, for managers that fill polygons (a circle as 16 sides).
std::vector<DrawingPoint> marker_outline(const Marker& marker);

// The control coordinate of a data value on an axis spanning [low, high].
double axis_position(const PlotAxis& axis, double value, double low, double high);
// The data value at a control coordinate: the inverse.
double axis_value(const PlotAxis& axis, double position, double low, double high);

}  // namespace quelrin
