// "%g" (six significant digits) written into the caller's buffer without the
// heap and quickly: the calculation forms two numbers on every iteration.
// format_g and the exact writer lay their six-digit texts out with it.
#pragma once

namespace quelrin {

// Room for any "%g" text: sign, six digits, point and a three-digit exponent.
inline constexpr int G_TEXT_ROOM = 16;

// Writes the text at `first` (G_TEXT_ROOM bytes of room) and returns its end.
char* write_g(char* first, double value);

}  // namespace quelrin
