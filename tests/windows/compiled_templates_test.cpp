// The dialogs and the menu that windres compiled into the program, as the
// real dialog manager creates them, against the resource script as the
// headless manager reads it: the same controls in the same order, with the
// same ids, kinds, texts, rectangles and the styles that decide behaviour.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialog/program_resources.hpp"
#include "platform/win32/win32_host.hpp"
#include "tests/windows/screen_user.hpp"

namespace quelrin::test {
namespace {

INT_PTR CALLBACK no_procedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

const ResourceScript& script() {
  const ResourceReading& reading = program_resources();
  EXPECT_EQ(reading.error, "");
  return reading.script;
}

std::string class_of(HWND window) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The window class and, for buttons, the button type a control kind makes.
std::pair<std::string, LONG> expected_class(ControlKind kind) {
  switch (kind) {
    case ControlKind::static_text:
    case ControlKind::icon:
      return {"Static", -1};
    case ControlKind::group_box:
      return {"Button", BS_GROUPBOX};
    case ControlKind::push_button:
      return {"Button", BS_PUSHBUTTON};
    case ControlKind::default_push_button:
      return {"Button", BS_DEFPUSHBUTTON};
    case ControlKind::check_box:
      return {"Button", BS_CHECKBOX};
    case ControlKind::auto_check_box:
      return {"Button", BS_AUTOCHECKBOX};
    case ControlKind::radio_button:
      return {"Button", BS_RADIOBUTTON};
    case ControlKind::auto_radio_button:
      return {"Button", BS_AUTORADIOBUTTON};
    case ControlKind::edit:
      return {"Edit", -1};
    case ControlKind::combo_box:
      return {"ComboBox", -1};
    case ControlKind::list_box:
      return {"ListBox", -1};
  }
  return {};
}

void expect_control(HWND dialog, HWND window, const ControlTemplate& control) {
  SCOPED_TRACE("control " + std::to_string(control.id) + " \"" + control.text + "\"");
  EXPECT_EQ(GetDlgCtrlID(window), static_cast<WORD>(control.id));
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const auto [class_name, button_type] = expected_class(control.kind);
  EXPECT_EQ(class_of(window), class_name);
  if (button_type >= 0) {
    EXPECT_EQ(style & BS_TYPEMASK, button_type);
  }
  if (control.kind != ControlKind::combo_box) {
    EXPECT_EQ(window_text(window), control.text);
  }

  EXPECT_EQ((style & WS_TABSTOP) != 0, control.tab_stop);
  EXPECT_EQ((style & WS_GROUP) != 0, control.group_start);
  EXPECT_EQ((style & WS_DISABLED) == 0, control.enabled);
  if (control.kind == ControlKind::list_box) {
    EXPECT_EQ((style & LBS_SORT) == LBS_SORT, control.sorted);
    EXPECT_EQ((style & LBS_NOTIFY) != 0, control.notifies);
  }
  if (control.kind == ControlKind::combo_box) {
    EXPECT_EQ((style & CBS_SORT) != 0, control.sorted);
  }
  if (control.kind == ControlKind::edit) {
    EXPECT_EQ((style & ES_READONLY) != 0, control.read_only);
  }

  // The dialog manager turns the position and the size into pixels apart.
  const DialogRectangle& r = control.rectangle;
  RECT position = {r.x, r.y, r.x, r.y};
  RECT size = {0, 0, r.width, r.height};
  MapDialogRect(dialog, &position);
  MapDialogRect(dialog, &size);
  RECT shown = {};
  GetWindowRect(window, &shown);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&shown), 2);
  EXPECT_EQ(shown.left, position.left);
  EXPECT_EQ(shown.top, position.top);
  EXPECT_EQ(shown.right - shown.left, size.right);
  // A combo box's height in the template is that of its open list, and a
  // list box shows whole lines only.
  if (control.kind != ControlKind::combo_box && control.kind != ControlKind::list_box) {
    EXPECT_EQ(shown.bottom - shown.top, size.bottom);
  }
}

TEST(CompiledTemplates, RealDialogsHoldWhatTheHeadlessManagerReads) {
  ASSERT_EQ(script().dialogs.size(), 5u);
  for (const DialogTemplate& dialog_template : script().dialogs) {
    SCOPED_TRACE("dialog " + std::to_string(dialog_template.id));
    const HWND dialog = CreateDialogParamA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(dialog_template.id), nullptr, no_procedure, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(window_text(dialog), dialog_template.caption);
    std::vector<HWND> controls;
    for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
      controls.push_back(c);
    ASSERT_EQ(controls.size(), dialog_template.controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i)
      expect_control(dialog, controls[i], dialog_template.controls[i]);
    DestroyWindow(dialog);
  }
}

void expect_menu(HMENU menu, const std::vector<MenuItem>& items) {
  ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(items.size()));
  for (std::size_t i = 0; i < items.size(); ++i) {
    char text[64] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info));
    const MenuItem& item = items[i];
    SCOPED_TRACE(item.text);
    EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, item.kind == MenuItemKind::separator);
    if (item.kind == MenuItemKind::separator) continue;
    EXPECT_EQ(std::string(text), item.text);
    if (item.kind == MenuItemKind::popup) {
      ASSERT_NE(info.hSubMenu, nullptr);
      expect_menu(info.hSubMenu, item.items);
    } else {
      EXPECT_EQ(static_cast<int>(info.wID), item.id);
    }
  }
}

TEST(CompiledTemplates, RealMenuHoldsWhatTheHeadlessManagerReads) {
  ASSERT_EQ(script().menus.size(), 1u);
  const MenuTemplate& menu = script().menus[0];
  const HMENU loaded = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menu.id));
  ASSERT_NE(loaded, nullptr);
  expect_menu(loaded, menu.items);
  DestroyMenu(loaded);
}

// What the program's exit code -1 stands for: a dialog that cannot be made.
TEST(CompiledTemplates, ATemplateTheProgramLacksGivesMinusOne) {
  struct NeverOpened : DialogProcedure {
    int on_open(Dialog&) override {
      ADD_FAILURE() << "a dialog opened from no template";
      return 1;
    }
    int on_command(Dialog&, int, int) override { return 0; }
    int on_close(Dialog&) override { return 0; }
  } procedure;
  Win32Host host(GetModuleHandleA(nullptr));
  EXPECT_EQ(host.run_dialog(999, procedure), -1);
}

}  // namespace
}  // namespace quelrin::test
