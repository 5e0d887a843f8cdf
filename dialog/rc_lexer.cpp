// Resource-script lexer with the little of the C preprocessor that resource
// scripts use: quoted includes and object-like defines.
#include "dialog/rc_lexer.hpp"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

namespace quelrin {
namespace {

constexpr int MAX_INCLUDE_DEPTH = 16;

bool is_name_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool is_name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

int digit_value(char c) {
  return std::isdigit(static_cast<unsigned char>(c))
             ? c - '0'
             : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

class Lexer {
 public:
  explicit Lexer(std::span<const SourceFile> includes) : includes_(includes) {}

  void read_file(const SourceFile& file, int depth) {
    if (depth > MAX_INCLUDE_DEPTH)
      throw RcSyntaxError{std::string(file.name) + ": includes nest too deep"};
    std::size_t line_start = 0;
    int line = 1;
    bool in_comment = false;
    while (line_start < file.text.size()) {
      std::size_t line_end = logical_line_end(file.text, line_start);
      const std::string_view text = file.text.substr(line_start, line_end - line_start);
      const std::size_t first = text.find_first_not_of(" \t");
      if (!in_comment && first != std::string_view::npos && text[first] == '#') {
        directive(text.substr(first + 1), file, line, depth);
      } else {
        in_comment = scan(text, file.name, line, in_comment, true, tokens_);
      }
      line += static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
      line_start = line_end + 1;
    }
  }

  std::vector<RcToken> take_tokens() { return std::move(tokens_); }

 private:
  // A line ends at a newline not escaped by a backslash.
  static std::size_t logical_line_end(std::string_view text, std::size_t from) {
    std::size_t end = text.find('\n', from);
    while (end != std::string_view::npos && end > from && text[end - 1] == '\\') {
      end = text.find('\n', end + 1);
    }
    return end == std::string_view::npos ? text.size() : end;
  }

  void directive(std::string_view text, const SourceFile& file, int line, int depth) {
    std::vector<RcToken> words;
    scan(text, file.name, line, false, false, words);
    if (words.empty() || words[0].kind != RcTokenKind::name) return;
    const std::string& keyword = words[0].text;
    if (keyword == "include" && words.size() > 1 && words[1].kind == RcTokenKind::string) {
      include(words[1], depth);
    } else if (keyword == "define" && words.size() > 1 && words[1].kind == RcTokenKind::name) {
      const std::size_t name_end = text.find(words[1].text, keyword.size()) + words[1].text.size();
      if (name_end < text.size() && text[name_end] == '(') {
        throw RcSyntaxError{error_at(words[1], "macros with arguments are not supported")};
      }
      defines_[words[1].text].assign(words.begin() + 2, words.end());
    } else if (keyword == "undef" && words.size() > 1) {
      defines_.erase(words[1].text);
    }
  }

  void include(const RcToken& name, int depth) {
    const auto found = std::find_if(includes_.begin(), includes_.end(),
                                    [&name](const SourceFile& f) { return f.name == name.text; });
    if (found == includes_.end())
      throw RcSyntaxError{error_at(name, "cannot find \"" + name.text + "\"")};
    read_file(*found, depth + 1);
  }

  // Scans one line into `out`, replacing defined names when `expand`;
  // returns whether a block comment is still open.
  bool scan(std::string_view text, std::string_view file, int line, bool in_comment, bool expand,
            std::vector<RcToken>& out) {
    std::size_t i = 0;
    while (i < text.size()) {
      const char c = text[i];
      if (in_comment) {
        const std::size_t close = text.find("*/", i);
        if (close == std::string_view::npos) return true;
        line +=
            static_cast<int>(std::count(text.begin() + static_cast<std::ptrdiff_t>(i),
                                        text.begin() + static_cast<std::ptrdiff_t>(close), '\n'));
        in_comment = false;
        i = close + 2;
      } else if (c == '\n') {
        ++line;
        ++i;
      } else if (std::isspace(static_cast<unsigned char>(c)) || c == '\\') {
        ++i;
      } else if (text.substr(i, 2) == "//") {
        i = std::min(text.size(), text.find('\n', i));
      } else if (text.substr(i, 2) == "/*") {
        in_comment = true;
        i += 2;
      } else if (c == '"' || (c == 'L' && i + 1 < text.size() && text[i + 1] == '"')) {
        i = scan_string(text, i + (c == 'L' ? 1 : 0),
                        RcToken{RcTokenKind::string, "", 0, file, line}, out);
      } else if (std::isdigit(static_cast<unsigned char>(c))) {
        i = scan_number(text, i, RcToken{RcTokenKind::number, "", 0, file, line}, out);
      } else if (is_name_start(c)) {
        std::size_t end = i;
        while (end < text.size() && is_name_char(text[end])) ++end;
        RcToken name{RcTokenKind::name, std::string(text.substr(i, end - i)), 0, file, line};
        if (expand) {
          add_name(name, out);
        } else {
          out.push_back(std::move(name));
        }
        i = end;
      } else {
        out.push_back(RcToken{RcTokenKind::symbol, std::string(1, c), 0, file, line});
        ++i;
      }
    }
    return in_comment;
  }

  // A quoted text: "" and \" both stand for a quote; \\, \n, \t, \r as in C.
  static std::size_t scan_string(std::string_view text, std::size_t open, RcToken token,
                                 std::vector<RcToken>& out) {
    std::size_t i = open + 1;
    for (;;) {
      if (i >= text.size()) throw RcSyntaxError{error_at(token, "unterminated string")};
      const char c = text[i];
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        token.text += '"';
        i += 2;
      } else if (c == '"') {
        out.push_back(std::move(token));
        return i + 1;
      } else if (c == '\\' && i + 1 < text.size()) {
        const char escaped = text[i + 1];
        token.text += escaped == 'n'   ? '\n'
                      : escaped == 't' ? '\t'
                      : escaped == 'r' ? '\r'
                                       : escaped;
        i += 2;
      } else {
        token.text += c;
        ++i;
      }
    }
  }

  // Decimal or 0x hexadecimal, with an optional L or U suffix.
  static std::size_t scan_number(std::string_view text, std::size_t i, RcToken token,
                                 std::vector<RcToken>& out) {
    const bool hex = text.substr(i, 2) == "0x" || text.substr(i, 2) == "0X";
    std::size_t end = hex ? i + 2 : i;
    while (end < text.size() && (hex ? std::isxdigit(static_cast<unsigned char>(text[end]))
                                     : std::isdigit(static_cast<unsigned char>(text[end])))) {
      token.value = token.value * (hex ? 16 : 10) + digit_value(text[end]);
      // Resource numbers are 32 bits wide; a longer one would overflow here.
      if (token.value > 0xFFFFFFFFLL) throw RcSyntaxError{error_at(token, "number out of range")};
      ++end;
    }
    while (end < text.size() && std::string_view("LlUu").find(text[end]) != std::string_view::npos)
      ++end;
    if (end < text.size() && is_name_char(text[end]))
      throw RcSyntaxError{error_at(token, "malformed number")};
    token.text = std::string(text.substr(i, end - i));
    out.push_back(std::move(token));
    return end;
  }

  // A defined name stands for its tokens, themselves expanded, at the place of use.
  void add_name(const RcToken& name, std::vector<RcToken>& out) {
    const auto found = defines_.find(name.text);
    if (found == defines_.end() || expanding_.count(name.text) != 0) {
      out.push_back(name);
      return;
    }
    expanding_.insert(name.text);
    for (RcToken token : found->second) {
      token.file = name.file;
      token.line = name.line;
      if (token.kind == RcTokenKind::name) {
        add_name(token, out);
      } else {
        out.push_back(std::move(token));
      }
    }
    expanding_.erase(name.text);
  }

  std::span<const SourceFile> includes_;
  std::map<std::string, std::vector<RcToken>> defines_;
  std::set<std::string> expanding_;
  std::vector<RcToken> tokens_;
};

}  // namespace

std::string error_at(const RcToken& token, std::string_view what) {
  return std::string(token.file) + ":" + std::to_string(token.line) + ": " + std::string(what);
}

std::vector<RcToken> tokenize_resource_script(const SourceFile& script,
                                              std::span<const SourceFile> includes) {
  Lexer lexer(includes);
  lexer.read_file(script, 0);
  return lexer.take_tokens();
}

}  // namespace quelrin
