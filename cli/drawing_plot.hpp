// A drawing painted with PLplot over the whole page: quelrin-calc's picture
// of the isotherm is the dialog's, the same primitives.
#pragma once

#include "dialog/drawing.hpp"

namespace quelrin {

// Paints into the current PLplot stream, between plinit and plend.
void plot_drawing(const Drawing& drawing);

}  // namespace quelrin
