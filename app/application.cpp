// Start-up: the program's state, and the main window run modally.
#include "app/application.hpp"

#include "app/main_window.hpp"
#include "resources/resource_ids.h"

namespace quelrin {

int run_application(DialogHost& host) {
  UnitPrefs prefs;
  MainWindow main_window(prefs);
  return host.run_dialog(IDD_MAIN, main_window);
}

}  // namespace quelrin
