// Locale-free number formatting and reading over <charconv>.
#include "text/number_text.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "text/cp1252.hpp"

namespace quelrin {
namespace {

std::string format_with_precision(double value, int precision) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
  return std::string(buffer, result.ptr);
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
    const std::string_view digits(p, static_cast<std::size_t>(result.ptr - p));
    const std::size_t exponent = digits.find_first_of("eE");
    const bool tiny = exponent != std::string_view::npos
                          ? digits[exponent + 1] == '-'
                          : digits.find_first_of("123456789") > digits.find('.');
    scan.value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  }
  if (negative) scan.value = -scan.value;
  scan.end = result.ptr;
  return scan;
}

}  // namespace

std::string format_g(double value) { return format_with_precision(value, 6); }

std::string format_g_exact(double value) {
  if (!std::isfinite(value)) return format_g(value);
  // The shortest text that reads back exactly has this many significant
  // digits; "%g" at that precision reads back too, and no lower one does.
  char buffer[64];
  const char* end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific).ptr;
  const std::string_view shortest(buffer, static_cast<std::size_t>(end - buffer));
  const std::string_view mantissa = shortest.substr(0, shortest.find('e'));
  const int digits = static_cast<int>(
      std::count_if(mantissa.begin(), mantissa.end(), [](char c) { return c >= '0' && c <= '9'; }));
  return format_with_precision(value, std::max(6, digits));
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
