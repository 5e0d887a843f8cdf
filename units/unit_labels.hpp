// The unit choice on the main window: loaded at start-up, shown in the labels
// of the temperature field and of the pressure result.
#pragma once

#include "dialog/dialog.hpp"
#include "units/units.hpp"

namespace quelrin {

// Reads prefs.dat into `prefs` and labels the main window; creates the file
// holding bar and K when it cannot be opened.
void load_unit_prefs(Dialog& main_window, UnitPrefs& prefs);

// Sets the pressure label, then the temperature label, from `prefs`.
void relabel_units(Dialog& main_window, const UnitPrefs& prefs);

}  // namespace quelrin
