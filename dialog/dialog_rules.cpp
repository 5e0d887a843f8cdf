// The Win32 dialog manager's own behaviour, for the managers that have to
// reproduce it.
#include "dialog/dialog_rules.hpp"

#include <algorithm>

#include "dialog/text_room.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

const ControlTemplate* find_control(const DialogTemplate& dialog, int id) {
  const auto found =
      std::find_if(dialog.controls.begin(), dialog.controls.end(),
                   [id](const ControlTemplate& control) { return control.id == id; });
  return found == dialog.controls.end() ? nullptr : &*found;
}

}  // namespace

bool is_radio(ControlKind kind) {
  return kind == ControlKind::radio_button || kind == ControlKind::auto_radio_button;
}

bool is_push_button(ControlKind kind) {
  return kind == ControlKind::push_button || kind == ControlKind::default_push_button;
}

bool is_checkable(ControlKind kind) {
  return is_radio(kind) || kind == ControlKind::check_box || kind == ControlKind::auto_check_box;
}

bool is_owner_drawn(const ControlTemplate& control) {
  return control.styles.count("SS_OWNERDRAW") != 0;
}

void check_in_group(const DialogTemplate& dialog, std::size_t index, const SetCheck& set_check) {
  const ControlGroup group = group_around(dialog.controls, index);
  for (std::size_t i = group.first; i < group.last; ++i) {
    if (is_radio(dialog.controls[i].kind)) set_check(i, i == index);
  }
}

void check_radio_range(Dialog& dialog, int first_id, int last_id, int checked_id) {
  for (int id = first_id; id <= last_id; ++id) dialog.set_check(id, id == checked_id);
}

std::optional<int> enter_command(const DialogTemplate& dialog, const ControlTemplate* focused,
                                 const IsEnabled& enabled) {
  const ControlTemplate* button =
      focused != nullptr && is_push_button(focused->kind) ? focused : nullptr;
  if (button == nullptr) {
    const auto default_button = std::find_if(
        dialog.controls.begin(), dialog.controls.end(),
        [](const ControlTemplate& c) { return c.kind == ControlKind::default_push_button; });
    if (default_button == dialog.controls.end()) return IDOK;
    button = &*default_button;
  }
  if (!enabled(*button)) return std::nullopt;
  return button->id;
}

bool close_sends_cancel(const DialogTemplate& dialog, const IsEnabled& enabled) {
  const ControlTemplate* cancel = find_control(dialog, IDCANCEL);
  return cancel == nullptr || enabled(*cancel);
}

KeyboardControl keyboard_control(const ControlTemplate& control, bool usable, bool checked) {
  KeyboardControl keys;
  keys.tab_stop = control.tab_stop;
  keys.group_start = control.group_start;
  keys.radio = is_radio(control.kind);
  keys.usable = usable;
  keys.checked = checked;
  return keys;
}

std::optional<EditSelection> edit_selection(int length, int from, int to) {
  if (from < 0) return std::nullopt;
  return EditSelection{std::min(from, length), to < 0 ? length : std::min(to, length)};
}

bool text_is_selection(ControlKind kind) { return kind == ControlKind::combo_box; }

std::string selection_text(const ListModel& list, int room) {
  return text_within_room(list.text(list.selection()), room);
}

}  // namespace quelrin
