// The resource script as the headless manager reads it: the program's own
// dialogs and menu, and the syntax the reader accepts.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dialog/program_resources.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

const ResourceScript& program() {
  const ResourceReading& reading = program_resources();
  EXPECT_EQ(reading.error, "");
  return reading.script;
}

const DialogTemplate& program_dialog(int id) {
  const DialogTemplate* dialog = find_dialog(program(), id);
  EXPECT_NE(dialog, nullptr) << id;
  return *dialog;
}

std::vector<std::pair<int, ControlKind>> ids_and_kinds(const DialogTemplate& dialog) {
  std::vector<std::pair<int, ControlKind>> result;
  for (const ControlTemplate& c : dialog.controls) result.emplace_back(c.id, c.kind);
  return result;
}

std::vector<std::string> texts(const DialogTemplate& dialog) {
  std::vector<std::string> result;
  for (const ControlTemplate& c : dialog.controls) result.push_back(c.text);
  return result;
}

const ControlTemplate& control(const DialogTemplate& dialog, int id) {
  for (const ControlTemplate& c : dialog.controls) {
    if (c.id == id) return c;
  }
  ADD_FAILURE() << "no control " << id;
  return dialog.controls.front();
}

// --- the program's resources ---

TEST(ProgramResources, MainWindowListsItsControlsInTabOrder) {
  const DialogTemplate& main = program_dialog(IDD_MAIN);
  EXPECT_EQ(main.caption, cp1252<"Quelrin - Pressão de Vapor">);
  EXPECT_EQ(main.class_name, "Ruzav");
  EXPECT_EQ(main.menu_id, IDR_MAIN_MENU);
  EXPECT_EQ(main.font_name, "Helv");
  EXPECT_EQ(main.font_size, 8);
  EXPECT_EQ(main.rectangle, (DialogRectangle{93, 8, 163, 216}));
  EXPECT_TRUE(main.styles.count("WS_MINIMIZEBOX"));
  EXPECT_FALSE(main.styles.count("WS_MAXIMIZEBOX"));
  EXPECT_FALSE(main.styles.count("WS_THICKFRAME"));
  using K = ControlKind;
  EXPECT_THAT(
      ids_and_kinds(main),
      ElementsAre(std::pair(1, K::default_push_button), std::pair(2, K::push_button),
                  std::pair(109, K::push_button), std::pair(101, K::combo_box),
                  std::pair(102, K::combo_box), std::pair(103, K::edit), std::pair(105, K::edit),
                  std::pair(104, K::edit), std::pair(-1, K::static_text),
                  std::pair(-1, K::static_text), std::pair(108, K::list_box),
                  std::pair(-1, K::static_text), std::pair(110, K::static_text),
                  std::pair(107, K::static_text), std::pair(106, K::static_text)));
  EXPECT_THAT(texts(main),
              ElementsAre("Calcula", "Sair", "Sobre", "", "", "", "", "",
                          "Escolha o modelo:", "Selecione o fluido:", "",
                          cp1252<"Iterações (fugacidade vapor e líquido):">, "", "", ""));
}

TEST(ProgramResources, MainWindowStylesThatDecideBehaviour) {
  const DialogTemplate& main = program_dialog(IDD_MAIN);
  for (const ControlTemplate& c : main.controls) {
    EXPECT_EQ(c.tab_stop, c.kind != ControlKind::static_text) << c.id;
    EXPECT_FALSE(c.sorted) << c.id;
  }
  EXPECT_TRUE(control(main, IDC_ESTIMATE_EDIT).read_only);
  EXPECT_TRUE(control(main, IDC_PRESSURE_EDIT).read_only);
  EXPECT_FALSE(control(main, IDC_TEMPERATURE_EDIT).read_only);
  EXPECT_TRUE(control(main, IDC_ITERATION_LOG).styles.count("LBS_DISABLENOSCROLL"));
  EXPECT_TRUE(control(main, IDC_FLUID_LIST).styles.count("CBS_DROPDOWNLIST"));
  EXPECT_EQ(control(main, IDC_ITERATION_LOG).rectangle, (DialogRectangle{12, 98, 139, 47}));
}

TEST(ProgramResources, MenuHoldsTheCommandsInOrder) {
  const MenuTemplate* menu = find_menu(program(), IDR_MAIN_MENU);
  ASSERT_NE(menu, nullptr);
  EXPECT_THAT(menu_commands(*menu), ElementsAre(IDM_FLUID_EDITOR, IDM_UNITS, IDM_CALCULATE,
                                                IDM_DIAGRAM, IDM_EXIT, IDM_ABOUT, IDM_HELP));
  ASSERT_EQ(menu->items.size(), 2u);
  EXPECT_EQ(menu->items[0].text, "&Ferramentas");
  EXPECT_EQ(menu->items[0].items[3].text, "&Diagrama");
  EXPECT_EQ(menu->items[0].items[4].kind, MenuItemKind::separator);
  EXPECT_EQ(menu->items[1].items[2].text, "A&juda");
}

TEST(ProgramResources, UnitsDialogHasTwoRadioGroups) {
  const DialogTemplate& units = program_dialog(IDD_UNITS);
  EXPECT_EQ(units.caption, cp1252<"Configuração de Unidades">);
  std::vector<int> group_starts;
  for (const ControlTemplate& c : units.controls) {
    if (c.group_start) group_starts.push_back(c.id);
    EXPECT_EQ(c.tab_stop, c.kind != ControlKind::group_box) << c.id;
  }
  EXPECT_THAT(group_starts, ElementsAre(IDC_PRESSURE_BAR, IDC_TEMPERATURE_K));
  EXPECT_EQ(control(units, IDC_TEMPERATURE_C).text, cp1252<"°C">);
  EXPECT_EQ(units.controls.front().kind, ControlKind::default_push_button);
}

TEST(ProgramResources, EditorStartsWithConstantFourAndTheFrameDisabled) {
  const DialogTemplate& editor = program_dialog(IDD_EDITOR);
  std::vector<int> ids;
  for (const ControlTemplate& c : editor.controls) ids.push_back(c.id);
  EXPECT_THAT(ids,
              ElementsAre(301, 307, 304, 305, 306, 308, 309, 310, 311, -1, -1, -1, -1, -1, 312, 313,
                          314, -1, -1, 303, 322, 328, 302, -1, -1, 316, 321, 324, 325, -1));
  EXPECT_TRUE(editor.styles.count("DS_MODALFRAME"));
  EXPECT_TRUE(control(editor, IDC_EDITOR_FLUID_LIST).sorted);
  EXPECT_TRUE(control(editor, IDC_EDITOR_FLUID_LIST).notifies);
  EXPECT_FALSE(control(editor, IDC_EDITOR_CONSTANT_4).enabled);
  EXPECT_FALSE(control(editor, IDC_EDITOR_LIST_FRAME).enabled);
  EXPECT_EQ(control(editor, IDC_EDITOR_LIST_FRAME).kind, ControlKind::group_box);
  EXPECT_EQ(control(editor, IDC_EDITOR_SAVE).kind, ControlKind::default_push_button);
  EXPECT_EQ(control(editor, IDC_EDITOR_EDIT).text, "<<   Editar");
  EXPECT_TRUE(control(editor, IDC_EDITOR_ANTOINE).group_start);
}

TEST(ProgramResources, AboutBoxAndIcon) {
  const DialogTemplate& about = program_dialog(IDD_ABOUT);
  EXPECT_EQ(about.caption, "Sobre");
  EXPECT_EQ(about.rectangle.width, 262);
  EXPECT_EQ(about.rectangle.height, 122);
  ASSERT_EQ(program().icons.size(), 1u);
  EXPECT_EQ(program().icons[0].id, IDI_APP);
  EXPECT_EQ(program().icons[0].file, "quelrin.ico");
}

// --- the syntax ---

ResourceReading read(std::string_view script, std::string_view header = "") {
  const SourceFile include{"ids.h", header};
  return read_resource_script(SourceFile{"test.rc", script}, std::span(&include, 1));
}

TEST(ResourceScriptSyntax, DialogExWithBracesAndGenericControls) {
  const ResourceReading reading =
      read(R"(
    #include "ids.h"
    #include <windows.h>
    LANGUAGE LANG_NEUTRAL, SUBLANG_NEUTRAL
    ID_DIALOG DIALOGEX DISCARDABLE 1, 2, 30, 40, 0
    STYLE WS_POPUP | WS_CAPTION  // a comment
    EXSTYLE WS_EX_TOOLWINDOW
    FONT 9, "MS Shell Dlg", 400, 0, 1
    {
      CONTROL "&Ok", ID_OK, "Button", BS_DEFPUSHBUTTON | WS_TABSTOP, 1, 2, 3, 4
      CONTROL "", 5, BUTTON, BS_AUTORADIOBUTTON | WS_GROUP, 1, 2, 3, 4, WS_EX_STATICEDGE, 77
      CONTROL "", 6, "ListBox", LBS_STANDARD | (WS_TABSTOP), 1, 2, 3, 4
      /* a comment
         over lines */
      LTEXT "say ""hi"" and \"bye\"", ID_STATIC, 1, 2, 3, 4, NOT WS_GROUP
      ICON ID_DIALOG, 7, 1, 2
    }
  )",
           "#define ID_DIALOG 300\n#define ID_OK (ID_DIALOG + 1)\n#define ID_STATIC (-1)\n");
  ASSERT_EQ(reading.error, "");
  const DialogTemplate& dialog = reading.script.dialogs.at(0);
  EXPECT_EQ(dialog.id, 300);
  EXPECT_EQ(dialog.font_name, "MS Shell Dlg");
  using K = ControlKind;
  EXPECT_THAT(
      ids_and_kinds(dialog),
      ElementsAre(std::pair(301, K::default_push_button), std::pair(5, K::auto_radio_button),
                  std::pair(6, K::list_box), std::pair(-1, K::static_text), std::pair(7, K::icon)));
  EXPECT_TRUE(dialog.controls[0].tab_stop);
  EXPECT_FALSE(dialog.controls[1].tab_stop);  // CONTROL has no default styles
  EXPECT_TRUE(dialog.controls[2].sorted);
  EXPECT_EQ(dialog.controls[3].text, "say \"hi\" and \"bye\"");
  EXPECT_FALSE(dialog.controls[3].group_start);
  EXPECT_EQ(dialog.controls[4].text, "300");
}

TEST(ResourceScriptSyntax, StatementDefaultsStayUnderWrittenStyles) {
  const ResourceReading fixed = read(R"(
    1 DIALOG 0, 0, 10, 10
    CAPTION "c"
    BEGIN
      EDITTEXT 2, 0, 0, 1, 1, ES_READONLY
      EDITTEXT 3, 0, 0, 1, 1, NOT WS_TABSTOP | WS_DISABLED
      LTEXT "x", 4, 0, 0, 1, 1
    END
  )");
  ASSERT_EQ(fixed.error, "");
  const DialogTemplate& dialog = fixed.script.dialogs.at(0);
  EXPECT_TRUE(dialog.styles.count("WS_CAPTION"));
  EXPECT_TRUE(dialog.controls[0].read_only);
  EXPECT_TRUE(dialog.controls[0].tab_stop);
  EXPECT_TRUE(dialog.controls[0].styles.count("WS_BORDER"));
  EXPECT_FALSE(dialog.controls[1].tab_stop);
  EXPECT_FALSE(dialog.controls[1].enabled);
  EXPECT_TRUE(dialog.controls[2].group_start);
}

TEST(ResourceScriptSyntax, MenuOptionsAndPopupsNest) {
  const ResourceReading reading = read(R"(
    5 MENU
    BEGIN
      POPUP "&File"
      BEGIN
        MENUITEM "&Open", 10, GRAYED
        POPUP "Recent" { MENUITEM "One", 11 CHECKED }
        MENUITEM SEPARATOR
      END
      MENUITEM "&Help", 12, HELP
    END
  )");
  ASSERT_EQ(reading.error, "");
  EXPECT_THAT(menu_commands(reading.script.menus.at(0)), ElementsAre(10, 11, 12));
}

TEST(ResourceScriptSyntax, VersionInformationIsPassedOver) {
  const ResourceReading reading = read(R"(
    1 VERSIONINFO
    FILEVERSION 1,0,0,0
    FILEOS VOS_NT_WINDOWS32
    BEGIN
      BLOCK "StringFileInfo"
      BEGIN
        BLOCK "041604E4" { VALUE "ProductName", "Quelrin" }
      END
      BLOCK "VarFileInfo" BEGIN VALUE "Translation", 0x416, 1252 END
    END
    2 MENU { MENUITEM "&End", 20 }
  )");
  ASSERT_EQ(reading.error, "");
  EXPECT_THAT(menu_commands(reading.script.menus.at(0)), ElementsAre(20));
  EXPECT_THAT(read("1 VERSIONINFO FILEVERSION 1 BEGIN BLOCK \"x\" BEGIN END").error,
              HasSubstr("unexpected end"));
}

TEST(ResourceScriptSyntax, ErrorsNameFileAndLine) {
  EXPECT_EQ(read("1 DIALOG 0, 0, 10\nBEGIN\nEND").error, "test.rc:2: expected ','");
  EXPECT_EQ(read("UNDEFINED DIALOG 0, 0, 1, 1").error, "test.rc:1: unknown name UNDEFINED");
  EXPECT_EQ(read("1 RCDATA { 1 }").error, "test.rc:1: unsupported resource type RCDATA");
  EXPECT_EQ(read("1 ICON \"open").error, "test.rc:1: unterminated string");
  EXPECT_EQ(read("#include \"missing.h\"").error, "test.rc:1: cannot find \"missing.h\"");
  EXPECT_THAT(read("1 DIALOG 0, 0, 1, 1 BEGIN").error, HasSubstr("unexpected end"));
  EXPECT_EQ(read("1 DIALOG 0, 0, 1, 1\n{\n  SLIDER 1, 0, 0, 1, 1\n}").error,
            "test.rc:3: unsupported control SLIDER");
  EXPECT_EQ(read("#define F(x) x").error, "test.rc:1: macros with arguments are not supported");
  // Longer than 32 bits, in either base: refused before the value overflows.
  EXPECT_EQ(read("\n10000000000000000000000 DIALOG 0, 0, 1, 1").error,
            "test.rc:2: number out of range");
  EXPECT_EQ(read("1 DIALOG 0x100000000, 0, 1, 1").error, "test.rc:1: number out of range");
  EXPECT_EQ(read("1 DIALOG 0xFFFFFFFF, 0, 1, 1").error, "test.rc:1: number out of range");
}

}  // namespace
}  // namespace quelrin
