// Primitives to cairo paths: the drawing's units stretched over the widget,
// line widths and font sizes by the vertical scale.
#include "platform/gtk/cairo_painter.hpp"

#include <vector>

#include "text/cp1252.hpp"

namespace quelrin {
namespace {

struct Scale {
  double x;
  double y;
};

void set_colour(const Cairo::RefPtr<Cairo::Context>& cr, const Colour& c) {
  cr->set_source_rgb(c.red / 255.0, c.green / 255.0, c.blue / 255.0);
}

void trace(const Cairo::RefPtr<Cairo::Context>& cr, const std::vector<DrawingPoint>& points,
           Scale s) {
  bool first = true;
  for (const DrawingPoint& p : points) {
    if (first)
      cr->move_to(p.x * s.x, p.y * s.y);
    else
      cr->line_to(p.x * s.x, p.y * s.y);
    first = false;
  }
}

void paint_text(const Cairo::RefPtr<Cairo::Context>& cr, const DrawingText& text, Scale s) {
  const std::string utf8 = cp1252_to_utf8(text.text);
  cr->set_font_size(text.size * s.y);
  Cairo::TextExtents extents;
  cr->get_text_extents(utf8, extents);
  const double shift = text.anchor == TextAnchor::start    ? 0.0
                       : text.anchor == TextAnchor::middle ? extents.x_advance / 2.0
                                                           : extents.x_advance;
  cr->save();
  cr->translate(text.at.x * s.x, text.at.y * s.y);
  if (text.vertical) cr->rotate(-1.5707963267948966);
  cr->move_to(-shift, 0.0);
  set_colour(cr, text.colour);
  cr->show_text(utf8);
  cr->restore();
}

}  // namespace

void paint_drawing(const Cairo::RefPtr<Cairo::Context>& cr, const Drawing& d, double width,
                   double height) {
  if (!(d.width > 0.0 && d.height > 0.0)) return;
  const Scale s{width / d.width, height / d.height};
  cr->save();
  cr->set_source_rgb(1.0, 1.0, 1.0);
  cr->paint();
  for (const FilledPolygon& area : d.areas) {
    trace(cr, area.points, s);
    cr->close_path();
    set_colour(cr, area.colour);
    cr->fill();
  }
  cr->set_line_join(Cairo::LINE_JOIN_ROUND);
  for (const Polyline& line : d.lines) {
    trace(cr, line.points, s);
    set_colour(cr, line.colour);
    cr->set_line_width(line.width * s.y * 0.6);
    if (line.dashed)
      cr->set_dash(std::vector<double>{4.0 * s.y, 2.0 * s.y}, 0.0);
    else
      cr->unset_dash();
    cr->stroke();
  }
  for (const Marker& marker : d.markers) {
    trace(cr, marker_outline(marker), s);
    cr->close_path();
    set_colour(cr, marker.colour);
    cr->fill();
  }
  cr->select_font_face("Sans", Cairo::FONT_SLANT_NORMAL, Cairo::FONT_WEIGHT_NORMAL);
  for (const DrawingText& text : d.texts) paint_text(cr, text, s);
  cr->restore();
}

}  // namespace quelrin
