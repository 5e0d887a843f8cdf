// Windows-1252 character classes and conversions.
#include "text/cp1252.hpp"

#include <cstdint>

#include "text/cp1252_mapping.hpp"

namespace quelrin {
namespace {

unsigned byte(char c) { return static_cast<unsigned char>(c); }

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

}  // namespace

bool is_c_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

char cp1252_to_lower(char c) {
  const unsigned b = byte(c);
  if (b >= 'A' && b <= 'Z') return static_cast<char>(b + 0x20);
  if (b >= 0xC0 && b <= 0xDE && b != 0xD7) return static_cast<char>(b + 0x20);
  switch (b) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
      return static_cast<char>(b + 0x10);  // Š Œ Ž
    case 0x9F:
      return static_cast<char>(0xFF);  // Ÿ
    default:
      return c;
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
  for (char c : text) append_utf8(out, cp1252_code_point(c));
  return out;
}

std::string utf8_to_cp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const Utf8Sequence sequence = read_utf8_sequence(text, i);
    out += sequence.length == 0 ? '?' : cp1252_byte(sequence.code_point).value_or('?');
    i += sequence.length == 0 ? 1 : sequence.length;
  }
  return out;
}

}  // namespace quelrin
