// Windows-1252 character classes and conversions.
#include "text/cp1252.hpp"

#include <array>
#include <cstdint>

namespace quelrin {
namespace {

// Unicode code points of the bytes 0x80-0x9F; 0 marks the five unassigned ones.
constexpr std::array<std::uint16_t, 32> HIGH_CONTROL_BLOCK = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

unsigned byte(char c) { return static_cast<unsigned char>(c); }

std::uint32_t code_point(char c) {
  const unsigned b = byte(c);
  if (b >= 0x80 && b < 0xA0) {
    const std::uint16_t mapped = HIGH_CONTROL_BLOCK[b - 0x80];
    return mapped != 0 ? mapped : b;  // unassigned bytes pass through as C1 controls
  }
  return b;
}

void append_utf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char byte_for_code_point(std::uint32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (unsigned i = 0; i < HIGH_CONTROL_BLOCK.size(); ++i) {
    if (HIGH_CONTROL_BLOCK[i] == cp || (HIGH_CONTROL_BLOCK[i] == 0 && cp == 0x80 + i)) {
      return static_cast<char>(0x80 + i);
    }
  }
  return '?';
}

}  // namespace

bool is_c_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char cp1252_to_lower(char c) {
  const unsigned b = byte(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
  switch (b) {
    case 0x8A: case 0x8C: case 0x8E: return static_cast<char>(b + 0x10);  // Š Œ Ž
    case 0x9F: return static_cast<char>(0xFF);                            // Ÿ
    default: return c;
  }
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (cp1252_to_lower(a[i]) != cp1252_to_lower(b[i])) return false;
  }
  return true;
}

std::string cp1252_to_utf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) append_utf8(out, code_point(c));
  return out;
}

std::string utf8_to_cp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const unsigned lead = byte(text[i]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                       : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
      out += '?';
      ++i;
      continue;
    }
    std::uint32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    bool well_formed = true;
    for (std::size_t k = 1; k < length; ++k) {
      const unsigned next = byte(text[i + k]);
      well_formed = well_formed && (next >> 6) == 0x2;
      cp = (cp << 6) | (next & 0x3F);
    }
    out += well_formed ? byte_for_code_point(cp) : '?';
    i += well_formed ? length : 1;
  }
  return out;
}

}  // namespace quelrin
