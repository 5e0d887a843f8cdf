// Dialog units, labels beside controls.
#include "platform/web/web_layout.hpp"

#include <cmath>

namespace quelrin {
namespace {

// The dialog base units of the templates' font are 6 by 13 pixels: a
// horizontal unit is a quarter of the first, a vertical one an eighth of the
// second; the page shows them 1.4 times larger.
constexpr double SCALE = 1.4;
constexpr double PIXELS_PER_UNIT_X = 6.0 / 4.0 * SCALE;
constexpr double PIXELS_PER_UNIT_Y = 13.0 / 8.0 * SCALE;
// A closed drop-down list is one line high.
constexpr int COMBO_HEIGHT_UNITS = 12;
// How far above a control its label may stand, in dialog units.
constexpr int LABEL_REACH_UNITS = 14;

int pixels(double units, double per_unit) {
  return static_cast<int>(std::lround(units * per_unit));
}

bool labels_others(const ControlTemplate& control) {
  return control.kind == ControlKind::static_text;
}

bool takes_label(const ControlTemplate& control) {
  return control.kind == ControlKind::edit || is_list_kind(control.kind);
}

bool overlap(int a_from, int a_length, int b_from, int b_length) {
  return a_from < b_from + b_length && b_from < a_from + a_length;
}

}  // namespace

page::PixelRectangle to_pixels(const DialogRectangle& units) {
  return {pixels(units.x, PIXELS_PER_UNIT_X), pixels(units.y, PIXELS_PER_UNIT_Y),
          pixels(units.width, PIXELS_PER_UNIT_X), pixels(units.height, PIXELS_PER_UNIT_Y)};
}

page::PixelRectangle control_pixels(const ControlTemplate& control) {
  DialogRectangle shown = control.rectangle;
  if (control.kind == ControlKind::combo_box && shown.height > COMBO_HEIGHT_UNITS)
    shown.height = COMBO_HEIGHT_UNITS;
  return to_pixels(shown);
}

std::vector<int> control_labels(const DialogTemplate& dialog) {
  const std::vector<ControlTemplate>& controls = dialog.controls;
  std::vector<int> labels(controls.size(), -1);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (!takes_label(controls[i])) continue;
    const DialogRectangle& r = controls[i].rectangle;
    int best_gap = LABEL_REACH_UNITS + 1;
    for (std::size_t j = 0; j < controls.size(); ++j) {
      if (!labels_others(controls[j])) continue;
      const DialogRectangle& l = controls[j].rectangle;
      int gap = best_gap;
      if (overlap(l.x, l.width, r.x, r.width) && l.y + l.height <= r.y + 2)
        gap = r.y - (l.y + l.height);  // above
      else if (overlap(l.y, l.height, r.y, r.height) && l.x + l.width <= r.x + 2)
        gap = r.x - (l.x + l.width);  // to the left
      if (gap >= -2 && gap < best_gap) {
        best_gap = gap;
        labels[i] = static_cast<int>(j);
      }
    }
  }
  return labels;
}

}  // namespace quelrin
