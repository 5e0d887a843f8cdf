// The GTK dialog manager's entry point: runs the dialogs of the program's
// resource script modally over GtkBuilder layouts, shows message boxes and
// opens documents with the desktop's handler.
#pragma once

#include <gtkmm.h>

#include <string_view>

#include "dialog/dialog.hpp"
#include "dialog/resource_script.hpp"
#include "text/message.hpp"

namespace quelrin {

class GtkHost final : public DialogHost {
 public:
  explicit GtkHost(const ResourceScript& resources);

  int run_dialog(int template_id, DialogProcedure& procedure) override;
  // Runs a dialog owned by `owner` (none: a top-level one) in a nested main
  // loop, as DialogBoxParamA does; -1 when it could not be created.
  int run_dialog(int template_id, DialogProcedure& procedure, Gtk::Window* owner);

  const ResourceScript& resources() const { return resources_; }
  // A modal message box owned by `owner`, with an OK button.
  void show_message(Gtk::Window& owner, const Message& message);
  // Opens a file of the working directory with the desktop's handler for
  // it, else with xchm: ShellExecuteA's answers (above 32 on success,
  // SHELL_FILE_NOT_FOUND when there is no such file).
  int open_document(std::string_view name);

 private:
  const ResourceScript& resources_;
};

}  // namespace quelrin
