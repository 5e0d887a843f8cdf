// The scenario runner: script lines turned into user actions.
#include "platform/headless/script_runner.hpp"

#include <cctype>
#include <charconv>
#include <iostream>

#include "dialog/program_resources.hpp"
#include "fluids/fluid_database.hpp"
#include "fluids/fluid_loading.hpp"
#include "platform/headless/headless_dialog.hpp"
#include "text/cp1252.hpp"
#include "text/replace_file.hpp"

namespace quelrin {
namespace {

// The first word of `text` and what follows the blank after it.
std::pair<std::string_view, std::string_view> split_word(std::string_view text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return {text, {}};
  return {text.substr(0, blank), text.substr(blank + 1)};
}

bool is_name_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }

// Thrown by stop() and caught in run(): the run ends wherever it stands, the
// dialogs still open simply unwound.
struct RunStopped {
  int status;
};

}  // namespace

ScriptRunner::ScriptRunner(std::vector<std::string> lines, const ResourceScript& resources,
                           std::ostream& out)
    : lines_(std::move(lines)), out_(out), transcript_(out), host_(resources, *this, transcript_) {}

int ScriptRunner::run(Program program) {
  try {
    std::string_view verb;
    std::string_view rest;
    while (next_line(verb, rest)) {
      if (perform_aside(verb, rest)) continue;
      if (verb != "start") stop(2, "no dialog open");
      words(rest, 0);
      transcript_.program_exited(program(host_));
    }
  } catch (const RunStopped& stopped) {
    return stopped.status;
  }
  out_.flush();
  return 0;
}

void ScriptRunner::act(HeadlessDialog& top) {
  std::string_view verb;
  std::string_view rest;
  if (!next_line(verb, rest)) stop(0, {});
  perform(top, verb, rest);
}

bool ScriptRunner::answer(const Message&) {
  if (answers_.empty()) return false;
  const bool yes = answers_.front();
  answers_.pop_front();
  return yes;
}

bool ScriptRunner::next_line(std::string_view& verb, std::string_view& rest) {
  while (next_ < lines_.size()) {
    std::string_view line = lines_[next_++];
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#') continue;
    const auto [first_word, after] = split_word(line);
    verb = first_word;
    rest = after;
    return true;
  }
  return false;
}

void ScriptRunner::perform(HeadlessDialog& top, std::string_view verb, std::string_view rest) {
  if (perform_aside(verb, rest)) return;
  std::string refusal;
  if (verb == "type") {
    const auto [id, text] = split_word(rest);
    refusal = top.type(resource_id(id), utf8_to_cp1252(text));
  } else if (verb == "pick") {
    const std::vector<std::string_view> arguments = words(rest, 2);
    refusal = top.pick(resource_id(arguments[0]), number(arguments[1]));
  } else if (verb == "click") {
    refusal = top.click(resource_id(words(rest, 1)[0]));
  } else if (verb == "dblclick") {
    refusal = top.double_click(resource_id(words(rest, 1)[0]));
  } else if (verb == "enter") {
    words(rest, 0);
    top.press_enter();
  } else if (verb == "escape") {
    words(rest, 0);
    top.press_escape();
  } else if (verb == "close") {
    words(rest, 0);
    top.close_box();
  } else if (verb == "show") {
    show(top, rest);
  } else if (verb == "start") {
    refusal = "the program is already running";
  } else {
    refusal = "unknown action \"" + std::string(verb) + "\"";
  }
  if (!refusal.empty()) stop(2, refusal);
}

bool ScriptRunner::perform_aside(std::string_view verb, std::string_view rest) {
  if (verb == "answer") {
    if (rest != "yes" && rest != "no")
      stop(2, "answer yes or no, not \"" + std::string(rest) + "\"");
    answers_.push_back(rest == "yes");
    return true;
  }
  if (verb == "outside-save") {
    save_from_outside(rest);
    return true;
  }
  return false;
}

void ScriptRunner::save_from_outside(std::string_view rest) {
  std::string text;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '\\' && i + 1 < rest.size() && (rest[i + 1] == 'n' || rest[i + 1] == '\\')) {
      text += rest[++i] == 'n' ? '\n' : '\\';
    } else {
      text += rest[i];
    }
  }
  text = utf8_to_cp1252(text);
  FluidTable table;
  std::string reason;
  if (!parse_fluid_database(text, table, reason))
    stop(2, "not a fluid database: " + cp1252_to_utf8(reason));
  if (!replace_file(DATABASE_FILE, text)) stop(2, "cannot write dados.txt");
}

void ScriptRunner::show(const HeadlessDialog& top, std::string_view rest) {
  if (rest.empty()) {
    for (const ControlState& control : top.controls()) transcript_.show_control(top, control);
    return;
  }
  const int id = resource_id(rest);
  bool shown = false;
  for (const ControlState& control : top.controls()) {
    if (control.control->id != id) continue;
    transcript_.show_control(top, control);
    shown = true;
  }
  if (!shown) stop(2, "no control " + std::string(rest));
}

std::vector<std::string_view> ScriptRunner::words(std::string_view text, std::size_t count) {
  std::vector<std::string_view> found;
  for (std::string_view left = text; !left.empty();) {
    const auto [word, rest] = split_word(left);
    found.push_back(word);
    left = rest;
  }
  if (found.size() != count) {
    stop(2, "expected " + std::to_string(count) + " arguments, not \"" + std::string(text) + "\"");
  }
  return found;
}

int ScriptRunner::number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size())
    stop(2, "bad number \"" + std::string(text) + "\"");
  return value;
}

int ScriptRunner::resource_id(std::string_view word) {
  if (word.empty() || !is_name_start(word.front())) return number(word);
  const auto known = resource_ids_.find(word);
  if (known != resource_ids_.end()) return known->second;
  // The name as the resource compiler would read it after including the header.
  const std::string script = "#include \"resource_ids.h\"\n" + std::string(word) + "\n";
  std::vector<RcToken> tokens;
  try {
    tokens = tokenize_resource_script({"script", script}, embedded_resource_files());
  } catch (const RcSyntaxError&) {
    // A word the lexer refuses names no id: refused below.
  }
  if (tokens.size() != 1 || tokens[0].kind != RcTokenKind::number) {
    stop(2, "no id named \"" + std::string(word) + "\" in resource_ids.h");
  }
  const int id = static_cast<int>(tokens[0].value);
  resource_ids_.emplace(word, id);
  return id;
}

void ScriptRunner::stop(int status, std::string_view reason) {
  out_.flush();
  if (!reason.empty()) std::cerr << "quelrin-script: line " << next_ << ": " << reason << '\n';
  throw RunStopped{status};
}

}  // namespace quelrin
