// How the GtkBuilder files name what they hold: each control's builder id is
// its kind and its resource id ("edit-103", "radio-403"), each dialog's top
// window "dialog-" and the template id, each menu "menu-" and its id, each
// menu item "menu-" and its command. Controls without an id (IDC_STATIC)
// carry any other name.
#pragma once

#include <string>

#include "dialog/resource_script.hpp"

namespace quelrin {

std::string builder_id(const ControlTemplate& control);
std::string dialog_builder_id(int template_id);
std::string menu_builder_id(int id);  // a menu bar or one of its items

// Where the layouts lie in the program's GResource, and under resources/gtk/.
std::string dialog_layout_path(int template_id);
std::string menu_layout_path(int menu_id);
std::string dialog_layout_file(int template_id);
std::string menu_layout_file(int menu_id);

}  // namespace quelrin
