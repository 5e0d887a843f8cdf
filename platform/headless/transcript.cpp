// Transcript lines, converted to UTF-8 at this edge.
#include "platform/headless/transcript.hpp"

#include "text/cp1252.hpp"

namespace quelrin {
namespace {

std::string quoted(std::string_view text) { return '"' + cp1252_to_utf8(text) + '"'; }

// `warning "TITLE" "TEXT"` (or `error ...`)
std::string described(const Message& message) {
  return (message.icon == MessageIcon::warning ? "warning " : "error ") + quoted(message.title) + ' ' +
         quoted(message.text);
}

}  // namespace

void Transcript::message_shown(const Message& message) { out_ << "message " << described(message) << '\n'; }

void Transcript::question_asked(const Message& question, bool yes) {
  out_ << "question " << described(question) << (yes ? " answered yes" : " answered no") << '\n';
}

void Transcript::document_opened(std::string_view name) { out_ << "open " << quoted(name) << '\n'; }

void Transcript::program_exited(int code) { out_ << "exit " << code << '\n'; }

void Transcript::show_control(const HeadlessDialog& dialog, const ControlState& control) {
  const bool list = is_list_kind(control.control->kind);
  out_ << control.control->id;
  if (list) {
    out_ << " list sel=" << control.list.selection() << " count=" << control.list.count();
  } else {
    out_ << " text " << quoted(control.text);
  }
  if (control.checked) out_ << " checked";
  if (!control.enabled) out_ << " disabled";
  if (dialog.focus() == &control) out_ << " focus";
  if (control.selected_from < control.selected_to) {
    out_ << " selected=" << control.selected_from << '-' << control.selected_to;
  }
  out_ << '\n';
  if (!list) return;
  for (std::size_t i = 0; i < control.list.entries().size(); ++i) {
    out_ << "  " << i << ' ' << quoted(control.list.entries()[i]) << '\n';
  }
}

}  // namespace quelrin
