// Windows-1252, the code page of the data file and of every text inside the
// program: which bytes are letters or blanks, case-blind comparison, and the
// conversions to and from UTF-8 done at the program's edges.
#pragma once

#include <string>
#include <string_view>

namespace quelrin {

// True for the bytes the Windows dialog manager classes as letters in code
// page 1252 (IsCharAlphaA): ASCII letters and the accented ones, but not
// ×, ÷, ° or any digit, sign or punctuation.
bool is_cp1252_letter(char c);

// The six white-space characters of the C locale; bytes from 128 up are not.
bool is_c_space(char c);

// The letter's lower-case partner in code page 1252, or the byte itself.
char cp1252_to_lower(char c);

// Whole-text equality ignoring letter case only: "Á" matches "á", not "a".
bool equal_ignoring_case(std::string_view a, std::string_view b);

std::string cp1252_to_utf8(std::string_view text);

// Characters outside the code page become '?'; malformed UTF-8 bytes too.
std::string utf8_to_cp1252(std::string_view text);

}  // namespace quelrin
