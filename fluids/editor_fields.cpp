// Validation, clearing, reading and filling of the editor's fields.
#include "fluids/editor_fields.hpp"

#include <cmath>
#include <string_view>

#include "resources/resource_ids.h"
#include "text/cp1252.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

// Room for a number field's whole text, terminator included.
constexpr int NUMBER_ROOM = 1024;
// Room of the name: 23 characters decide whether it is empty, and every name
// the database can hold is kept.
constexpr int NAME_CHECK_ROOM = 24;
constexpr int NAME_ROOM = static_cast<int>(MAX_NAME_BYTES) + 1;

constexpr int NUMBER_FIELDS[] = {
    IDC_EDITOR_CONSTANT_1, IDC_EDITOR_CONSTANT_2, IDC_EDITOR_CONSTANT_3, IDC_EDITOR_CONSTANT_4,
    IDC_EDITOR_PC,         IDC_EDITOR_TC,         IDC_EDITOR_ACENTRIC};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Where a number field's text stops being one number: an optional sign,
// digits with at most one decimal point or comma and at least one digit, an
// optional exponent ('e' or 'E', an optional sign, digits). The position of
// the first character out of place, or npos when the text is a number.
std::size_t number_fault_at(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  bool digit_seen = false;
  bool point_seen = false;
  for (; i < text.size(); ++i) {
    if (is_digit(text[i])) {
      digit_seen = true;
    } else if ((text[i] == '.' || text[i] == ',') && !point_seen) {
      point_seen = true;
    } else {
      break;
    }
  }
  // A sign or a point alone is no number: the last of them is out of place.
  if (!digit_seen) return i < text.size() ? i : text.size() - 1;
  if (i == text.size()) return std::string_view::npos;
  if (text[i] != 'e' && text[i] != 'E') return i;
  const std::size_t exponent_mark = i++;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t exponent_digits = i;
  while (i < text.size() && is_digit(text[i])) ++i;
  if (i == exponent_digits) return exponent_mark;  // an exponent needs its digits
  return i == text.size() ? std::string_view::npos : i;
}

void refuse_at(Dialog& editor, int id, std::size_t position) {
  editor.set_focus(id);
  editor.select_text(id, static_cast<int>(position), static_cast<int>(position) + 1);
}

int validate_number_field(Dialog& editor, int id) {
  std::string text = editor.get_text(id, NUMBER_ROOM);
  if (text.empty()) {
    editor.set_focus(id);
    return FIELD_EMPTY;
  }
  const std::size_t fault = number_fault_at(text);
  // Commas up to the fault become points, in the field too.
  if (decimal_comma_to_point(text, fault)) editor.set_text(id, text);
  if (fault != std::string_view::npos) {
    refuse_at(editor, id, fault);
    return FIELD_REFUSED_CHARACTER;
  }
  // A number beyond any double, or so small it would be stored as 0 though
  // the text is not zero, is refused whole.
  const double value = read_leading_number(text);
  const std::string_view mantissa = std::string_view(text).substr(0, text.find_first_of("eE"));
  if (!std::isfinite(value) ||
      (value == 0.0 && mantissa.find_first_of("123456789") != std::string_view::npos)) {
    editor.set_focus(id);
    editor.select_text(id, 0, static_cast<int>(text.size()));
    return FIELD_REFUSED_CHARACTER;
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
  fluid.pc_bar = number(IDC_EDITOR_PC);
  fluid.tc_k = number(IDC_EDITOR_TC);
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
                     wagner    ? IDC_EDITOR_WAGNER
                     : antoine ? IDC_EDITOR_ANTOINE
                               : IDC_EDITOR_ENVELOPE);
  enable_constants(editor, wagner ? 4 : antoine ? 3 : 0);
  editor.set_text(IDC_EDITOR_CONSTANT_4, wagner ? format_g_exact(fluid.constants[3]) : "0");
  editor.set_text(IDC_EDITOR_PC, format_g_exact(fluid.pc_bar));
  editor.set_text(IDC_EDITOR_TC, format_g_exact(fluid.tc_k));
  editor.set_text(IDC_EDITOR_ACENTRIC, format_g_exact(fluid.acentric_factor));
}

}  // namespace quelrin
