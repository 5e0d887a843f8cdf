// Six significant digits by one exact scaling and one rounding; the few
// values whose rounding that cannot decide (a seventh digit within 1e-9 of a
// tie), and those outside the exactly scalable range, go to the general
// writer of text/float_chars.hpp.
#include "text/g_text.hpp"

#include <cmath>
#include <cstdint>

#include "text/float_chars.hpp"

namespace quelrin {
namespace {

// Every power of ten that a double holds exactly.
constexpr double EXACT_POWERS_OF_TEN[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int LARGEST_EXACT_POWER = 22;
constexpr int DIGITS = 6;
// One rounding of a value below 2^20 errs by less than 1.2e-10.
constexpr double TIE_MARGIN = 1e-9;

char* slow_g(char* first, double value) {
  return write_general(first, first + G_TEXT_ROOM, value, DIGITS);
}

// |value| · 10^power with a single rounding, or a negative number when the
// power of ten is not exact.
double scale(double magnitude, int power) {
  if (power > LARGEST_EXACT_POWER || power < -LARGEST_EXACT_POWER) return -1.0;
  return power >= 0 ? magnitude * EXACT_POWERS_OF_TEN[power]
                    : magnitude / EXACT_POWERS_OF_TEN[-power];
}

}  // namespace

char* write_g(char* first, double value) {
  const double magnitude = std::fabs(value);
  if (!(magnitude > 0.0) || !std::isfinite(magnitude)) return slow_g(first, value);

  // The decimal exponent from the binary one: exact or one too low.
  int exponent = static_cast<int>(std::floor(std::ilogb(magnitude) * 0.30102999566398120));
  double scaled = scale(magnitude, DIGITS - 1 - exponent);
  if (scaled >= 999999.5 + TIE_MARGIN) {
    ++exponent;
    scaled = scale(magnitude, DIGITS - 1 - exponent);
  }
  if (scaled < 99999.5 + TIE_MARGIN) return slow_g(first, value);
  const double fraction = scaled - std::floor(scaled);
  if (std::fabs(fraction - 0.5) < TIE_MARGIN) return slow_g(first, value);

  auto digits = static_cast<std::uint32_t>(scaled + 0.5);
  if (digits == 1000000) {  // rounded up to the next power of ten
    digits = 100000;
    ++exponent;
  }
  char text[DIGITS];
  for (int i = DIGITS - 1; i >= 0; --i) {
    text[i] = static_cast<char>('0' + digits % 10);
    digits /= 10;
  }
  int kept = DIGITS;  // significant digits left once trailing zeros go
  while (kept > 1 && text[kept - 1] == '0') --kept;

  char* out = first;
  if (value < 0.0) *out++ = '-';
  if (exponent >= -4 && exponent < DIGITS) {
    if (exponent < 0) {
      *out++ = '0';
      *out++ = '.';
      for (int i = -1; i > exponent; --i) *out++ = '0';
      for (int i = 0; i < kept; ++i) *out++ = text[i];
    } else {
      for (int i = 0; i <= exponent; ++i) *out++ = text[i];
      if (kept > exponent + 1) {
        *out++ = '.';
        for (int i = exponent + 1; i < kept; ++i) *out++ = text[i];
      }
    }
    return out;
  }
  *out++ = text[0];
  if (kept > 1) {
    *out++ = '.';
    for (int i = 1; i < kept; ++i) *out++ = text[i];
  }
  *out++ = 'e';
  *out++ = exponent < 0 ? '-' : '+';
  const int shown = exponent < 0 ? -exponent : exponent;
  if (shown >= 100) *out++ = static_cast<char>('0' + shown / 100);
  *out++ = static_cast<char>('0' + shown / 10 % 10);
  *out++ = static_cast<char>('0' + shown % 10);
  return out;
}

}  // namespace quelrin
