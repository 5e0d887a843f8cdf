// The main window: equation, fluid and temperature in; iteration log, first
// estimate and vapour pressure out; the menu's tools and help.
#pragma once

#include "calc/calculation_request.hpp"
#include "dialog/dialog.hpp"
#include "fluids/fluid_record.hpp"
#include "units/units.hpp"

namespace quelrin {

class MainWindow : public DialogProcedure {
 public:
  explicit MainWindow(UnitPrefs& prefs) : prefs_(prefs) {}

  int on_open(Dialog& window) override;
  int on_command(Dialog& window, int control_id, int notification) override;
  int on_close(Dialog& window) override;

 private:
  void calculate(Dialog& window);
  void show_diagram(Dialog& window);
  void apply(Dialog& window, const CalcResult& result);
  void run_fluid_editor(Dialog& window);
  void run_units_dialog(Dialog& window);
  void open_help(Dialog& window);
  void quit(Dialog& window);

  UnitPrefs& prefs_;
  FluidTable fluids_;
};

inline constexpr const char* HELP_FILE = "quel.chm";

}  // namespace quelrin
