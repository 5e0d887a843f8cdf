// What the Win32 dialog manager does by itself and a portable dialog manager
// has to do for it: which kinds of control are which, what Enter, the close
// box and an automatic radio button do, how an edit takes a selection of
// characters, what a drop-down list reads as its text and what ShellExecuteA
// answers. Groups, Tab and the arrow keys are in keyboard_navigation.hpp, a
// list's entries and selection in list_model.hpp. The Win32 manager has the
// real thing; every other manager asks here.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "dialog/dialog.hpp"
#include "dialog/keyboard_navigation.hpp"
#include "dialog/list_model.hpp"
#include "dialog/resource_script.hpp"

namespace quelrin {

// ShellExecuteA's answer for a document it opened (above 32 is success).
inline constexpr int SHELL_OPENED = 33;

bool is_radio(ControlKind kind);
bool is_push_button(ControlKind kind);
bool is_checkable(ControlKind kind);  // check boxes and radio buttons
// A static with SS_OWNERDRAW: the one kind of control show_drawing reaches.
bool is_owner_drawn(const ControlTemplate& control);

// How a manager tells whether one of its controls is enabled now.
using IsEnabled = std::function<bool(const ControlTemplate&)>;
// How a manager checks (true) or unchecks control `index` of its template.
using SetCheck = std::function<void(std::size_t index, bool checked)>;

// An automatic radio button clicked: it is checked and every other radio
// button of its group unchecked, before its command goes out.
void check_in_group(const DialogTemplate& dialog, std::size_t index, const SetCheck& set_check);

// CheckRadioButton: `checked_id` checked, every other id from `first_id` to
// `last_id` unchecked.
void check_radio_range(Dialog& dialog, int first_id, int last_id, int checked_id);

// The command Enter sends with `focused` (nullptr for none) holding the
// focus: a push button with the focus takes it for itself; from anywhere
// else it goes to the default push button, or is IDOK when there is none.
// Nothing when the button that would take it is disabled.
std::optional<int> enter_command(const DialogTemplate& dialog, const ControlTemplate* focused,
                                 const IsEnabled& enabled);

// Whether the default dialog procedure turns a close box its procedure left
// unhandled into IDCANCEL: always, unless a Cancel button is there and
// disabled.
bool close_sends_cancel(const DialogTemplate& dialog, const IsEnabled& enabled);

// A control of the template as the keyboard sees it: `usable` when it is
// enabled and shown, `checked` as its check is now.
KeyboardControl keyboard_control(const ControlTemplate& control, bool usable, bool checked);

// The characters of an edit selected, as EM_SETSEL takes them: the ends
// within the text, a negative or too large end meaning the end of it, in the
// order given (the caret at `to`). None selected, the caret left where it
// is, for a negative start.
struct EditSelection {
  int from;
  int to;
};
std::optional<EditSelection> edit_selection(int length, int from, int to);

// A drop-down list's text is its selected entry, the empty text when none is
// selected; other controls have their own text.
bool text_is_selection(ControlKind kind);
std::string selection_text(const ListModel& list, int room);

}  // namespace quelrin
