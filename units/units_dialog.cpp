// The units dialog's procedure.
#include "units/units_dialog.hpp"

#include "resources/resource_ids.h"
#include "text/cp1252_literal.hpp"
#include "units/prefs_file.hpp"

namespace quelrin {
namespace {

constexpr int LAST_PRESSURE_BUTTON = IDC_PRESSURE_BAR + PRESSURE_UNIT_COUNT - 1;
constexpr int LAST_TEMPERATURE_BUTTON = IDC_TEMPERATURE_K + TEMPERATURE_UNIT_COUNT - 1;

// The index of the first checked button of the range, or -1.
int checked_index(Dialog& dialog, int first_id, int count) {
  for (int i = 0; i < count; ++i) {
    if (dialog.is_checked(first_id + i)) return i;
  }
  return -1;
}

}  // namespace

Message prefs_not_saved_message() {
  return {cp1252<"Não foi possível salvar o arquivo 'prefs.dat'.">, "Erro!", MessageIcon::error};
}

int UnitsDialog::on_open(Dialog& dialog) {
  // The file is read again: values another program wrote there take effect.
  UnitPrefs shown;
  switch (read_prefs_file(PREFS_FILE, prefs_)) {
    case PrefsRead::read:
      shown = prefs_;
      break;
    case PrefsRead::missing:
      write_prefs_file(PREFS_FILE, shown);
      break;
    case PrefsRead::unreadable:
      break;
  }
  dialog.check_radio(IDC_PRESSURE_BAR, LAST_PRESSURE_BUTTON,
                     IDC_PRESSURE_BAR + unit_index(shown.pressure_unit));
  dialog.check_radio(IDC_TEMPERATURE_K, LAST_TEMPERATURE_BUTTON,
                     IDC_TEMPERATURE_K + unit_index(shown.temperature_unit));
  return 1;
}

int UnitsDialog::on_command(Dialog& dialog, int control_id, int) {
  if (control_id == IDC_UNITS_OK) {
    prefs_.pressure_unit =
        pressure_unit_at(checked_index(dialog, IDC_PRESSURE_BAR, PRESSURE_UNIT_COUNT))
            .value_or(prefs_.pressure_unit);
    prefs_.temperature_unit =
        temperature_unit_at(checked_index(dialog, IDC_TEMPERATURE_K, TEMPERATURE_UNIT_COUNT))
            .value_or(prefs_.temperature_unit);
    if (!write_prefs_file(PREFS_FILE, prefs_)) {
      dialog.show_message(prefs_not_saved_message());
    }
    dialog.end(0);
    return 1;
  }
  if (control_id == IDC_UNITS_CANCEL) {
    dialog.end(0);
    return 1;
  }
  if (control_id >= IDC_PRESSURE_BAR && control_id <= LAST_PRESSURE_BUTTON) {
    dialog.check_radio(IDC_PRESSURE_BAR, LAST_PRESSURE_BUTTON, control_id);
    return 1;
  }
  if (control_id >= IDC_TEMPERATURE_K && control_id <= LAST_TEMPERATURE_BUTTON) {
    dialog.check_radio(IDC_TEMPERATURE_K, LAST_TEMPERATURE_BUTTON, control_id);
    return 1;
  }
  return 0;
}

int UnitsDialog::on_close(Dialog& dialog) {
  dialog.end(0);
  return 1;
}

}  // namespace quelrin
