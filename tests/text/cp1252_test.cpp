// Windows-1252 letters, case-blind comparison and the UTF-8 conversions.
#include "text/cp1252.hpp"

#include <gtest/gtest.h>

#include <string>

namespace quelrin {
namespace {

TEST(Cp1252, LettersAreThoseOfTheDialogManager) {
  for (char c : std::string("AZaz\x83\x88\x8A\x9F" "ªºµÀÇÖØßãöøÿ")) {
    EXPECT_TRUE(is_cp1252_letter(c)) << static_cast<int>(static_cast<unsigned char>(c));
  }
  for (char c : std::string("09.,+-_'\"%/×÷°²§€\x81\xA0")) {
    EXPECT_FALSE(is_cp1252_letter(c)) << static_cast<int>(static_cast<unsigned char>(c));
  }
}

TEST(Cp1252, WhiteSpaceIsTheCLocalesSix) {
  for (char c : std::string(" \t\n\v\f\r")) EXPECT_TRUE(is_c_space(c));
  for (char c : std::string("\xA0\x85x0")) EXPECT_FALSE(is_c_space(c));
}

TEST(Cp1252, EqualityIgnoresLetterCaseOnly) {
  EXPECT_TRUE(equal_ignoring_case("Á", "á"));
  EXPECT_TRUE(equal_ignoring_case("ÁGUA", "Água"));
  EXPECT_TRUE(equal_ignoring_case("ŠŒŽŸ", "šœžÿ"));
  EXPECT_FALSE(equal_ignoring_case("á", "a"));
  EXPECT_FALSE(equal_ignoring_case("n-butano", "nButano"));
  EXPECT_FALSE(equal_ignoring_case("Etano", "Etanol"));
  EXPECT_FALSE(equal_ignoring_case("×", "÷"));  // 0xD7 and 0xF7 are no case pair
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8AndTheRestBecomesQuestionMarks) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
  EXPECT_EQ(cp1252_to_utf8("\x80\xE1"), "\xE2\x82\xAC\xC3\xA1");  // € á
  EXPECT_EQ(utf8_to_cp1252("\xC3\x81gua"), "Água");
  // Outside the code page, or malformed: a snowman, an emoji, a cut sequence.
  EXPECT_EQ(utf8_to_cp1252("a\xE2\x98\x83z\xF0\x9F\x98\x80\xC3"), "a?z??");
}

}  // namespace
}  // namespace quelrin
