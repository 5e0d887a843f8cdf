// "%g" of a number written into the caller's buffer, exactly as format_g
// forms it, for the text the calculation builds on every iteration without
// going through the heap.
#pragma once

#include <charconv>

namespace quelrin {

// Room for any "%g" text: sign, six digits, point and a three-digit exponent.
inline constexpr int G_TEXT_ROOM = 16;

inline char* write_g(char* first, double value) {
  return std::to_chars(first, first + G_TEXT_ROOM, value, std::chars_format::general, 6).ptr;
}

}  // namespace quelrin
