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
  // A modal question owned by `owner`, with the buttons "Sim" and "Não";
  // true for "Sim".
  bool ask_yes_no(Gtk::Window& owner, const Message& question);
  // Opens a file of the working directory with the desktop's handler for
  // it, else with xchm: ShellExecuteA's answers (above 32 on success,
  // SHELL_FILE_NOT_FOUND when there is no such file).
  int open_document(std::string_view name);

 private:
  // A message box with `buttons`, or BUTTONS_NONE for "Sim" and "Não": the
  // button's response.
  int run_message_box(Gtk::Window& owner, const Message& message, Gtk::ButtonsType buttons);

  const ResourceScript& resources_;
};

}  // namespace quelrin
