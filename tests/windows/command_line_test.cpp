// The program name skipped at the head of a Windows command line.
#include "platform/win32/command_line.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quelrin {
namespace {

TEST(CommandLine, AQuotedNameEndsAtItsClosingQuote) {
  EXPECT_STREQ(skip_program_name("\"C:\\Program Files\\Quelrin\\quelrin.exe\"  a b"), "a b");
  EXPECT_STREQ(skip_program_name("\"quel rin.exe\"x"), "x");
  EXPECT_STREQ(skip_program_name("\"C:\\quelrin.exe\""), "");
  // An unclosed quote takes the rest of the line as the name.
  EXPECT_STREQ(skip_program_name("\"C:\\quel rin.exe a"), "");
}

TEST(CommandLine, AnUnquotedNameEndsAtTheFirstBlank) {
  EXPECT_STREQ(skip_program_name("quelrin.exe   -x  y"), "-x  y");
  EXPECT_STREQ(skip_program_name("quelrin.exe\tz"), "z");
  EXPECT_STREQ(skip_program_name("C:\\a\"b\".exe c"), "c");
  EXPECT_STREQ(skip_program_name("quelrin.exe"), "");
  EXPECT_STREQ(skip_program_name(""), "");
}

}  // namespace
}  // namespace quelrin
