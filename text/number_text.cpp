// Locale-free number formatting and reading over <charconv>.
#include "text/number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "text/cp1252.hpp"
#include "text/g_text.hpp"

namespace quelrin {
namespace {

// The power of ten of a decimal text's leading non-zero digit, exponent
// included, saturated far beyond any double's range. Only asked of a text
// from_chars found out of range, so it holds a non-zero digit.
long decimal_magnitude(std::string_view text) {
  constexpr long FAR = 1'000'000'000;
  const std::size_t exponent_at = std::min(text.find_first_of("eE"), text.size());
  const std::string_view mantissa = text.substr(0, exponent_at);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  long magnitude =
      first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  long exponent = 0;
  std::size_t i = exponent_at + 1;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  for (; i < text.size(); ++i) exponent = std::min(FAR, exponent * 10 + (text[i] - '0'));
  return magnitude + (negative ? -exponent : exponent);
}

// from_chars does not take a leading '+' and leaves the value alone when it
// overflows or underflows; strtod gives ±HUGE_VAL or 0 there.
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
  const auto result = std::from_chars(p, last, scan.value, std::chars_format::general);
  if (result.ec == std::errc::invalid_argument) return {};
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the largest double or below the smallest: which, the digits tell.
    const std::string_view digits(p, static_cast<std::size_t>(result.ptr - p));
    scan.value = decimal_magnitude(digits) < 0 ? 0.0 : std::numeric_limits<double>::infinity();
  }
  if (negative) scan.value = -scan.value;
  scan.end = result.ptr;
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
  const char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
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
