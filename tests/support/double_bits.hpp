// A double and its 64 bits, either way round, as std::bit_cast gives them
// (which emscripten's C++ library lacks).
#pragma once

#include <cstdint>
#include <cstring>

namespace quelrin::test {

inline double double_from_bits(std::uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

inline std::uint64_t bits_of(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace quelrin::test
