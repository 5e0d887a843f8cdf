// The units dialog: one pressure unit and one temperature unit, chosen with
// radio buttons and stored in prefs.dat on OK.
#pragma once

#include "dialog/dialog.hpp"
#include "text/message.hpp"
#include "units/units.hpp"

namespace quelrin {

// What the user is told when prefs.dat could not be written.
Message prefs_not_saved_message();

class UnitsDialog : public DialogProcedure {
 public:
  explicit UnitsDialog(UnitPrefs& prefs) : prefs_(prefs) {}

  int on_open(Dialog& dialog) override;
  int on_command(Dialog& dialog, int control_id, int notification) override;
  int on_close(Dialog& dialog) override;

 private:
  UnitPrefs& prefs_;
};

}  // namespace quelrin
