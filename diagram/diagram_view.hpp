// What a diagram shows: the main window's request and the dialog's choices.
#pragma once

#include "calc/equation_of_state.hpp"
#include "units/units.hpp"

namespace quelrin {

struct DiagramView {
  EquationOfState equation = EquationOfState::peng_robinson;
  double t_k = 0.0;
  double window_bar = 0.0;  // the window's refined pressure; 0 when it did not converge
  bool log_volume = false;  // the isotherm's volume axis
  UnitPrefs units;
};

}  // namespace quelrin
