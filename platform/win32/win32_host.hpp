// The Win32 dialog manager's entry point: runs the program's dialog
// templates modally with DialogBoxParamA, each forwarding its messages to a
// DialogProcedure.
#pragma once

#include <windows.h>

#include "dialog/dialog.hpp"

namespace quelrin {

class Win32Host final : public DialogHost {
 public:
  // `resources`: the module whose dialog templates are run.
  explicit Win32Host(HINSTANCE resources) : resources_(resources) {}

  int run_dialog(int template_id, DialogProcedure& procedure) override;
  // Runs a dialog owned by `owner` (nullptr for none); its result, or -1
  // when it could not be created.
  int run_modal(int template_id, DialogProcedure& procedure, HWND owner);

 private:
  HINSTANCE resources_;
};

}  // namespace quelrin
