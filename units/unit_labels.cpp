// Unit labels of the main window.
#include "units/unit_labels.hpp"

#include "resources/resource_ids.h"
#include "units/prefs_file.hpp"

namespace quelrin {

void load_unit_prefs(Dialog& main_window, UnitPrefs& prefs) {
  const PrefsRead status = read_prefs_file(PREFS_FILE, prefs);
  if (status != PrefsRead::missing) {
    // A file that cannot be read is the user's to mend: this run uses the
    // defaults and leaves it as it is.
    if (status == PrefsRead::unreadable) prefs = UnitPrefs{};
    relabel_units(main_window, prefs);
    return;
  }
  // A first start: the file is made with the defaults, and the pressure label
  // has always read "vapor" in lower case until the units are first chosen.
  prefs = UnitPrefs{};
  write_prefs_file(PREFS_FILE, prefs);
  main_window.set_text(IDC_TEMPERATURE_LABEL, temperature_label(prefs.temperature_unit));
  main_window.set_text(IDC_PRESSURE_LABEL, FIRST_START_PRESSURE_LABEL);
}

void relabel_units(Dialog& main_window, const UnitPrefs& prefs) {
  main_window.set_text(IDC_PRESSURE_LABEL, pressure_label(prefs.pressure_unit));
  main_window.set_text(IDC_TEMPERATURE_LABEL, temperature_label(prefs.temperature_unit));
}

}  // namespace quelrin
