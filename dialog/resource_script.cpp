// Lookups in a read resource script.
#include "dialog/resource_script.hpp"

#include <algorithm>

namespace quelrin {
namespace {

template <typename Resource>
const Resource* find_by_id(const std::vector<Resource>& resources, int id) {
  const auto found = std::find_if(resources.begin(), resources.end(),
                                  [id](const Resource& r) { return r.id == id; });
  return found == resources.end() ? nullptr : &*found;
}

void collect_commands(const std::vector<MenuItem>& items, std::vector<int>& commands) {
  for (const MenuItem& item : items) {
    if (item.kind == MenuItemKind::popup) collect_commands(item.items, commands);
    if (item.kind == MenuItemKind::command) commands.push_back(item.id);
  }
}

}  // namespace

bool is_list_kind(ControlKind kind) {
  return kind == ControlKind::combo_box || kind == ControlKind::list_box;
}

const DialogTemplate* find_dialog(const ResourceScript& script, int id) {
  return find_by_id(script.dialogs, id);
}

const MenuTemplate* find_menu(const ResourceScript& script, int id) {
  return find_by_id(script.menus, id);
}

std::vector<int> menu_commands(const MenuTemplate& menu) {
  std::vector<int> commands;
  collect_commands(menu.items, commands);
  return commands;
}

bool dialog_menu_has(const ResourceScript& script, const DialogTemplate& dialog, int id) {
  const MenuTemplate* menu = dialog.menu_id == 0 ? nullptr : find_menu(script, dialog.menu_id);
  if (menu == nullptr) return false;
  const std::vector<int> commands = menu_commands(*menu);
  return std::find(commands.begin(), commands.end(), id) != commands.end();
}

}  // namespace quelrin
