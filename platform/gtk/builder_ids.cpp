// Builder ids and resource paths of the dialogs' layouts.
#include "platform/gtk/builder_ids.hpp"

namespace quelrin {
namespace {

const char* kind_prefix(ControlKind kind) {
  switch (kind) {
    case ControlKind::static_text:
      return "label";
    case ControlKind::group_box:
      return "frame";
    case ControlKind::push_button:
    case ControlKind::default_push_button:
      return "button";
    case ControlKind::check_box:
    case ControlKind::auto_check_box:
      return "check";
    case ControlKind::radio_button:
    case ControlKind::auto_radio_button:
      return "radio";
    case ControlKind::edit:
      return "edit";
    case ControlKind::combo_box:
      return "combo";
    case ControlKind::list_box:
      return "list";
    case ControlKind::icon:
      return "icon";
  }
  return "control";
}

}  // namespace

std::string builder_id(const ControlTemplate& control) {
  return std::string(kind_prefix(control.kind)) + "-" + std::to_string(control.id);
}

std::string dialog_builder_id(int template_id) { return "dialog-" + std::to_string(template_id); }

std::string menu_builder_id(int id) { return "menu-" + std::to_string(id); }

std::string dialog_layout_file(int template_id) {
  return "dialog_" + std::to_string(template_id) + ".ui";
}

std::string menu_layout_file(int menu_id) { return "menu_" + std::to_string(menu_id) + ".ui"; }

std::string dialog_layout_path(int template_id) {
  return "/org/quelrin/ui/" + dialog_layout_file(template_id);
}

std::string menu_layout_path(int menu_id) { return "/org/quelrin/ui/" + menu_layout_file(menu_id); }

}  // namespace quelrin
