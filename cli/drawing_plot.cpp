// Primitives to PLplot calls: the page is the drawing's box, y downward.
#include "cli/drawing_plot.hpp"

#include <plplot/plplot.h>

#include "text/cp1252.hpp"

namespace quelrin {
namespace {

constexpr PLINT PEN = 15;  // the cmap0 entry set to each primitive's colour
constexpr double POINTS_PER_MM = 72.0 / 25.4;

void use_colour(const Colour& c) {
  plscol0(PEN, c.red, c.green, c.blue);
  plcol0(PEN);
}

void split(const std::vector<DrawingPoint>& points, std::vector<PLFLT>& x, std::vector<PLFLT>& y) {
  x.clear();
  y.clear();
  for (const DrawingPoint& p : points) {
    x.push_back(p.x);
    y.push_back(p.y);
  }
}

}  // namespace

void plot_drawing(const Drawing& d) {
  pladv(0);
  plvpor(0.0, 1.0, 0.0, 1.0);
  plwind(0.0, d.width, d.height, 0.0);
  PLFLT page_x_mm = 0.0;
  PLFLT page_y_mm = 0.0;
  PLFLT unused[2];
  plgspa(&unused[0], &page_x_mm, &unused[1], &page_y_mm);
  const double mm_per_unit = (page_y_mm - unused[1]) / d.height;

  std::vector<PLFLT> x, y;
  for (const FilledPolygon& area : d.areas) {
    use_colour(area.colour);
    split(area.points, x, y);
    plfill(static_cast<PLINT>(x.size()), x.data(), y.data());
  }
  for (const Polyline& line : d.lines) {
    use_colour(line.colour);
    plwidth(line.width * mm_per_unit * POINTS_PER_MM / 2.0);
    pllsty(line.dashed ? 2 : 1);
    split(line.points, x, y);
    plline(static_cast<PLINT>(x.size()), x.data(), y.data());
  }
  pllsty(1);
  for (const Marker& marker : d.markers) {
    use_colour(marker.colour);
    split(marker_outline(marker), x, y);
    plfill(static_cast<PLINT>(x.size()), x.data(), y.data());
  }
  for (const DrawingText& text : d.texts) {
    use_colour(text.colour);
    // PLplot's size is the capital letters' height, some 0.7 of the font's.
    plschr(text.size * mm_per_unit * 0.7, 1.0);
    const double justification = text.anchor == TextAnchor::start    ? 0.0
                                 : text.anchor == TextAnchor::middle ? 0.5
                                                                     : 1.0;
    const std::string utf8 = cp1252_to_utf8(text.text);
    // PLplot centres the letters' height on the point, which is on the
    // baseline here; the direction is in world units, y downward.
    const double half_height = 0.35 * text.size;
    if (text.vertical)
      plptex(text.at.x - half_height, text.at.y, 0.0, -1.0, justification, utf8.c_str());
    else
      plptex(text.at.x, text.at.y - half_height, 1.0, 0.0, justification, utf8.c_str());
  }
}

}  // namespace quelrin
