// Between Windows-1252 bytes and Unicode code points, and the reading of one
// UTF-8 sequence. constexpr, so that the compiler converts the program's own
// texts (cp1252_literal.hpp) with the very table the run-time conversions use.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quelrin {

// Unicode code points of the bytes 0x80-0x9F; 0 marks the five unassigned ones.
inline constexpr std::array<std::uint16_t, 32> CP1252_HIGH_CONTROL_BLOCK = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr std::uint32_t cp1252_code_point(char c) {
  const unsigned b = static_cast<unsigned char>(c);
  if (b >= 0x80 && b < 0xA0) {
    const std::uint16_t mapped = CP1252_HIGH_CONTROL_BLOCK[b - 0x80];
    return mapped != 0 ? mapped : b;  // unassigned bytes pass through as C1 controls
  }
  return b;
}

// The byte of a code point, or nothing where the code page lacks it.
constexpr std::optional<char> cp1252_byte(std::uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (unsigned i = 0; i < CP1252_HIGH_CONTROL_BLOCK.size(); ++i) {
    if (CP1252_HIGH_CONTROL_BLOCK[i] == cp ||
        (CP1252_HIGH_CONTROL_BLOCK[i] == 0 && cp == 0x80 + i)) {
      return static_cast<char>(0x80 + i);
    }
  }
  return std::nullopt;
}

struct Utf8Sequence {
  std::uint32_t code_point;
  std::size_t length;  // 0 for a malformed or cut sequence
};

// The sequence that starts at text[i].
constexpr Utf8Sequence read_utf8_sequence(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) -> unsigned { return static_cast<unsigned char>(text[k]); };
  const unsigned lead = byte(i);
  const std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 0;
  if (length == 0 || i + length > text.size()) return {0, 0};
  std::uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned next = byte(i + k);
    if ((next >> 6) != 0x2) return {0, 0};
    cp = (cp << 6) | (next & 0x3F);
  }
  return {cp, length};
}

}  // namespace quelrin
