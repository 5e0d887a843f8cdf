// Primitives to GDI calls, drawn into a memory bitmap first so that the
// control never shows half a picture: the drawing's units stretched over
// the rectangle, line widths and font sizes by the vertical scale.
#include "platform/win32/gdi_painter.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quelrin {
namespace {

struct Mapping {
  double sx;
  double sy;

  POINT operator()(const DrawingPoint& p) const {
    return {static_cast<LONG>(std::lround(p.x * sx)), static_cast<LONG>(std::lround(p.y * sy))};
  }
};

COLORREF colour_ref(const Colour& c) { return RGB(c.red, c.green, c.blue); }

std::vector<POINT> mapped(const std::vector<DrawingPoint>& points, const Mapping& m) {
  std::vector<POINT> out;
  out.reserve(points.size());
  for (const DrawingPoint& p : points) out.push_back(m(p));
  return out;
}

void fill(HDC dc, const std::vector<POINT>& points, const Colour& colour) {
  if (points.size() < 3) return;
  const HBRUSH brush = CreateSolidBrush(colour_ref(colour));
  const HGDIOBJ old_brush = SelectObject(dc, brush);
  const HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
  Polygon(dc, points.data(), static_cast<int>(points.size()));
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(brush);
}

void stroke(HDC dc, const Polyline& line, const Mapping& m) {
  const std::vector<POINT> points = mapped(line.points, m);
  if (points.size() < 2) return;
  // GDI dashes only one-pixel pens.
  const int width =
      line.dashed ? 1 : std::max(1, static_cast<int>(std::lround(line.width * m.sy * 0.6)));
  const HPEN pen = CreatePen(line.dashed ? PS_DASH : PS_SOLID, width, colour_ref(line.colour));
  const HGDIOBJ old = SelectObject(dc, pen);
  ::Polyline(dc, points.data(), static_cast<int>(points.size()));
  SelectObject(dc, old);
  DeleteObject(pen);
}

void write(HDC dc, const DrawingText& text, const Mapping& m) {
  LOGFONTA font = {};
  font.lfHeight = -static_cast<LONG>(std::lround(text.size * m.sy));
  font.lfEscapement = font.lfOrientation = text.vertical ? 900 : 0;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = ANSI_CHARSET;
  font.lfQuality = ANTIALIASED_QUALITY;
  lstrcpyA(font.lfFaceName, "Tahoma");
  const HFONT handle = CreateFontIndirectA(&font);
  const HGDIOBJ old = SelectObject(dc, handle);
  const UINT anchor = text.anchor == TextAnchor::start    ? TA_LEFT
                      : text.anchor == TextAnchor::middle ? TA_CENTER
                                                          : TA_RIGHT;
  SetTextAlign(dc, TA_BASELINE | anchor);
  SetTextColor(dc, colour_ref(text.colour));
  const POINT at = m(text.at);
  TextOutA(dc, at.x, at.y, text.text.c_str(), static_cast<int>(text.text.size()));
  SelectObject(dc, old);
  DeleteObject(handle);
}

}  // namespace

void paint_drawing(HDC dc, const RECT& area, const Drawing& d) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0 || !(d.width > 0.0 && d.height > 0.0)) return;
  const HDC memory = CreateCompatibleDC(dc);
  const HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
  const HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  const RECT whole = {0, 0, width, height};
  FillRect(memory, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetBkMode(memory, TRANSPARENT);

  const Mapping m{width / d.width, height / d.height};
  for (const FilledPolygon& a : d.areas) fill(memory, mapped(a.points, m), a.colour);
  for (const Polyline& line : d.lines) stroke(memory, line, m);
  for (const Marker& marker : d.markers)
    fill(memory, mapped(marker_outline(marker), m), marker.colour);
  for (const DrawingText& text : d.texts) write(memory, text, m);

  BitBlt(dc, area.left, area.top, width, height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

}  // namespace quelrin
