// The Win32 dialog manager's rules that the portable managers follow:
// Enter, the close box, radio groups, the first tab stop, an edit's
// selection and a drop-down list's text.
#include "dialog/dialog_rules.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "dialog/rc_reader.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

// Dialog 1 has a default button, a Cancel button and two radio groups, a
// check box in the first, the last running to the end; dialog 2 has no
// default button.
const ResourceScript& script() {
  static const ResourceScript read = read_resource_script(SourceFile{"rules.rc", R"(
        1 DIALOG 0, 0, 100, 100
        BEGIN
          EDITTEXT 10, 0, 0, 10, 10, WS_TABSTOP
          PUSHBUTTON "Limpar", 11, 0, 0, 10, 10, WS_TABSTOP
          DEFPUSHBUTTON "Salvar", 12, 0, 0, 10, 10, WS_TABSTOP
          PUSHBUTTON "Cancelar", 2, 0, 0, 10, 10, WS_TABSTOP
          AUTORADIOBUTTON "a", 20, 0, 0, 10, 10, WS_GROUP | WS_TABSTOP
          AUTOCHECKBOX "x", 40, 0, 0, 10, 10
          AUTORADIOBUTTON "b", 21, 0, 0, 10, 10
          AUTORADIOBUTTON "c", 30, 0, 0, 10, 10, WS_GROUP | WS_TABSTOP
          AUTORADIOBUTTON "d", 31, 0, 0, 10, 10
        END
        2 DIALOG 0, 0, 100, 100
        BEGIN
          PUSHBUTTON "Limpar", 11, 0, 0, 10, 10, WS_TABSTOP
        END)"},
                                                          {})
                                         .script;
  return read;
}

const DialogTemplate& dialog(int id) { return *find_dialog(script(), id); }

const ControlTemplate* control(const DialogTemplate& dialog, int id) {
  for (const ControlTemplate& c : dialog.controls) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

// Every control enabled but those listed.
IsEnabled enabled_but(std::vector<int> disabled) {
  return [disabled = std::move(disabled)](const ControlTemplate& c) {
    return std::find(disabled.begin(), disabled.end(), c.id) == disabled.end();
  };
}

TEST(DialogRules, EnterGoesToAFocusedPushButtonElseToTheDefaultOneElseIsIdok) {
  const DialogTemplate& editor = dialog(1);
  EXPECT_EQ(enter_command(editor, control(editor, 11), enabled_but({})), 11);
  EXPECT_EQ(enter_command(editor, control(editor, 10), enabled_but({})), 12);
  EXPECT_EQ(enter_command(editor, nullptr, enabled_but({})), 12);
  EXPECT_EQ(enter_command(editor, control(editor, 20), enabled_but({})), 12);
  // A disabled button that would take it sends nothing.
  EXPECT_EQ(enter_command(editor, control(editor, 10), enabled_but({12})), std::nullopt);
  EXPECT_EQ(enter_command(editor, control(editor, 11), enabled_but({11})), std::nullopt);
  EXPECT_EQ(enter_command(dialog(2), nullptr, enabled_but({IDOK})), IDOK);
}

TEST(DialogRules, AnUnhandledCloseIsCancelUnlessCancelIsThereAndDisabled) {
  EXPECT_TRUE(close_sends_cancel(dialog(1), enabled_but({})));
  EXPECT_FALSE(close_sends_cancel(dialog(1), enabled_but({IDCANCEL})));
  EXPECT_TRUE(close_sends_cancel(dialog(2), enabled_but({IDCANCEL})));
}

TEST(DialogRules, ARadioButtonCheckedUnchecksTheOthersOfItsGroupOnly) {
  const DialogTemplate& editor = dialog(1);
  std::vector<std::pair<int, bool>> checks;
  const SetCheck record = [&](std::size_t index, bool checked) {
    checks.emplace_back(editor.controls[index].id, checked);
  };
  check_in_group(editor, 6, record);  // "b"
  EXPECT_THAT(checks, ElementsAre(Pair(20, false), Pair(21, true)));
  checks.clear();
  check_in_group(editor, 7, record);  // "c": its group runs to the end
  EXPECT_THAT(checks, ElementsAre(Pair(30, true), Pair(31, false)));
}

TEST(DialogRules, TheFirstTabStopSkipsDisabledControlsAndIsARadioGroupsCheckedButton) {
  const DialogTemplate& editor = dialog(1);
  std::vector<KeyboardControl> keys;
  for (const ControlTemplate& c : editor.controls)
    keys.push_back(keyboard_control(c, c.id < 20 && c.id != 10, c.id == 21));
  EXPECT_EQ(first_tab_stop(keys), 1);
  for (KeyboardControl& key : keys) key.usable = !key.tab_stop || key.radio;
  EXPECT_EQ(first_tab_stop(keys), 6);  // "b", checked, not "a", the group's stop
}

TEST(DialogRules, EditSelectionKeepsItsOrderWithinTheTextAndANegativeStartSelectsNothing) {
  auto ends = [](std::optional<EditSelection> s) {
    return s ? std::pair(s->from, s->to) : std::pair(-9, -9);
  };
  EXPECT_EQ(ends(edit_selection(3, 1, 2)), std::pair(1, 2));
  EXPECT_EQ(ends(edit_selection(3, 2, -1)), std::pair(2, 3));
  EXPECT_EQ(ends(edit_selection(3, 9, 0)), std::pair(3, 0));
  EXPECT_EQ(ends(edit_selection(3, 0, 7)), std::pair(0, 3));
  EXPECT_EQ(edit_selection(3, -1, 2), std::nullopt);
}

TEST(DialogRules, ADropDownListsTextIsItsSelectedEntryWithinTheRoom) {
  EXPECT_TRUE(text_is_selection(ControlKind::combo_box));
  EXPECT_FALSE(text_is_selection(ControlKind::list_box));
  ListModel list;
  list.add("Peng-Robinson");
  EXPECT_EQ(selection_text(list, 64), "");
  list.select(0);
  EXPECT_EQ(selection_text(list, 5), "Peng");
}

}  // namespace
}  // namespace quelrin
