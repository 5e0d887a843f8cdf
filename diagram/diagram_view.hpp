// What a diagram shows: the main window's request and the dialog's choices.
#pragma once

#include "units/units.hpp"

namespace quelrin {

struct DiagramView {
  int equation = 0;
  double t_k = 0.0;
  double window_bar = 0.0;  // the window's refined pressure; 0 when it did not converge
  bool log_volume = false;  // the isotherm's volume axis
  UnitPrefs units;
};

}  // namespace quelrin
