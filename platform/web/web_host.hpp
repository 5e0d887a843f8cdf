// The web dialog manager's entry point: runs the dialogs of the program's
// resource script modally in the page, shows message boxes, opens the help
// and takes in a database the user opens from the computer.
#pragma once

#include <string_view>

#include "dialog/dialog.hpp"
#include "dialog/resource_script.hpp"
#include "platform/web/page_bridge.hpp"
#include "text/message.hpp"

namespace quelrin {

class WebDialog;

class WebHost final : public DialogHost {
 public:
  explicit WebHost(const ResourceScript& resources);

  int run_dialog(int template_id, DialogProcedure& procedure) override;

  const ResourceScript& resources() const { return resources_; }
  // The next event of the dialog on top, `top`. While the page waits for it, the
  // program's files are written out to the browser's storage and other tabs
  // may change them; they are read in again before the program goes on.
  page::Event wait_event(const WebDialog& top);
  // Modal message boxes over the dialog `owner`.
  void show_message(const WebDialog& owner, const Message& message);
  bool ask_yes_no(const WebDialog& owner, const Message& question);
  // ShellExecuteA's answers for the help file: its pages open in a new tab.
  int open_document(std::string_view name);
  // The file the user chose with "Abrir dados.txt…", over the main window
  // `main`: a database the reader refuses is refused with its reason and
  // replaces nothing; one it reads replaces dados.txt and ends the main
  // window, for the program to start again on it.
  void open_chosen_database(WebDialog& main);
  // Whether the main window ended for a database opened meanwhile.
  bool take_restart();

 private:
  bool message_box(const WebDialog& owner, const Message& message, bool yes_no);
  // Ends the program's turn, telling the user of any file not kept.
  void end_turn(const WebDialog& owner);

  const ResourceScript& resources_;
  bool restart_ = false;
};

}  // namespace quelrin
