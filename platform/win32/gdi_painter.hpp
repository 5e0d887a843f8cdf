// A drawing painted with GDI into a rectangle of a device context: the
// owner-drawn static control's WM_DRAWITEM.
#pragma once

#include <windows.h>

#include "dialog/drawing.hpp"

namespace quelrin {

void paint_drawing(HDC dc, const RECT& area, const Drawing& drawing);

}  // namespace quelrin
