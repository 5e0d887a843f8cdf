// The help's page of messages lists every message the program can show, and
// none it no longer has. The program's messages are read from its sources:
// each is written where it is shown as {text, title} or {text, title,
// MessageIcon::...}, the text a string literal (cp1252<"..."> where it holds
// accents), or literals joined by + with values; the page's messages are the
// first cells of its table, a value written in italics.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quelrin {
namespace {

namespace fs = std::filesystem;

// Where a message holds a value (a name, a number, a reason).
constexpr const char* VALUE = "{value}";

std::string read_file(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string squeeze_blanks(const std::string& text) {
  return std::regex_replace(text, std::regex("\\s+"), " ");
}

struct Token {
  std::string text;  // a literal's contents, unescaped, or the token itself
  bool literal;
};

// The wrapper of the program's Portuguese texts, cp1252<"...">, taken off its literals.
std::vector<Token> unwrapped(const std::vector<Token>& tokens) {
  std::vector<Token> plain;
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    const bool wrapper = !tokens[k].literal && tokens[k].text == "cp1252" &&
                         k + 2 < tokens.size() && tokens[k + 1].text == "<" &&
                         tokens[k + 2].literal;
    if (!wrapper) {
      plain.push_back(tokens[k]);
      continue;
    }
    for (k += 2; k < tokens.size() && tokens[k].literal; ++k) plain.push_back(tokens[k]);
  }
  return plain;
}

// C++ source as string literals and other tokens; comments, character
// literals and preprocessor lines dropped.
std::vector<Token> tokens_of(const std::string& source) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  const auto at = [&](std::size_t k) { return k < source.size() ? source[k] : '\0'; };
  bool line_start = true;
  while (i < source.size()) {
    const char c = source[i];
    if (c == '\n') {
      line_start = true;
      ++i;
    } else if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (line_start && c == '#') {
      while (i < source.size() && (source[i] != '\n' || source[i - 1] == '\\')) ++i;
    } else if (c == '/' && at(i + 1) == '/') {
      while (i < source.size() && source[i] != '\n') ++i;
    } else if (c == '/' && at(i + 1) == '*') {
      i = source.find("*/", i + 2);
      i = i == std::string::npos ? source.size() : i + 2;
    } else if (c == '"' || c == '\'') {
      std::string contents;
      for (++i; i < source.size() && source[i] != c; ++i) {
        if (source[i] == '\\') ++i;
        contents += at(i);
      }
      ++i;
      if (c == '"') tokens.push_back({contents, true});
      line_start = false;
    } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
      const std::size_t start = i;
      while (std::isalnum(static_cast<unsigned char>(at(i))) || at(i) == '_') ++i;
      tokens.push_back({source.substr(start, i - start), false});
      line_start = false;
    } else {
      tokens.push_back({std::string(1, c), false});
      ++i;
      line_start = false;
    }
  }
  return unwrapped(tokens);
}

bool opens(const Token& t) {
  return !t.literal && (t.text == "(" || t.text == "{" || t.text == "[");
}
bool closes(const Token& t) {
  return !t.literal && (t.text == ")" || t.text == "}" || t.text == "]");
}

// A message text's shape: its literals, each run of other terms as VALUE.
std::string message_shape(const std::vector<Token>& element) {
  std::string shape;
  int depth = 0;
  for (const Token& t : element) {
    if (t.literal && depth == 0) {
      shape += t.text;
    } else if (!(depth == 0 && t.text == "+") && !shape.ends_with(VALUE)) {
      shape += VALUE;
    }
    if (opens(t)) ++depth;
    if (closes(t)) --depth;
  }
  return squeeze_blanks(shape);
}

// The braced lists {text, title} and {text, title, MessageIcon::...} of a source.
void collect_messages(const std::vector<Token>& tokens, std::set<std::string>& messages) {
  for (std::size_t open = 0; open < tokens.size(); ++open) {
    if (tokens[open].literal || tokens[open].text != "{") continue;
    std::vector<std::vector<Token>> elements(1);
    int depth = 0;
    for (std::size_t i = open + 1; i < tokens.size(); ++i) {
      if (closes(tokens[i]) && depth == 0) break;
      if (opens(tokens[i])) ++depth;
      if (closes(tokens[i])) --depth;
      if (depth == 0 && !tokens[i].literal && tokens[i].text == ",") {
        elements.emplace_back();
      } else {
        elements.back().push_back(tokens[i]);
      }
    }
    if (elements.size() != 2 && elements.size() != 3) continue;
    const bool text_then_title = !elements[0].empty() && elements[0][0].literal &&
                                 elements[1].size() == 1 && elements[1][0].literal;
    const bool icon_or_none =
        elements.size() == 2 || (!elements[2].empty() && elements[2][0].text == "MessageIcon");
    if (text_then_title && icon_or_none) messages.insert(message_shape(elements[0]));
  }
}

std::set<std::string> program_messages() {
  std::set<std::string> messages;
  for (const char* folder : {"app", "calc", "fluids", "units", "dialog", "text", "platform"}) {
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(QUELRIN_SOURCE_DIR) / folder)) {
      const std::string extension = entry.path().extension().string();
      if (extension != ".cpp" && extension != ".hpp") continue;
      collect_messages(tokens_of(read_file(entry.path())), messages);
    }
  }
  return messages;
}

std::set<std::string> page_messages() {
  const std::string page = read_file(fs::path(QUELRIN_SOURCE_DIR) / "help" / "mensagens.html");
  std::set<std::string> messages;
  const std::regex first_cell("<tr><td>([\\s\\S]*?)</td>");
  for (auto m = std::sregex_iterator(page.begin(), page.end(), first_cell);
       m != std::sregex_iterator(); ++m) {
    std::string cell = std::regex_replace((*m)[1].str(), std::regex("<i>[\\s\\S]*?</i>"), VALUE);
    cell = std::regex_replace(cell, std::regex("<[^>]*>"), "");
    cell = std::regex_replace(cell, std::regex("&quot;"), "\"");
    cell = std::regex_replace(cell, std::regex("&lt;"), "<");
    cell = std::regex_replace(cell, std::regex("&gt;"), ">");
    cell = std::regex_replace(cell, std::regex("&amp;"), "&");
    messages.insert(squeeze_blanks(cell));
  }
  return messages;
}

TEST(HelpMessages, PageListsEveryMessageOfTheProgramAndNoOther) {
  const std::set<std::string> program = program_messages();
  const std::set<std::string> page = page_messages();
  ASSERT_GT(program.size(), 10u);
  for (const std::string& message : program) {
    EXPECT_TRUE(page.contains(message)) << "not on help/mensagens.html: " << message;
  }
  for (const std::string& message : page) {
    EXPECT_TRUE(program.contains(message))
        << "on help/mensagens.html, not in the program: " << message;
  }
}

}  // namespace
}  // namespace quelrin
