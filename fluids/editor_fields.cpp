// Validation, clearing, reading and filling of the editor's fields.
#include "fluids/editor_fields.hpp"

#include "text/cp1252.hpp"
#include "text/number_text.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

// Room for a number field's whole text, terminator included.
constexpr int NUMBER_ROOM = 1024;
// Room of the name: 23 characters decide whether it is empty, 39 are kept.
constexpr int NAME_CHECK_ROOM = 24;
constexpr int NAME_ROOM = 40;

constexpr int NUMBER_FIELDS[] = {IDC_EDITOR_CONSTANT_1, IDC_EDITOR_CONSTANT_2,
                                 IDC_EDITOR_CONSTANT_3, IDC_EDITOR_CONSTANT_4,
                                 IDC_EDITOR_PC,         IDC_EDITOR_TC,
                                 IDC_EDITOR_ACENTRIC};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// An 'e' or 'E' right after the mantissa's digits, the only one, followed by
// an optional sign and at least one digit: the exponent "%g" itself writes.
bool is_exponent_at(const std::string& text, std::size_t i) {
  if (text[i] != 'e' && text[i] != 'E') return false;
  if (text.find_first_of("eE") != i) return false;
  const bool after_digits =
      (i >= 1 && is_digit(text[i - 1])) || (i >= 2 && text[i - 1] == '.' && is_digit(text[i - 2]));
  std::size_t next = i + 1;
  if (next < text.size() && (text[next] == '+' || text[next] == '-')) ++next;
  return after_digits && next < text.size() && is_digit(text[next]);
}

void refuse_at(Dialog& editor, int id, std::size_t position) {
  editor.set_focus(id);
  editor.select_text(id, static_cast<int>(position), static_cast<int>(position) + 1);
}

int validate_number_field(Dialog& editor, int id) {
  std::string text = editor.get_text(id, NUMBER_ROOM);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ',') {
      text[i] = '.';
      editor.set_text(id, text);
    }
    const bool refused = (is_cp1252_letter(text[i]) && !is_exponent_at(text, i)) || is_c_space(text[i]);
    if (refused) {
      refuse_at(editor, id, i);
      return FIELD_REFUSED_CHARACTER;
    }
  }
  if (text.empty()) {
    editor.set_focus(id);
    return FIELD_EMPTY;
  }
  return FIELDS_ACCEPTED;
}

void set_constants(Dialog& editor, int first_id, int last_id, const char* text) {
  for (int id = first_id; id <= last_id; ++id) editor.set_text(id, text);
}

// Opens the first `open` constants to typing and closes the others.
void enable_constants(Dialog& editor, int open) {
  for (int i = 0; i < 4; ++i) editor.enable(IDC_EDITOR_CONSTANT_1 + i, i < open);
}

}  // namespace

int validate_editor_fields(Dialog& editor) {
  if (editor.get_text(IDC_EDITOR_NAME, NAME_CHECK_ROOM).empty()) {
    editor.set_focus(IDC_EDITOR_NAME);
    return FIELD_EMPTY;
  }
  // A name is one token of the file: a blank in it would split the record.
  const std::string name = editor.get_text(IDC_EDITOR_NAME, NAME_ROOM);
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (is_c_space(name[i])) {
      refuse_at(editor, IDC_EDITOR_NAME, i);
      return NAME_HOLDS_BLANK;
    }
  }
  for (int id : NUMBER_FIELDS) {
    const int status = validate_number_field(editor, id);
    if (status != FIELDS_ACCEPTED) return status;
  }
  return FIELDS_ACCEPTED;
}

void clear_editor_fields(Dialog& editor) {
  editor.set_text(IDC_EDITOR_NAME, "");
  for (int id : NUMBER_FIELDS) editor.set_text(id, "");
  if (editor.is_checked(IDC_EDITOR_ANTOINE)) {
    editor.set_text(IDC_EDITOR_CONSTANT_4, "0");
  } else if (editor.is_checked(IDC_EDITOR_ENVELOPE)) {
    set_constants(editor, IDC_EDITOR_CONSTANT_1, IDC_EDITOR_CONSTANT_4, "0");
  }
}

void select_antoine_mode(Dialog& editor) {
  editor.set_text(IDC_EDITOR_CONSTANT_4, "0");
  enable_constants(editor, 3);
  editor.set_check(IDC_EDITOR_WAGNER, false);
  editor.set_check(IDC_EDITOR_ENVELOPE, false);
}

void select_wagner_mode(Dialog& editor) {
  editor.set_text(IDC_EDITOR_CONSTANT_4, "");
  enable_constants(editor, 4);
  editor.set_check(IDC_EDITOR_ANTOINE, false);
  editor.set_check(IDC_EDITOR_ENVELOPE, false);
}

void select_envelope_mode(Dialog& editor) {
  set_constants(editor, IDC_EDITOR_CONSTANT_1, IDC_EDITOR_CONSTANT_4, "0");
  editor.set_check(IDC_EDITOR_WAGNER, false);
  editor.set_check(IDC_EDITOR_ANTOINE, false);
  enable_constants(editor, 0);
}

FluidRecord fluid_from_fields(Dialog& editor) {
  FluidRecord fluid;
  fluid.name = editor.get_text(IDC_EDITOR_NAME, NAME_ROOM);
  fluid.kind = editor.is_checked(IDC_EDITOR_ANTOINE)  ? KIND_ANTOINE
               : editor.is_checked(IDC_EDITOR_WAGNER) ? KIND_WAGNER
                                                      : KIND_ENVELOPE;
  const auto number = [&](int id) { return read_leading_number(editor.get_text(id, NUMBER_ROOM)); };
  for (int i = 0; i < 4; ++i) fluid.constants[i] = number(IDC_EDITOR_CONSTANT_1 + i);
  fluid.pc = number(IDC_EDITOR_PC);
  fluid.tc = number(IDC_EDITOR_TC);
  fluid.acentric_factor = number(IDC_EDITOR_ACENTRIC);
  return fluid;
}

void show_fluid(Dialog& editor, const FluidRecord& fluid) {
  // Shown in full, so that adding the fluid again never rounds what it held.
  editor.set_text(IDC_EDITOR_NAME, fluid.name);
  for (int i = 0; i < 3; ++i) {
    editor.set_text(IDC_EDITOR_CONSTANT_1 + i, format_g_exact(fluid.constants[i]));
  }
  const bool wagner = fluid.kind == KIND_WAGNER;
  const bool antoine = fluid.kind == KIND_ANTOINE;
  editor.check_radio(IDC_EDITOR_ANTOINE, IDC_EDITOR_ENVELOPE,
                     wagner ? IDC_EDITOR_WAGNER : antoine ? IDC_EDITOR_ANTOINE : IDC_EDITOR_ENVELOPE);
  enable_constants(editor, wagner ? 4 : antoine ? 3 : 0);
  editor.set_text(IDC_EDITOR_CONSTANT_4, wagner ? format_g_exact(fluid.constants[3]) : "0");
  editor.set_text(IDC_EDITOR_PC, format_g_exact(fluid.pc));
  editor.set_text(IDC_EDITOR_TC, format_g_exact(fluid.tc));
  editor.set_text(IDC_EDITOR_ACENTRIC, format_g_exact(fluid.acentric_factor));
}

}  // namespace quelrin
