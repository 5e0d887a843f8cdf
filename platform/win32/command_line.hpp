// The tail of a Windows command line: what follows the program's name.
#pragma once

namespace quelrin {

// Skips the program name: a quoted one up to and including its closing
// quote, otherwise the first run of non-blank characters; then the blanks
// that follow. The tail, possibly empty, of `command_line`.
const char* skip_program_name(const char* command_line);

}  // namespace quelrin
