// Where the page puts a template's controls: dialog units to pixels as the
// Win32 dialog manager computes them for the templates' 8-point font, scaled
// up to read comfortably in a browser, and which static text names which
// control for a screen reader.
#pragma once

#include <vector>

#include "dialog/resource_script.hpp"
#include "platform/web/page_bridge.hpp"

namespace quelrin {

page::PixelRectangle to_pixels(const DialogRectangle& units);
// The control's rectangle as shown: a drop-down list's template height is
// that of its open list, not of the closed box.
page::PixelRectangle control_pixels(const ControlTemplate& control);

// For each control of the dialog, the index of the static text that labels
// it (the nearest above it, or else to its left on the same line), -1 for
// none. Only edits, drop-down lists and list boxes are labelled so.
std::vector<int> control_labels(const DialogTemplate& dialog);

}  // namespace quelrin
