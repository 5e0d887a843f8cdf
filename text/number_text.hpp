// Numbers as text, the same whatever the user's locale: a point is always the
// decimal separator, in files and in typed fields alike.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quelrin {

// The C "%g" conversion: six significant digits, trailing zeros dropped,
// two-digit exponents ("1e-05", "1.23457e+08"), "inf" and "nan" as printf.
std::string format_g(double value);

// The shortest digits that read back to the same double (at least six), laid
// out as "%g" lays out that many, so that writing never rounds a value; equal
// to format_g for every value of six significant digits or fewer.
std::string format_g_exact(double value);

// The same text written at `out`, which has room for MAX_G_EXACT_CHARS;
// returns the end of what it wrote.
inline constexpr std::size_t MAX_G_EXACT_CHARS = 32;
char* write_g_exact(char* out, double value);

// What atof reads: the longest leading part of the text that is a decimal
// number (after leading white space), or 0 when there is none.
double read_leading_number(std::string_view text);

// The whole text as one number in any standard floating-point form, or
// nothing when any part of it is not.
std::optional<double> read_whole_number(std::string_view text);

// A decimal comma, as Portuguese writes it, turned into the point the readers
// above take: each comma of the text up to position `last` included (all by
// default). True when there was one.
inline bool decimal_comma_to_point(std::string& text, std::size_t last = std::string::npos) {
  const std::size_t end = last < text.size() ? last + 1 : text.size();
  bool changed = false;
  for (std::size_t i = 0; i < end; ++i) {
    if (text[i] == ',') {
      text[i] = '.';
      changed = true;
    }
  }
  return changed;
}

}  // namespace quelrin
