// The dialogs, menus and icons of a resource script, as plain data.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace quelrin {

enum class ControlKind {
  static_text,
  group_box,
  push_button,
  default_push_button,
  check_box,
  auto_check_box,
  radio_button,
  auto_radio_button,
  edit,
  combo_box,
  list_box,
  icon,
};

// Combo boxes and list boxes: the controls that hold entries.
bool is_list_kind(ControlKind kind);

// Position and size in dialog units.
struct DialogRectangle {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const DialogRectangle&) const = default;
};

struct ControlTemplate {
  int id = 0;
  ControlKind kind = ControlKind::static_text;
  std::string text;  // Windows-1252
  DialogRectangle rectangle;
  // Every style flag in force, by name, the statement's defaults included
  // (WS_CHILD and WS_VISIBLE, which every control has, are left out).
  std::set<std::string> styles;

  // The styles the dialog manager acts on, read off `styles`.
  bool enabled = true;       // not WS_DISABLED
  bool tab_stop = false;     // WS_TABSTOP
  bool group_start = false;  // WS_GROUP
  bool sorted = false;       // LBS_SORT, CBS_SORT
  bool read_only = false;    // ES_READONLY
  bool notifies = false;     // LBS_NOTIFY: double clicks reach the dialog
};

struct DialogTemplate {
  int id = 0;
  std::string caption;  // Windows-1252
  std::string class_name;
  int menu_id = 0;  // 0 when the dialog has no menu
  std::string font_name;
  int font_size = 0;
  DialogRectangle rectangle;
  std::set<std::string> styles;
  std::vector<ControlTemplate> controls;  // in template order, which is the tab order
};

enum class MenuItemKind { command, separator, popup };

struct MenuItem {
  MenuItemKind kind = MenuItemKind::command;
  std::string text;             // Windows-1252; empty for a separator
  int id = 0;                   // a command's id
  std::vector<MenuItem> items;  // a popup's entries
};

struct MenuTemplate {
  int id = 0;
  std::vector<MenuItem> items;
};

struct IconResource {
  int id = 0;
  std::string file;
};

struct ResourceScript {
  std::vector<DialogTemplate> dialogs;
  std::vector<MenuTemplate> menus;
  std::vector<IconResource> icons;
};

// nullptr when the script has no such resource.
const DialogTemplate* find_dialog(const ResourceScript& script, int id);
const MenuTemplate* find_menu(const ResourceScript& script, int id);

// The commands of a menu and of its popups, in menu order.
std::vector<int> menu_commands(const MenuTemplate& menu);

// Whether the menu of the dialog holds command `id`.
bool dialog_menu_has(const ResourceScript& script, const DialogTemplate& dialog, int id);

}  // namespace quelrin
