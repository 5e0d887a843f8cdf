// The About box: any command or the close box ends it.
#pragma once

#include "dialog/dialog.hpp"

namespace quelrin {

class AboutBox : public DialogProcedure {
 public:
  int on_open(Dialog&) override { return 1; }
  int on_command(Dialog& dialog, int, int) override {
    dialog.end(0);
    return 1;
  }
  int on_close(Dialog& dialog) override {
    dialog.end(0);
    return 1;
  }
};

}  // namespace quelrin
