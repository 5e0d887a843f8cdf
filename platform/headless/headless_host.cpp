// Modal loops of the in-memory dialog manager, and its shell.
#include "platform/headless/headless_host.hpp"

#include <filesystem>
#include <system_error>

#include "dialog/dialog_rules.hpp"
#include "platform/headless/headless_dialog.hpp"
#include "text/cp1252.hpp"

namespace quelrin {

HeadlessHost::HeadlessHost(const ResourceScript& resources, HeadlessUser& user,
                           HeadlessObserver& observer)
    : resources_(resources), user_(user), observer_(observer) {}

int HeadlessHost::run_dialog(int template_id, DialogProcedure& procedure) {
  const DialogTemplate* dialog_template = find_dialog(resources_, template_id);
  if (dialog_template == nullptr) return -1;
  HeadlessDialog dialog(*dialog_template, procedure, *this);
  dialog.open();
  while (!dialog.ended()) user_.act(dialog);
  return dialog.result();
}

void HeadlessHost::show_message(const Message& message) { observer_.message_shown(message); }

bool HeadlessHost::ask_yes_no(const Message& question) {
  const bool yes = user_.answer(question);
  observer_.question_asked(question, yes);
  return yes;
}

int HeadlessHost::open_document(std::string_view name) {
  std::error_code error;
  // File names are UTF-8 on the systems this manager runs on.
  if (!std::filesystem::is_regular_file(std::filesystem::path(cp1252_to_utf8(name)), error)) {
    return SHELL_FILE_NOT_FOUND;
  }
  observer_.document_opened(name);
  return SHELL_OPENED;
}

}  // namespace quelrin
