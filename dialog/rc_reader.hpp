// Reads a resource script's dialogs, menus and icons into plain data.
#pragma once

#include <span>
#include <string>

#include "dialog/rc_lexer.hpp"
#include "dialog/resource_script.hpp"

namespace quelrin {

struct ResourceReading {
  ResourceScript script;
  std::string error;  // "file:line: what", empty when the script was read whole
};

// Reads DIALOG and DIALOGEX templates, MENU and ICON resources, in standard
// resource-script syntax. Ids may be #defined names of the included files.
// Styles are kept by name: a control statement's default styles come first,
// those written after it are added to them ("NOT STYLE" takes one away).
ResourceReading read_resource_script(const SourceFile& script,
                                     std::span<const SourceFile> includes);

}  // namespace quelrin
