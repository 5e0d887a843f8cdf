// fast_float and fmt, both header-only (Debian's libfast-float-dev and
// libfmt-dev), compiled into this file alone.
#include "text/float_chars.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

#define FMT_HEADER_ONLY
#include <fast_float/fast_float.h>
#include <fmt/format.h>

namespace quelrin {
namespace {

// A positive finite value's shortest digits: value ≈ d.ddd × 10^exponent.
struct ShortestDigits {
  char digits[20];
  int count = 0;
  int exponent = 0;
};

// fmt's own shortest-digit search (Dragonbox), the one behind its "{}".
ShortestDigits shortest_digits(double magnitude) {
  ShortestDigits shortest;
  const auto decimal = magnitude == 0.0 ? fmt::detail::dragonbox::decimal_fp<double>{0, 0}
                                        : fmt::detail::dragonbox::to_decimal(magnitude);
  const char* const end =
      std::to_chars(shortest.digits, shortest.digits + sizeof shortest.digits, decimal.significand)
          .ptr;
  shortest.count = static_cast<int>(end - shortest.digits);
  shortest.exponent = decimal.exponent + shortest.count - 1;
  return shortest;
}

std::size_t room(const char* first, const char* last) {
  return static_cast<std::size_t>(last - first);
}

// Copies [text, end) to `first`, as far as `last`, and returns the end of the copy.
char* put(char* first, char* last, const char* text, const char* end) {
  return std::copy_n(text, std::min(end - text, last - first), first);
}

}  // namespace

const char* read_double(const char* first, const char* last, double& value) {
  const auto result = fast_float::from_chars(first, last, value);
  return result.ec == std::errc() ? result.ptr : nullptr;
}

char* write_general(char* first, char* last, double value, int precision) {
  return fmt::format_to_n(first, room(first, last), "{:.{}g}", value, precision).out;
}

char* write_shortest_scientific(char* first, char* last, double value) {
  if (!std::isfinite(value)) return fmt::format_to_n(first, room(first, last), "{}", value).out;
  const ShortestDigits shortest = shortest_digits(std::fabs(value));
  char text[40];
  char* out = text;
  if (std::signbit(value)) *out++ = '-';
  *out++ = shortest.digits[0];
  if (shortest.count > 1) {
    *out++ = '.';
    out = std::copy(shortest.digits + 1, shortest.digits + shortest.count, out);
  }
  out = fmt::format_to(out, "e{:+03d}", shortest.exponent);
  return put(first, last, text, out);
}

char* write_shortest_fixed(char* first, char* last, double value) {
  if (!std::isfinite(value)) return fmt::format_to_n(first, room(first, last), "{}", value).out;
  const ShortestDigits shortest = shortest_digits(std::fabs(value));
  // No shortest digit after the point: the value is a whole number, which
  // the fewest characters give exactly, every digit of it.
  if (shortest.count <= shortest.exponent + 1) {
    return fmt::format_to_n(first, room(first, last), "{:.0f}", value).out;
  }
  const char* const digits = shortest.digits;
  char text[400];  // a sign, 309 integer digits or 324 decimals, and a point
  char* out = text;
  if (std::signbit(value)) *out++ = '-';
  if (shortest.exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -shortest.exponent - 1, '0');
    out = std::copy(digits, digits + shortest.count, out);
  } else {
    const char* const point = digits + shortest.exponent + 1;
    out = std::copy(digits, point, out);
    *out++ = '.';
    out = std::copy(point, digits + shortest.count, out);
  }
  return put(first, last, text, out);
}

}  // namespace quelrin
