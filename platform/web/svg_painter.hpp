// A drawing as SVG markup, its units stretched over the control's pixels as
// the other managers paint it.
#pragma once

#include <string>

#include "dialog/drawing.hpp"

namespace quelrin {

std::string drawing_svg(const Drawing& drawing, int width, int height);
// What a screen reader says of it: its axes.
std::string drawing_description(const Drawing& drawing);

}  // namespace quelrin
