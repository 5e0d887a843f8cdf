// The GTK layouts hold the controls, texts and menu of the resource script,
// and the check that says so notices when one of them drifts.
#include "tests/gtk/ui_layout.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "dialog/program_resources.hpp"
#include "platform/gtk/builder_ids.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string read_layout(const std::string& file) {
  std::ifstream in(std::string(QUELRIN_SOURCE_DIR) + "/resources/gtk/" + file, std::ios::binary);
  EXPECT_TRUE(in) << file;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const DialogTemplate& dialog(int id) { return *find_dialog(program_resources().script, id); }
const MenuTemplate& menu(int id) { return *find_menu(program_resources().script, id); }

// The layouts are UTF-8; this file's literals are compiled to Windows-1252.
std::string utf8(const char* text) { return cp1252_to_utf8(text); }

// The layout with the first `from` replaced by `to`.
std::string changed(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

TEST(GtkLayouts, EveryDialogAndTheMenuHoldWhatTheResourceScriptSays) {
  ASSERT_EQ(program_resources().error, "");
  for (int id : {IDD_MAIN, IDD_ABOUT, IDD_EDITOR, IDD_UNITS, IDD_DIAGRAM}) {
    EXPECT_THAT(dialog_layout_differences(dialog(id), read_layout(dialog_layout_file(id))),
                IsEmpty())
        << id;
  }
  EXPECT_THAT(
      menu_layout_differences(menu(IDR_MAIN_MENU), read_layout(menu_layout_file(IDR_MAIN_MENU))),
      IsEmpty());
}

TEST(GtkLayouts, AChangedControlIdIsCaught) {
  const std::string main = read_layout(dialog_layout_file(IDD_MAIN));
  EXPECT_THAT(
      dialog_layout_differences(dialog(IDD_MAIN), changed(main, "\"edit-103\"", "\"edit-113\"")),
      ElementsAre("edit-103: missing", "edit-113: no such control in the template"));
}

TEST(GtkLayouts, ChangedTextsAndCaptionsAreCaught) {
  const std::string main = read_layout(dialog_layout_file(IDD_MAIN));
  EXPECT_THAT(dialog_layout_differences(dialog(IDD_MAIN), changed(main, ">Calcula<", ">Calcular<")),
              ElementsAre("button-1: text \"Calcular\", not \"Calcula\""));
  EXPECT_THAT(dialog_layout_differences(dialog(IDD_MAIN),
                                        changed(main, ">Escolha o modelo:<", ">Escolha o modelo<")),
              ElementsAre("static \"Escolha o modelo:\": missing",
                          "static \"Escolha o modelo\": no such control in the template"));
  EXPECT_THAT(
      dialog_layout_differences(
          dialog(IDD_MAIN), changed(main, utf8(cp1252<"Pressão de Vapor<">), "Pressao de Vapor<")),
      ElementsAre(utf8(cp1252<"dialog-100: caption \"Quelrin - Pressao de Vapor\", not \"Quelrin - "
                              "Pressão de Vapor\"">)));
  const std::string units = read_layout(dialog_layout_file(IDD_UNITS));
  EXPECT_THAT(
      dialog_layout_differences(dialog(IDD_UNITS), changed(units, utf8(cp1252<">°F<">), ">F<")),
      ElementsAre(utf8(cp1252<"radio-412: text \"F\", not \"°F\"">)));
}

TEST(GtkLayouts, ChangedKindsStatesAndGroupsAreCaught) {
  const std::string main = read_layout(dialog_layout_file(IDD_MAIN));
  EXPECT_THAT(dialog_layout_differences(dialog(IDD_MAIN),
                                        changed(main, "<property name=\"has-default\">True",
                                                "<property name=\"has-default\">False")),
              ElementsAre("button-1: a push button, not a default push button"));
  EXPECT_THAT(
      dialog_layout_differences(dialog(IDD_MAIN),
                                changed(main, "<property name=\"editable\">False</property>", "")),
      ElementsAre("edit-105: editable"));
  const std::string editor = read_layout(dialog_layout_file(IDD_EDITOR));
  EXPECT_THAT(
      dialog_layout_differences(
          dialog(IDD_EDITOR), changed(editor, "<property name=\"sensitive\">False</property>", "")),
      ElementsAre("edit-311: enabled"));
  const std::string units = read_layout(dialog_layout_file(IDD_UNITS));
  EXPECT_THAT(dialog_layout_differences(dialog(IDD_UNITS),
                                        changed(units, "<property name=\"group\">radio-409",
                                                "<property name=\"group\">radio-403")),
              ElementsAre("radio-410: in the group of \"radio-403\", not \"radio-409\""));
}

TEST(GtkLayouts, ChangedMenuItemsAreCaught) {
  const std::string layout = read_layout(menu_layout_file(IDR_MAIN_MENU));
  EXPECT_THAT(menu_layout_differences(menu(IDR_MAIN_MENU),
                                      changed(layout, "\"menu-1070\"", "\"menu-1071\"")),
              ElementsAre("_Ferramentas > item 3: command 1071, not 1070"));
  EXPECT_THAT(menu_layout_differences(menu(IDR_MAIN_MENU), changed(layout, ">A_juda<", ">_Ajuda<")),
              ElementsAre("_Ajuda > item 3: text \"_Ajuda\", not \"A_juda\""));
  EXPECT_THAT(menu_layout_differences(menu(IDR_MAIN_MENU),
                                      changed(layout, "GtkSeparatorMenuItem", "GtkMenuItem")),
              ElementsAre("_Ferramentas > item 5: another kind of item"));
}

TEST(GtkLayouts, ABrokenFileIsReportedNotPassed) {
  EXPECT_THAT(
      dialog_layout_differences(dialog(IDD_ABOUT), "<interface><object class=\"GtkWindow\">"),
      testing::SizeIs(1));
  EXPECT_THAT(dialog_layout_differences(dialog(IDD_ABOUT), "<interface/>"),
              testing::Contains("dialog-200: missing"));
}

}  // namespace
}  // namespace quelrin::test
