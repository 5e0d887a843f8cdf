// The quick "%g" against the C library's own "%g" (tests run in the "C"
// locale): the same bytes for every kind of value,
// the rounding ties and the switches between fixed and exponent form included.
#include "text/g_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "tests/support/double_bits.hpp"

namespace quelrin {
namespace {

std::string quick_g(double value) {
  char buffer[G_TEXT_ROOM];
  return std::string(buffer, write_g(buffer, value));
}

// A NaN keeps its sign as glibc and emscripten's C library write it; the
// Windows runtime drops it.
std::string reference_g(double value) {
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

TEST(QuickG, WritesWhatPrintfWritesForEdgeValues) {
  const double inf = std::numeric_limits<double>::infinity();
  for (const double value : {0.0,
                             -0.0,
                             1.0,
                             -1.0,
                             0.1,
                             0.5,
                             2.5,
                             100000.0,
                             999999.0,
                             999999.4,
                             999999.5,
                             999999.6,
                             1000000.0,
                             1234565.0,
                             1234575.0,
                             0.0001,
                             0.00009999995,
                             0.000099999949,
                             9.999995,
                             99999.95,
                             123456.5,
                             1e-5,
                             1e15,
                             1e22,
                             1e23,
                             1e27,
                             1e28,
                             1e-17,
                             1e-18,
                             1e300,
                             -1e-300,
                             5e-324,
                             std::numeric_limits<double>::max(),
                             inf,
                             -inf,
                             std::numeric_limits<double>::quiet_NaN(),
                             -std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(quick_g(value), reference_g(value)) << "value " << value;
  }
}

TEST(QuickG, WritesWhatPrintfWritesForRandomBitPatterns) {
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 500000; ++i) {
    const double value = test::double_from_bits(random());
    ASSERT_EQ(quick_g(value), reference_g(value)) << std::hexfloat << value;
  }
}

TEST(QuickG, WritesWhatPrintfWritesAcrossTheQuickRange) {
  std::mt19937_64 random(1);
  std::uniform_real_distribution<double> decade(-18.0, 28.0);
  for (int i = 0; i < 500000; ++i) {
    const double value = std::pow(10.0, decade(random));
    ASSERT_EQ(quick_g(value), reference_g(value)) << std::hexfloat << value;
  }
}

// Values a few units from a seventh-digit tie, at every decimal exponent the
// quick path takes, where a wrong rounding would show.
TEST(QuickG, WritesWhatPrintfWritesNearRoundingTies) {
  std::mt19937_64 random(7);
  std::uniform_int_distribution<std::int64_t> seven_digits(1000000, 9999999);
  for (int exponent = -20; exponent <= 30; ++exponent) {
    for (int i = 0; i < 2000; ++i) {
      const double tie =
          (static_cast<double>(seven_digits(random) / 10) + 0.5) * std::pow(10.0, exponent);
      double value = tie;
      for (int step = 0; step < 3; ++step) value = std::nextafter(value, 0.0);
      for (int step = 0; step < 7; ++step, value = std::nextafter(value, tie * 2)) {
        ASSERT_EQ(quick_g(value), reference_g(value)) << std::hexfloat << value;
        ASSERT_EQ(quick_g(-value), reference_g(-value)) << std::hexfloat << -value;
      }
    }
  }
}

}  // namespace
}  // namespace quelrin
