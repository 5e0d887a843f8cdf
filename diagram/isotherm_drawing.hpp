// The "Isoterma P-v" picture: the equation's isotherm at T with Maxwell's
// construction (tie line, spinodal points, the two areas and their values)
// and the window's own pressure, or above the equation's critical
// temperature the isotherm alone with a note.
#pragma once

#include "diagram/diagram_view.hpp"
#include "dialog/drawing.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

Drawing isotherm_drawing(const FluidRecord& fluid, const DiagramView& view, double width,
                         double height);

}  // namespace quelrin
