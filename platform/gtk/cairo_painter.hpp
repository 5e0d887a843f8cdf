// A drawing painted with cairo into a widget of the given size in pixels.
#pragma once

#include <cairomm/context.h>

#include "dialog/drawing.hpp"

namespace quelrin {

void paint_drawing(const Cairo::RefPtr<Cairo::Context>& cr, const Drawing& drawing, double width,
                   double height);

}  // namespace quelrin
