// Modal loops, message boxes, the help and the opened database of the web
// dialog manager.
#include "platform/web/web_host.hpp"

#include "app/main_window.hpp"
#include "dialog/dialog_rules.hpp"
#include "fluids/fluid_database.hpp"
#include "fluids/fluid_loading.hpp"
#include "platform/web/web_dialog.hpp"
#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"
#include "text/replace_file.hpp"
#include "units/prefs_file.hpp"
#include "units/units_dialog.hpp"

namespace quelrin {
namespace {

// ShellExecuteA's answer when nothing could open the document.
constexpr int SHELL_NO_ASSOCIATION = 31;

}  // namespace

WebHost::WebHost(const ResourceScript& resources) : resources_(resources) {}

int WebHost::run_dialog(int template_id, DialogProcedure& procedure) {
  const DialogTemplate* dialog_template = find_dialog(resources_, template_id);
  if (dialog_template == nullptr) return -1;
  WebDialog dialog(*dialog_template, procedure, *this);
  return dialog.run();
}

page::Event WebHost::wait_event(const WebDialog& top) {
  end_turn(top);
  const page::Event event = page::wait_event();
  page::begin_turn();
  return event;
}

void WebHost::show_message(const WebDialog& owner, const Message& message) {
  end_turn(owner);
  message_box(owner, message, false);
  page::begin_turn();
}

bool WebHost::ask_yes_no(const WebDialog& owner, const Message& question) {
  end_turn(owner);
  const bool yes = message_box(owner, question, true);
  page::begin_turn();
  return yes;
}

bool WebHost::message_box(const WebDialog& owner, const Message& message, bool yes_no) {
  return page::message_box(owner.page_handle(), cp1252_to_utf8(message.title),
                           cp1252_to_utf8(message.text), message.icon == MessageIcon::warning,
                           yes_no);
}

// A file the browser failed to keep is a save that failed, told as one (the
// program writes only its two files).
void WebHost::end_turn(const WebDialog& owner) {
  for (const std::string& name : page::end_turn()) {
    message_box(owner,
                name == PREFS_FILE ? prefs_not_saved_message() : database_not_saved_message(),
                false);
  }
}

int WebHost::open_document(std::string_view name) {
  if (!equal_ignoring_case(name, HELP_FILE)) return SHELL_FILE_NOT_FOUND;
  return page::open_help() ? SHELL_OPENED : SHELL_NO_ASSOCIATION;
}

void WebHost::open_chosen_database(WebDialog& main) {
  const std::string chosen = page::take_chosen_file();
  FluidTable fluids;
  std::string reason;
  if (!parse_fluid_database(chosen, fluids, reason)) {
    main.show_message(invalid_database_message(reason));
    return;
  }
  if (!replace_file(DATABASE_FILE, chosen)) {
    main.show_message(database_not_saved_message());
    return;
  }
  restart_ = true;
  main.end(0);
}

bool WebHost::take_restart() {
  const bool restart = restart_;
  restart_ = false;
  return restart;
}

}  // namespace quelrin
