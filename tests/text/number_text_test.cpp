// Locale-free number text: "%g" formatting, exact formatting for files, and
// the atof-like and whole-token readers, also under a decimal-comma locale.
#include "text/number_text.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "tests/support/double_bits.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

constexpr double INF = std::numeric_limits<double>::infinity();

const double FORMAT_SAMPLES[] = {0.0,
                                 -0.0,
                                 1.0,
                                 0.1,
                                 1e-05,
                                 0.0001,
                                 100000,
                                 1e+06,
                                 123456789,
                                 999999.5,
                                 9.9999951,
                                 -3.14159265,
                                 -2.5e-300,
                                 5e-324,
                                 1.7976931348623157e308,
                                 33.9961,
                                 INF,
                                 -INF,
                                 std::numeric_limits<double>::quiet_NaN()};

const char* const LEADING_SAMPLES[] = {
    "90",    " 12.5abc", "-3",          "+4",     ".5",    "5.",
    "-.5",   "1.5.2",    cp1252<"25°">, "1,5",    "",      "-",
    ".",     "+-5",      "--5",         "1e3",    "1e",    "1e+",
    "2E-2x", "1e999",    "-1e999",      "1e-999", "\t\n7", "0.000000000000000000000000001"};

std::string printf_g(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  return buffer;
}

// Doubles of every magnitude and sign, from a fixed seed.
std::vector<double> random_doubles(int count) {
  std::mt19937_64 bits(20240601);
  std::vector<double> values;
  while (static_cast<int>(values.size()) < count) {
    const double value = test::double_from_bits(static_cast<std::uint64_t>(bits()));
    if (std::isfinite(value)) values.push_back(value);
  }
  return values;
}

void expect_like_the_c_library() {
  for (double value : FORMAT_SAMPLES) EXPECT_EQ(format_g(value), printf_g(value));
  for (double value : random_doubles(2000)) EXPECT_EQ(format_g(value), printf_g(value));
  for (const char* text : LEADING_SAMPLES)
    EXPECT_EQ(read_leading_number(text), std::atof(text)) << text;
}

TEST(NumberText, FormatAndLeadingNumberMatchTheCLibraryInTheCLocale) {
  expect_like_the_c_library();
}

TEST(NumberText, ExactFormatRoundTripsEveryDouble) {
  for (double value : random_doubles(5000)) {
    const std::string text = format_g_exact(value);
    EXPECT_EQ(read_whole_number(text), value) << text;
  }
}

// "%g" at the smallest precision from 6 up that strtod reads back exactly.
std::string smallest_exact_printf(double value) {
  char buffer[64];
  for (int precision = 6;; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
    if (std::strtod(buffer, nullptr) == value) return buffer;
  }
}

TEST(NumberText, ExactFormatUsesTheSmallestPrecisionFromSix) {
  EXPECT_EQ(format_g_exact(1230000000.0), "1.23e+09");
  EXPECT_EQ(format_g_exact(1175.581), "1175.581");
  EXPECT_EQ(format_g_exact(-0.000123456789), "-0.000123456789");
  for (double value : random_doubles(2000))
    EXPECT_EQ(format_g_exact(value), smallest_exact_printf(value));
}

TEST(NumberText, ExactFormatOfEveryPowerOfTwoReadsBackExactly) {
  // At the powers of two the gap below is half the gap above: "%g" at the
  // shortest length rounds a tie down and would read back one step lower.
  EXPECT_EQ(format_g_exact(0x1p-24), "5.960464477539063e-08");
  for (int exponent = -1074; exponent <= 1023; ++exponent) {
    for (double value : {std::ldexp(1.0, exponent), -std::ldexp(1.0, exponent)}) {
      const std::optional<double> back = read_whole_number(format_g_exact(value));
      ASSERT_TRUE(back);
      EXPECT_EQ(test::bits_of(*back), test::bits_of(value)) << exponent;
    }
  }
}

TEST(NumberText, LongTextsReadAsTheirValueNotTheirLength) {
  const std::string zeros(400, '0');
  EXPECT_EQ(read_whole_number("0." + zeros + "1e5"), 0.0);
  EXPECT_EQ(read_whole_number("-0." + zeros + "1e5"), -0.0);
  EXPECT_EQ(read_whole_number("1" + zeros + "e-5"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(read_whole_number("0." + zeros + "1e400"), 0.1);
  EXPECT_EQ(read_whole_number("1" + zeros + "e-400"), 1.0);
  EXPECT_EQ(read_whole_number("1e-400"), 0.0);
  EXPECT_EQ(read_whole_number("-1E+400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(read_whole_number("1e99999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(read_whole_number("1e-99999999999999999999"), 0.0);
  EXPECT_EQ(read_leading_number("000." + zeros + "9e-3x"), 0.0);
  // Correctly rounded: the midpoint between 1 and the next double goes to even.
  EXPECT_EQ(read_whole_number("1.00000000000000011102230246251565404236316680908203125"), 1.0);
  EXPECT_EQ(read_whole_number("1.00000000000000011102230246251565404236316680908203126"),
            std::nextafter(1.0, 2.0));
}

TEST(NumberText, ExactFormatIsPlainGForSixSignificantDigits) {
  for (double value : FORMAT_SAMPLES) {
    const double six_digits = *read_whole_number(format_g(value));
    if (!std::isnan(six_digits)) {
      EXPECT_EQ(format_g_exact(six_digits), format_g(six_digits));
    }
  }
  for (double value : random_doubles(2000)) {
    const double six_digits = *read_whole_number(format_g(value));
    EXPECT_EQ(format_g_exact(six_digits), format_g(six_digits));
  }
}

TEST(NumberText, WholeNumberRejectsPartialTokens) {
  EXPECT_EQ(read_whole_number("1.5"), 1.5);
  EXPECT_EQ(read_whole_number("-2.5E-3"), -2.5e-3);
  EXPECT_EQ(read_whole_number("1e-305"), 1e-305);
  EXPECT_EQ(read_whole_number("+7"), 7.0);
  for (const char* text : {"", "1.5x", "1.5 ", " 1.5", "1,5", "--1", "1e", "-", "."}) {
    EXPECT_FALSE(read_whole_number(text)) << text;
  }
}

// Runs a test under a locale whose decimal separator is a comma, as the GTK
// program does after setlocale(LC_ALL, ""), and restores "C" afterwards.
class DecimalCommaLocale : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"pt_BR.UTF-8", "pt_BR.utf8", "de_DE.UTF-8", "de_DE.utf8",
                             "fr_FR.UTF-8", "Portuguese_Brazil.1252", "pt-BR"}) {
      if (std::setlocale(LC_ALL, name) && printf_g(1.5) == "1,5") return;
    }
    std::setlocale(LC_ALL, "C");
    GTEST_SKIP() << "no decimal-comma locale is installed";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(DecimalCommaLocale, NumbersStillUseThePoint) {
  EXPECT_EQ(format_g(1.5), "1.5");
  EXPECT_EQ(format_g(123456789.0), "1.23457e+08");
  EXPECT_EQ(format_g_exact(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(read_leading_number(cp1252<"25.5°">), 25.5);
  EXPECT_EQ(read_leading_number("1,5"), 1.0);
  EXPECT_EQ(read_whole_number("221.223"), 221.223);
  EXPECT_FALSE(read_whole_number("221,223"));
}

}  // namespace
}  // namespace quelrin
