// Reads a GtkBuilder file into plain data and holds it against the dialog
// template or menu of the resource script it lays out.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/resource_script.hpp"

namespace quelrin::test {

struct UiObject {
  std::string class_name;
  std::string id;                                 // builder id, may be empty
  std::map<std::string, std::string> properties;  // UTF-8; packing left out
  std::vector<std::unique_ptr<UiObject>> children;
};

struct UiReading {
  std::vector<std::unique_ptr<UiObject>> objects;  // the top-level objects
  std::string error;                               // empty when the file was read whole
};

UiReading read_ui(std::string_view text);

// Each way the layout differs from the template ("edit-103: missing",
// "label-107: text ..."), empty when it holds the same controls, kinds,
// texts, caption and radio groups.
std::vector<std::string> dialog_layout_differences(const DialogTemplate& dialog,
                                                   std::string_view ui_text);
std::vector<std::string> menu_layout_differences(const MenuTemplate& menu,
                                                 std::string_view ui_text);

}  // namespace quelrin::test
