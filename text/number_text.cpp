// Locale-free number formatting and reading over the floating-point text of
// text/float_chars.hpp.
#include "text/number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "text/cp1252.hpp"
#include "text/float_chars.hpp"
#include "text/g_text.hpp"

namespace quelrin {
namespace {

// The number reader takes no leading '+'; this scan does, as strtod does.
struct Scan {
  double value = 0.0;
  const char* end = nullptr;  // nullptr: no number at the start
};

Scan scan_number(const char* first, const char* last) {
  const char* p = first;
  bool negative = false;
  if (p != last && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
    if (p != last && (*p == '+' || *p == '-')) return {};
  }
  Scan scan;
  scan.end = read_double(p, last, scan.value);
  if (negative) scan.value = -scan.value;
  return scan;
}

}  // namespace

std::string format_g(double value) {
  char buffer[G_TEXT_ROOM];
  return std::string(buffer, write_g(buffer, value));
}

char* write_g_exact(char* out, double value) {
  if (!std::isfinite(value)) return write_g(out, value);
  // The shortest digits that read back exactly, "d.ddde±XX".
  char buffer[MAX_G_EXACT_CHARS];
  const char* const scientific = buffer;
  const char* const end = write_shortest_scientific(buffer, buffer + sizeof buffer, value);
  const char* const exponent_mark = std::find(scientific, end, 'e');
  const char* mantissa = scientific;
  if (*mantissa == '-') ++mantissa;
  const int digit_count =
      static_cast<int>(exponent_mark - mantissa) - (exponent_mark - mantissa > 1 ? 1 : 0);
  // Six significant digits or fewer: plain "%g" gives the same digits.
  if (digit_count <= 6) return write_g(out, value);
  int exponent = 0;
  std::from_chars(exponent_mark + (exponent_mark[1] == '+' ? 2 : 1), end, exponent);
  // "%g" at precision P = digit_count: the exponent form outside -4 <= X < P.
  if (exponent < -4 || exponent >= digit_count) return std::copy(scientific, end, out);
  char digit_buffer[MAX_G_EXACT_CHARS];
  const char* const digits = digit_buffer;
  const char* const last_digit =
      std::copy_if(mantissa, exponent_mark, digit_buffer, [](char c) { return c != '.'; });
  if (value < 0) *out++ = '-';
  if (exponent < 0) {
    *out++ = '0';
    *out++ = '.';
    out = std::fill_n(out, -exponent - 1, '0');
    return std::copy(digits, last_digit, out);
  }
  const char* const point = digits + exponent + 1;
  out = std::copy(digits, point, out);
  if (point == last_digit) return out;
  *out++ = '.';
  return std::copy(point, last_digit, out);
}

std::string format_g_exact(double value) {
  char buffer[MAX_G_EXACT_CHARS];
  return std::string(buffer, write_g_exact(buffer, value));
}

double read_leading_number(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && is_c_space(text[start])) ++start;
  const Scan scan = scan_number(text.data() + start, text.data() + text.size());
  return scan.end ? scan.value : 0.0;
}

std::optional<double> read_whole_number(std::string_view text) {
  const char* last = text.data() + text.size();
  const Scan scan = scan_number(text.data(), last);
  if (scan.end != last || text.empty()) return std::nullopt;
  return scan.value;
}

}  // namespace quelrin
