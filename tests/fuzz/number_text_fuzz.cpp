// The locale-free numbers: the first eight bytes as a double, which is
// written in the shortest digits that read back, laid out as "%g" lays them
// out, and read back bit for bit;
// the whole input as a text, which either reader takes as strtod does.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <regex>

#include "fuzz_support.hpp"
#include "text/cp1252.hpp"
#include "text/number_text.hpp"

namespace {

using quelrin::fuzz::require;

bool same_value(double a, double b) {
  return quelrin::fuzz::same_bits(a, b) || (std::isnan(a) && std::isnan(b));
}

void check_writing(double value) {
  const std::string written = quelrin::format_g_exact(value);
  if (!std::isfinite(value)) {
    require(written == quelrin::format_g(value), "a non-finite value is written as %g writes it");
    return;
  }
  const std::optional<double> read = quelrin::read_whole_number(written);
  require(read && quelrin::fuzz::same_bits(*read, value), "a written double reads back bit for bit",
          written);
  // Laid out as "%g" lays out its digits, which are never more than those of
  // the lowest "%g" precision from 6 up that reads back, and are those of
  // "%g" itself when six suffice.
  static const std::regex g_layout(R"(-?(0|[1-9]\d*)(\.\d*[1-9])?(e[+-]\d\d+)?)");
  require(std::regex_match(written, g_layout), "written as %g lays a number out", written);
  const std::string mantissa = written.substr(0, written.find('e'));
  const std::size_t first = mantissa.find_first_of("123456789");
  const long digits =
      first == std::string::npos
          ? 1
          : std::count_if(mantissa.begin() + static_cast<long>(first), mantissa.end(),
                          [](char c) { return c >= '0' && c <= '9'; });
  for (int precision = 6; precision <= 17; ++precision) {
    char g[64];
    std::snprintf(g, sizeof g, "%.*g", precision, value);
    if (std::strtod(g, nullptr) != value) continue;
    require(digits <= precision, "no more digits than the shortest exact %g", written + " / " + g);
    if (precision == 6) require(written == g, "six digits written as %g writes them", written);
    return;
  }
  require(false, "some %g precision reads back", written);
}

void check_reading(std::string_view text) {
  const std::string terminated(text);
  if (terminated.size() != std::strlen(terminated.c_str())) return;  // strtod stops at a NUL
  char* end = nullptr;
  const double expected = std::strtod(terminated.c_str(), &end);
  const std::string_view consumed(terminated.c_str(),
                                  static_cast<std::size_t>(end - terminated.c_str()));
  const bool hexadecimal = consumed.find_first_of("xX") != std::string_view::npos;

  // A NaN's optional payload text is read differently by the two, and no
  // NaN is kept by the program anyway.
  const std::optional<double> whole = quelrin::read_whole_number(text);
  if (whole && !std::isnan(*whole)) {
    require(!hexadecimal && consumed.size() == text.size(), "strtod reads an accepted text whole",
            text);
    require(same_value(*whole, expected), "an accepted text reads as strtod reads it", text);
  }
  if (!hexadecimal) {
    require(same_value(quelrin::read_leading_number(text), expected), "the leading number as atof",
            text);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quelrin::fuzz::Input input(data, size);
  check_writing(input.take<double>());
  check_reading(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
