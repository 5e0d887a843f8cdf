// Recursive-descent reader of the resource-script statements Quelrin uses.
#include "dialog/rc_reader.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <string_view>
#include <vector>

namespace quelrin {
namespace {

// A control statement other than CONTROL: its kind and default styles.
struct ControlStatement {
  std::string_view keyword;
  ControlKind kind;
  bool has_text;
  std::string_view default_styles;  // names separated by '|'
};

constexpr std::array<ControlStatement, 14> CONTROL_STATEMENTS = {{
    {"LTEXT", ControlKind::static_text, true, "SS_LEFT|WS_GROUP"},
    {"RTEXT", ControlKind::static_text, true, "SS_RIGHT|WS_GROUP"},
    {"CTEXT", ControlKind::static_text, true, "SS_CENTER|WS_GROUP"},
    {"PUSHBUTTON", ControlKind::push_button, true, "BS_PUSHBUTTON|WS_TABSTOP"},
    {"DEFPUSHBUTTON", ControlKind::default_push_button, true, "BS_DEFPUSHBUTTON|WS_TABSTOP"},
    {"GROUPBOX", ControlKind::group_box, true, "BS_GROUPBOX"},
    {"CHECKBOX", ControlKind::check_box, true, "BS_CHECKBOX|WS_TABSTOP"},
    {"AUTOCHECKBOX", ControlKind::auto_check_box, true, "BS_AUTOCHECKBOX|WS_TABSTOP"},
    {"RADIOBUTTON", ControlKind::radio_button, true, "BS_RADIOBUTTON|WS_TABSTOP"},
    {"AUTORADIOBUTTON", ControlKind::auto_radio_button, true, "BS_AUTORADIOBUTTON|WS_TABSTOP"},
    {"EDITTEXT", ControlKind::edit, false, "ES_LEFT|WS_BORDER|WS_TABSTOP"},
    {"COMBOBOX", ControlKind::combo_box, false, "CBS_SIMPLE|WS_TABSTOP"},
    {"LISTBOX", ControlKind::list_box, false, "LBS_NOTIFY|WS_BORDER"},
    {"ICON", ControlKind::icon, true, "SS_ICON"},
}};

// Flags a resource may carry after its type; they mean nothing here.
constexpr std::array<std::string_view, 7> MEMORY_FLAGS = {
    "MOVEABLE", "FIXED", "PURE", "IMPURE", "PRELOAD", "LOADONCALL", "DISCARDABLE"};

constexpr std::array<std::string_view, 6> MENU_OPTIONS = {"CHECKED",  "GRAYED",       "HELP",
                                                          "INACTIVE", "MENUBARBREAK", "MENUBREAK"};

std::string upper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return result;
}

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& words, std::string_view word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

std::set<std::string> split_styles(std::string_view names) {
  std::set<std::string> styles;
  while (!names.empty()) {
    const std::size_t bar = names.find('|');
    styles.emplace(names.substr(0, bar));
    names = bar == std::string_view::npos ? std::string_view() : names.substr(bar + 1);
  }
  return styles;
}

ControlKind button_kind(const std::set<std::string>& styles) {
  constexpr std::array<std::pair<std::string_view, ControlKind>, 6> BUTTON_STYLES = {{
      {"BS_DEFPUSHBUTTON", ControlKind::default_push_button},
      {"BS_GROUPBOX", ControlKind::group_box},
      {"BS_AUTORADIOBUTTON", ControlKind::auto_radio_button},
      {"BS_RADIOBUTTON", ControlKind::radio_button},
      {"BS_AUTOCHECKBOX", ControlKind::auto_check_box},
      {"BS_CHECKBOX", ControlKind::check_box},
  }};
  for (const auto& [style, kind] : BUTTON_STYLES) {
    if (styles.count(std::string(style)) != 0) return kind;
  }
  return ControlKind::push_button;
}

void read_control_flags(ControlTemplate& control) {
  const auto has = [&control](const char* style) { return control.styles.count(style) != 0; };
  control.enabled = !has("WS_DISABLED");
  control.tab_stop = has("WS_TABSTOP");
  control.group_start = has("WS_GROUP");
  control.sorted = has("LBS_SORT") || has("CBS_SORT") || has("LBS_STANDARD");
  control.read_only = has("ES_READONLY");
  control.notifies = has("LBS_NOTIFY") || has("LBS_STANDARD");
}

class Reader {
 public:
  explicit Reader(std::vector<RcToken> tokens) : tokens_(std::move(tokens)) {}

  ResourceScript read() {
    while (!at_end()) statement();
    return std::move(script_);
  }

 private:
  // --- tokens ---

  bool at_end() const { return position_ >= tokens_.size(); }

  const RcToken& peek() const {
    if (at_end())
      throw RcSyntaxError{tokens_.empty() ? "empty script"
                                          : error_at(tokens_.back(), "unexpected end")};
    return tokens_[position_];
  }

  const RcToken& next() {
    const RcToken& token = peek();
    ++position_;
    return token;
  }

  bool peek_symbol(char symbol) const {
    return !at_end() && peek().kind == RcTokenKind::symbol && peek().text[0] == symbol;
  }

  bool peek_keyword(std::string_view keyword) const {
    return !at_end() && peek().kind == RcTokenKind::name && upper(peek().text) == keyword;
  }

  bool accept_symbol(char symbol) {
    if (!peek_symbol(symbol)) return false;
    ++position_;
    return true;
  }

  bool accept_keyword(std::string_view keyword) {
    if (!peek_keyword(keyword)) return false;
    ++position_;
    return true;
  }

  void expect_comma() {
    if (!accept_symbol(',')) throw RcSyntaxError{error_at(peek(), "expected ','")};
  }

  bool accept_begin() { return accept_keyword("BEGIN") || accept_symbol('{'); }
  bool accept_end() { return accept_keyword("END") || accept_symbol('}'); }

  void expect_begin() {
    if (!accept_begin()) throw RcSyntaxError{error_at(peek(), "expected BEGIN")};
  }

  std::string string() {
    const RcToken& token = next();
    if (token.kind != RcTokenKind::string)
      throw RcSyntaxError{error_at(token, "expected a quoted text")};
    return token.text;
  }

  // A string, or a number or name where the script gives an ordinal.
  std::string text_or_ordinal() {
    if (peek().kind == RcTokenKind::string) return string();
    if (peek().kind == RcTokenKind::name) return next().text;
    return std::to_string(integer());
  }

  // --- numbers and styles ---

  int integer() {
    const RcToken& start = peek();
    const long long value = sum();
    if (value < INT_MIN || value > INT_MAX)
      throw RcSyntaxError{error_at(start, "number out of range")};
    return static_cast<int>(value);
  }

  long long sum() {
    long long value = unary();
    for (;;) {
      if (accept_symbol('|')) {
        value |= unary();
      } else if (accept_symbol('+')) {
        value += unary();
      } else if (accept_symbol('-')) {
        value -= unary();
      } else {
        return value;
      }
    }
  }

  long long unary() {
    if (accept_symbol('-')) return -unary();
    if (accept_symbol('~')) return ~unary();
    if (accept_symbol('(')) {
      const long long value = sum();
      if (!accept_symbol(')')) throw RcSyntaxError{error_at(peek(), "expected ')'")};
      return value;
    }
    const RcToken& token = next();
    if (token.kind == RcTokenKind::name)
      throw RcSyntaxError{error_at(token, "unknown name " + token.text)};
    if (token.kind != RcTokenKind::number)
      throw RcSyntaxError{error_at(token, "expected a number")};
    return token.value;
  }

  // Applies a style expression, left to right, to `styles`.
  void styles(std::set<std::string>& styles) {
    do {
      style_term(styles);
    } while (accept_symbol('|'));
  }

  void style_term(std::set<std::string>& styles) {
    const bool remove = accept_keyword("NOT");
    if (accept_symbol('(')) {
      if (remove) throw RcSyntaxError{error_at(peek(), "NOT applies to one style")};
      this->styles(styles);
      if (!accept_symbol(')')) throw RcSyntaxError{error_at(peek(), "expected ')'")};
      return;
    }
    const RcToken& token = next();
    if (token.kind == RcTokenKind::number && token.value == 0) return;
    if (token.kind != RcTokenKind::name)
      throw RcSyntaxError{error_at(token, "styles must be given by name")};
    if (remove) {
      styles.erase(token.text);
    } else {
      styles.insert(token.text);
    }
  }

  DialogRectangle rectangle() {
    DialogRectangle r;
    r.x = integer();
    expect_comma();
    r.y = integer();
    expect_comma();
    r.width = integer();
    expect_comma();
    r.height = integer();
    return r;
  }

  // --- resources ---

  // LANGUAGE primary, secondary: by number or by the platform's names.
  void language() {
    text_or_ordinal();
    expect_comma();
    text_or_ordinal();
  }

  void statement() {
    if (accept_keyword("LANGUAGE")) {
      language();
      return;
    }
    const int id = integer();
    const RcToken& type_token = next();
    const std::string type = upper(type_token.text);
    while (!at_end() && peek().kind == RcTokenKind::name &&
           contains(MEMORY_FLAGS, upper(peek().text)))
      next();
    if (type == "DIALOG" || type == "DIALOGEX") {
      dialog(id, type == "DIALOGEX");
    } else if (type == "MENU") {
      MenuTemplate menu{id, {}};
      menu_items(menu.items);
      script_.menus.push_back(std::move(menu));
    } else if (type == "ICON") {
      script_.icons.push_back(IconResource{id, string()});
    } else if (type == "VERSIONINFO") {
      skip_block();  // the file's properties: no dialog shows them
    } else {
      throw RcSyntaxError{error_at(type_token, "unsupported resource type " + type_token.text)};
    }
  }

  // Skips a resource's fixed part and its BEGIN ... END body, nested blocks
  // included.
  void skip_block() {
    while (!accept_begin()) next();
    for (int depth = 1; depth > 0;) {
      if (accept_begin()) {
        ++depth;
      } else if (accept_end()) {
        --depth;
      } else {
        next();
      }
    }
  }

  void dialog(int id, bool extended) {
    DialogTemplate dialog;
    dialog.id = id;
    dialog.rectangle = rectangle();
    if (extended && accept_symbol(',')) integer();  // help id
    bool styled = false;
    while (!accept_begin()) {
      const RcToken& option = next();
      const std::string keyword = upper(option.text);
      if (keyword == "STYLE") {
        styles(dialog.styles);
        styled = true;
      } else if (keyword == "EXSTYLE") {
        std::set<std::string> ignored;
        styles(ignored);
      } else if (keyword == "CAPTION") {
        dialog.caption = string();
      } else if (keyword == "CLASS") {
        dialog.class_name = text_or_ordinal();
      } else if (keyword == "MENU") {
        dialog.menu_id = integer();
      } else if (keyword == "FONT") {
        font(dialog, extended);
      } else if (keyword == "LANGUAGE") {
        language();
      } else if (keyword == "CHARACTERISTICS" || keyword == "VERSION") {
        integer();
      } else {
        throw RcSyntaxError{error_at(option, "unexpected " + option.text + " before BEGIN")};
      }
    }
    if (!styled) dialog.styles = {"WS_POPUP", "WS_BORDER", "WS_SYSMENU"};
    if (!dialog.caption.empty()) dialog.styles.insert("WS_CAPTION");
    while (!accept_end()) dialog.controls.push_back(control(extended));
    script_.dialogs.push_back(std::move(dialog));
  }

  void font(DialogTemplate& dialog, bool extended) {
    dialog.font_size = integer();
    expect_comma();
    dialog.font_name = string();
    // DIALOGEX fonts may add weight, italic and character set.
    for (int extra = 0; extended && extra < 3 && accept_symbol(','); ++extra) integer();
  }

  ControlTemplate control(bool extended) {
    const RcToken& keyword_token = next();
    const std::string keyword = upper(keyword_token.text);
    ControlTemplate control;
    if (keyword == "CONTROL") {
      generic_control(control);
    } else {
      const auto statement =
          std::find_if(CONTROL_STATEMENTS.begin(), CONTROL_STATEMENTS.end(),
                       [&keyword](const ControlStatement& s) { return s.keyword == keyword; });
      if (statement == CONTROL_STATEMENTS.end()) {
        throw RcSyntaxError{error_at(keyword_token, "unsupported control " + keyword_token.text)};
      }
      control.kind = statement->kind;
      control.styles = split_styles(statement->default_styles);
      if (statement->has_text) {
        control.text = text_or_ordinal();
        expect_comma();
      }
      control.id = integer();
      expect_comma();
      control.rectangle.x = integer();
      expect_comma();
      control.rectangle.y = integer();
      // An icon takes its size from the image unless the script gives one.
      if (control.kind != ControlKind::icon || peek_symbol(',')) {
        expect_comma();
        control.rectangle.width = integer();
        expect_comma();
        control.rectangle.height = integer();
      }
      if (accept_symbol(',')) styles(control.styles);
    }
    if (accept_symbol(',')) {
      std::set<std::string> extended_styles;
      styles(extended_styles);
    }
    if (extended && accept_symbol(',')) integer();  // help id
    read_control_flags(control);
    return control;
  }

  // CONTROL text, id, class, style, x, y, width, height
  void generic_control(ControlTemplate& control) {
    control.text = text_or_ordinal();
    expect_comma();
    control.id = integer();
    expect_comma();
    const RcToken& class_token = peek();
    const std::string class_name = upper(text_or_ordinal());
    expect_comma();
    styles(control.styles);
    expect_comma();
    control.rectangle = rectangle();
    if (class_name == "BUTTON") {
      control.kind = button_kind(control.styles);
    } else if (class_name == "EDIT") {
      control.kind = ControlKind::edit;
    } else if (class_name == "STATIC") {
      control.kind =
          control.styles.count("SS_ICON") != 0 ? ControlKind::icon : ControlKind::static_text;
    } else if (class_name == "COMBOBOX") {
      control.kind = ControlKind::combo_box;
    } else if (class_name == "LISTBOX") {
      control.kind = ControlKind::list_box;
    } else {
      throw RcSyntaxError{error_at(class_token, "unsupported control class " + class_token.text)};
    }
  }

  void menu_items(std::vector<MenuItem>& items) {
    expect_begin();
    while (!accept_end()) {
      const RcToken& keyword = next();
      MenuItem item;
      if (upper(keyword.text) == "POPUP") {
        item.kind = MenuItemKind::popup;
        item.text = string();
        menu_options();
        menu_items(item.items);
      } else if (upper(keyword.text) != "MENUITEM") {
        throw RcSyntaxError{error_at(keyword, "expected MENUITEM or POPUP")};
      } else if (accept_keyword("SEPARATOR")) {
        item.kind = MenuItemKind::separator;
      } else {
        item.text = string();
        expect_comma();
        item.id = integer();
        menu_options();
      }
      items.push_back(std::move(item));
    }
  }

  // CHECKED, GRAYED and the like, after commas or blanks: the manager has no use for them.
  void menu_options() {
    for (;;) {
      const std::size_t before = position_;
      accept_symbol(',');
      if (!at_end() && peek().kind == RcTokenKind::name &&
          contains(MENU_OPTIONS, upper(peek().text))) {
        next();
      } else {
        position_ = before;
        return;
      }
    }
  }

  std::vector<RcToken> tokens_;
  std::size_t position_ = 0;
  ResourceScript script_;
};

}  // namespace

ResourceReading read_resource_script(const SourceFile& script,
                                     std::span<const SourceFile> includes) {
  ResourceReading reading;
  try {
    reading.script = Reader(tokenize_resource_script(script, includes)).read();
  } catch (const RcSyntaxError& error) {
    reading.error = error.message;
  }
  return reading;
}

}  // namespace quelrin
