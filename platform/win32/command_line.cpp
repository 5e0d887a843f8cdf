// Skipping the program's name at the head of the command line.
#include "platform/win32/command_line.hpp"

namespace quelrin {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

const char* skip_program_name(const char* command_line) {
  const char* p = command_line;
  if (*p == '"') {
    // A name in quotes may hold blanks; an unclosed quote takes the rest.
    ++p;
    while (*p != '\0' && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p != '\0' && !is_blank(*p)) ++p;
  }
  while (is_blank(*p)) ++p;
  return p;
}

}  // namespace quelrin
