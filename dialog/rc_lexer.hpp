// The tokens of a resource script once its preprocessor lines have done
// their work: quoted includes read in, #define names replaced.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelrin {

// A file the reader can see: the script itself or one it includes.
struct SourceFile {
  std::string_view name;
  std::string_view text;
};

enum class RcTokenKind { name, number, string, symbol };

struct RcToken {
  RcTokenKind kind = RcTokenKind::symbol;
  std::string text;     // a name, a string's content (escapes resolved) or a symbol
  long long value = 0;  // a number's value
  std::string_view file;
  int line = 0;
};

// What the reader reports when a script breaks its grammar; it stays inside
// the reader, which turns it into an error text.
struct RcSyntaxError {
  std::string message;
};

std::string error_at(const RcToken& token, std::string_view what);

// Throws RcSyntaxError. `#include <...>` (the platform's own headers) is
// skipped, as are conditionals and pragmas: every other line counts.
std::vector<RcToken> tokenize_resource_script(const SourceFile& script,
                                              std::span<const SourceFile> includes);

}  // namespace quelrin
