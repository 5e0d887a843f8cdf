// The in-memory dialog: what its operations and the user's actions do to
// the controls, and which events reach the procedure.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialog/program_resources.hpp"
#include "headless_fixture.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

using test::Command;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A dialog of the program's own resources, opened on a recording procedure.
class OpenDialog : public ::testing::Test {
 protected:
  HeadlessDialog& open(int template_id,
                       const ResourceScript& resources = program_resources().script) {
    dialog_.emplace(*find_dialog(resources, template_id), procedure, bench_.host);
    dialog_->open();
    return *dialog_;
  }

  test::RecordingProcedure procedure;

 private:
  test::HeadlessBench bench_{program_resources().script};
  std::optional<HeadlessDialog> dialog_;
};

// A small dialog with no default push button and a disabled Cancel.
const ResourceScript& bare_resources() {
  static const ResourceScript script = read_resource_script(SourceFile{"bare.rc", R"(
        7 DIALOG 0, 0, 100, 100
        BEGIN
          LTEXT "Nome:", -1, 0, 0, 10, 10
          PUSHBUTTON "Cancelar", 2, 0, 0, 10, 10, WS_DISABLED
        END)"},
                                                            {})
                                           .script;
  return script;
}

// --- text ---

using Text = OpenDialog;

TEST_F(Text, GetTextKeepsRoomForTheTerminator) {
  HeadlessDialog& main = open(IDD_MAIN);
  main.set_text(IDC_TEMPERATURE_EDIT, cp1252<"Nitrogênio">);
  EXPECT_EQ(main.get_text(IDC_TEMPERATURE_EDIT, 5), "Nitr");
  EXPECT_EQ(main.get_text(IDC_TEMPERATURE_EDIT, 11), cp1252<"Nitrogênio">);
  EXPECT_EQ(main.get_text(IDC_TEMPERATURE_EDIT, 1), "");
  EXPECT_EQ(main.get_text(IDC_TEMPERATURE_EDIT, 0), "");
}

TEST_F(Text, SelectionIsKeptInOrderAndClearedBySettingTheText) {
  HeadlessDialog& editor = open(IDD_EDITOR);
  const ControlState& pc = *editor.control(IDC_EDITOR_PC);
  editor.set_text(IDC_EDITOR_PC, "1e5");
  editor.select_text(IDC_EDITOR_PC, 9, 0);
  EXPECT_EQ(std::pair(pc.selected_from, pc.selected_to), std::pair(0, 3));
  editor.select_text(IDC_EDITOR_PC, -1, 2);
  EXPECT_EQ(pc.selected_to, 0);
  editor.select_text(IDC_EDITOR_PC, 0, 1);
  editor.set_text(IDC_EDITOR_PC, "15");
  EXPECT_EQ(pc.selected_to, 0);
}

// --- buttons and keys ---

using Buttons = OpenDialog;

TEST_F(Buttons, AutomaticRadioButtonMovesTheCheckWithinItsGroupBeforeTheCommand) {
  HeadlessDialog& units = open(IDD_UNITS);
  units.check_radio(IDC_PRESSURE_BAR, IDC_PRESSURE_MMHG, IDC_PRESSURE_BAR);
  units.check_radio(IDC_TEMPERATURE_K, IDC_TEMPERATURE_F, IDC_TEMPERATURE_K);
  bool checked_at_command = false;
  procedure.react = [&](Dialog& dialog, int) {
    checked_at_command = dialog.is_checked(IDC_PRESSURE_KPA);
  };
  EXPECT_EQ(units.click(IDC_PRESSURE_KPA), "");
  EXPECT_TRUE(checked_at_command);
  EXPECT_FALSE(units.is_checked(IDC_PRESSURE_BAR));
  EXPECT_TRUE(units.is_checked(IDC_TEMPERATURE_K));  // the other group
  units.click(IDC_TEMPERATURE_F);                    // the last group runs to the end
  EXPECT_FALSE(units.is_checked(IDC_TEMPERATURE_K));
  EXPECT_TRUE(units.is_checked(IDC_PRESSURE_KPA));
  EXPECT_THAT(procedure.commands,
              ElementsAre(Command{IDC_PRESSURE_KPA, 0}, Command{IDC_TEMPERATURE_F, 0}));
  EXPECT_EQ(units.focus()->control->id, IDC_TEMPERATURE_F);
}

TEST_F(Buttons, AFocusedPushButtonTakesEnterAndOtherControlsPassItToTheDefault) {
  HeadlessDialog& editor = open(IDD_EDITOR);
  editor.click(IDC_EDITOR_CLEAR);
  editor.press_enter();
  editor.type(IDC_EDITOR_NAME, "x");
  editor.press_enter();
  editor.click(IDC_EDITOR_WAGNER);
  editor.press_enter();
  editor.set_focus(IDC_EDITOR_EXIT);
  editor.enable(IDC_EDITOR_EXIT, true);
  editor.press_enter();
  EXPECT_THAT(procedure.commands,
              ElementsAre(Command{IDC_EDITOR_CLEAR, 0}, Command{IDC_EDITOR_CLEAR, 0},
                          Command{IDC_EDITOR_SAVE, 0}, Command{IDC_EDITOR_WAGNER, 0},
                          Command{IDC_EDITOR_SAVE, 0}, Command{IDC_EDITOR_EXIT, 0}));
}

TEST_F(Buttons, UnhandledCloseBoxBecomesCancelUnlessCancelIsDisabled) {
  open(IDD_MAIN).close_box();
  EXPECT_THAT(procedure.commands, IsEmpty());
  procedure.close_answer = 0;
  open(IDD_MAIN).close_box();
  open(7, bare_resources()).close_box();
  EXPECT_THAT(procedure.commands, ElementsAre(Command{IDCANCEL, 0}));
}

TEST_F(Buttons, MenuItemsAreCommandsOfTheDialogThatHasTheMenu) {
  EXPECT_EQ(open(IDD_MAIN).click(IDM_FLUID_EDITOR), "");
  EXPECT_THAT(procedure.commands, ElementsAre(Command{IDM_FLUID_EDITOR, 0}));
  EXPECT_EQ(open(IDD_EDITOR).click(IDM_FLUID_EDITOR), "no control or menu item 1050");
}

TEST_F(Buttons, DoubleClickNotifiesWithoutMovingTheSelection) {
  HeadlessDialog& editor = open(IDD_EDITOR);
  for (const char* name : {"A", "B"}) editor.list_add(IDC_EDITOR_FLUID_LIST, name);
  EXPECT_EQ(editor.pick(IDC_EDITOR_FLUID_LIST, 1), "");
  EXPECT_EQ(editor.double_click(IDC_EDITOR_FLUID_LIST), "");
  EXPECT_EQ(editor.list_selection(IDC_EDITOR_FLUID_LIST), 1);
  EXPECT_THAT(procedure.commands,
              ElementsAre(Command{IDC_EDITOR_FLUID_LIST, NOTIFY_DOUBLE_CLICKED}));
}

TEST_F(Buttons, ActionsNoUserCouldTakeAreRefusedAndChangeNothing) {
  HeadlessDialog& editor = open(IDD_EDITOR);
  EXPECT_EQ(editor.type(IDC_EDITOR_CONSTANT_4, "1"), "control 311 is disabled");
  EXPECT_EQ(editor.click(IDC_EDITOR_LIST_FRAME), "control 321 does not take that action");
  EXPECT_EQ(editor.pick(IDC_EDITOR_FLUID_LIST, 0), "list 301 has no entry 0");
  EXPECT_EQ(editor.double_click(IDC_EDITOR_NAME), "control 307 does not take that action");
  EXPECT_EQ(editor.click(999), "no control or menu item 999");
  EXPECT_EQ(open(IDD_MAIN).type(IDC_PRESSURE_EDIT, "1"), "control 104 is read-only");
  EXPECT_THAT(procedure.commands, IsEmpty());
}

// --- focus and the dialog's life ---

using Focus = OpenDialog;

TEST_F(Focus, StartsOnTheFirstEnabledTabStopAfterTheOpening) {
  EXPECT_EQ(open(IDD_MAIN).focus()->control->id, IDOK);
  procedure.opening = [](Dialog& dialog) { dialog.enable(IDC_EDITOR_FLUID_LIST, false); };
  EXPECT_EQ(open(IDD_EDITOR).focus()->control->id, IDC_EDITOR_NAME);
}

TEST_F(Focus, AnOpeningAnsweringZeroKeepsTheFocusItSet) {
  procedure.open_answer = 0;
  EXPECT_EQ(open(IDD_MAIN).focus(), nullptr);
  procedure.opening = [](Dialog& dialog) { dialog.set_focus(IDC_TEMPERATURE_EDIT); };
  EXPECT_EQ(open(IDD_MAIN).focus()->control->id, IDC_TEMPERATURE_EDIT);
}

TEST_F(Focus, DisablingTheFocusedControlLeavesNoFocus) {
  HeadlessDialog& editor = open(IDD_EDITOR);
  EXPECT_EQ(editor.type(IDC_EDITOR_CONSTANT_1, "0"), "");
  editor.enable(IDC_EDITOR_CONSTANT_2, false);
  EXPECT_EQ(editor.focus()->control->id, IDC_EDITOR_CONSTANT_1);
  editor.enable(IDC_EDITOR_CONSTANT_1, false);
  EXPECT_EQ(editor.focus(), nullptr);
}

TEST_F(Focus, EndTakesEffectAfterTheHandlerReturns) {
  HeadlessDialog& main = open(IDD_MAIN);
  procedure.react = [](Dialog& dialog, int) {
    dialog.end(5);
    dialog.set_text(IDC_CONVERGENCE_NOTE, "still here");
  };
  main.press_escape();
  EXPECT_TRUE(main.ended());
  EXPECT_EQ(main.result(), 5);
  EXPECT_EQ(main.control(IDC_CONVERGENCE_NOTE)->text, "still here");
}

}  // namespace
}  // namespace quelrin
