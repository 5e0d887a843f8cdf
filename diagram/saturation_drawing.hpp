// The "Curva de saturação" picture: log P against T for the four equations
// and the fluid's correlation over 0.4 Tc to Tc, the chosen temperature
// marked on the chosen equation's curve.
#pragma once

#include "diagram/diagram_view.hpp"
#include "dialog/drawing.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

Drawing saturation_drawing(const FluidRecord& fluid, const DiagramView& view, double width,
                           double height);

}  // namespace quelrin
