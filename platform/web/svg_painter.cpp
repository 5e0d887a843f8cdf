// Areas, lines, markers and texts, in that order, as SVG elements.
#include "platform/web/svg_painter.hpp"

#include <cstdio>

#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

struct Scale {
  double x;
  double y;
};

std::string number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

std::string colour(const Colour& c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", c.red, c.green, c.blue);
  return buffer;
}

std::string escaped(std::string_view utf8) {
  std::string out;
  for (const char c : utf8) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string points(const std::vector<DrawingPoint>& at, Scale s) {
  std::string out;
  for (const DrawingPoint& p : at) {
    if (!out.empty()) out += ' ';
    out += number(p.x * s.x) + ',' + number(p.y * s.y);
  }
  return out;
}

}  // namespace

std::string drawing_svg(const Drawing& d, int width, int height) {
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
                    "\" height=\"" + std::to_string(height) + "\" aria-hidden=\"true\">";
  svg += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>";
  if (!(d.width > 0.0 && d.height > 0.0)) return svg + "</svg>";
  const Scale s{width / d.width, height / d.height};
  for (const FilledPolygon& area : d.areas) {
    svg +=
        "<polygon points=\"" + points(area.points, s) + "\" fill=\"" + colour(area.colour) + "\"/>";
  }
  for (const Polyline& line : d.lines) {
    svg += "<polyline points=\"" + points(line.points, s) + "\" fill=\"none\" stroke=\"" +
           colour(line.colour) + "\" stroke-width=\"" + number(line.width * s.y * 0.6) +
           "\" stroke-linejoin=\"round\"";
    if (line.dashed)
      svg += " stroke-dasharray=\"" + number(4.0 * s.y) + ' ' + number(2.0 * s.y) + '"';
    svg += "/>";
  }
  for (const Marker& marker : d.markers) {
    svg += "<polygon points=\"" + points(marker_outline(marker), s) + "\" fill=\"" +
           colour(marker.colour) + "\"/>";
  }
  for (const DrawingText& text : d.texts) {
    const char* anchor = text.anchor == TextAnchor::start    ? "start"
                         : text.anchor == TextAnchor::middle ? "middle"
                                                             : "end";
    const std::string x = number(text.at.x * s.x);
    const std::string y = number(text.at.y * s.y);
    svg += "<text x=\"" + x + "\" y=\"" + y + "\" font-family=\"sans-serif\" font-size=\"" +
           number(text.size * s.y) + "\" fill=\"" + colour(text.colour) + "\" text-anchor=\"" +
           anchor + '"';
    if (text.vertical) svg += " transform=\"rotate(-90 " + x + ' ' + y + ")\"";
    svg += '>' + escaped(cp1252_to_utf8(text.text)) + "</text>";
  }
  return svg + "</svg>";
}

std::string drawing_description(const Drawing& d) {
  return cp1252_to_utf8(d.frame.y.title + cp1252<" em função de "> + d.frame.x.title);
}

}  // namespace quelrin
