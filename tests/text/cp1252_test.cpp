// Windows-1252 letters, case-blind comparison and the UTF-8 conversions.
#include "text/cp1252.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

TEST(Cp1252, LettersAreThoseOfTheDialogManager) {
  for (char c : std::string(cp1252<"AZazƒˆŠŸªºµÀÇÖØßãöøÿ">)) {
    EXPECT_TRUE(is_cp1252_letter(c)) << static_cast<int>(static_cast<unsigned char>(c));
  }
  for (char c : std::string(cp1252<"09.,+-_'\"%/×÷°²§€">) + "\x81\xA0") {
    EXPECT_FALSE(is_cp1252_letter(c)) << static_cast<int>(static_cast<unsigned char>(c));
  }
}

TEST(Cp1252, WhiteSpaceIsTheCLocalesSix) {
  for (char c : std::string(" \t\n\v\f\r")) EXPECT_TRUE(is_c_space(c));
  for (char c : std::string("\xA0\x85x0")) EXPECT_FALSE(is_c_space(c));
}

TEST(Cp1252, EqualityIgnoresLetterCaseOnly) {
  EXPECT_TRUE(equal_ignoring_case(cp1252<"Á">, cp1252<"á">));
  EXPECT_TRUE(equal_ignoring_case(cp1252<"ÁGUA">, cp1252<"Água">));
  EXPECT_TRUE(equal_ignoring_case(cp1252<"ŠŒŽŸ">, cp1252<"šœžÿ">));
  EXPECT_FALSE(equal_ignoring_case(cp1252<"á">, "a"));
  EXPECT_FALSE(equal_ignoring_case("n-butano", "nButano"));
  EXPECT_FALSE(equal_ignoring_case("Etano", "Etanol"));
  EXPECT_FALSE(equal_ignoring_case(cp1252<"×">, cp1252<"÷">));  // 0xD7 and 0xF7 are no case pair
}

TEST(Cp1252, EveryByteRoundTripsThroughUtf8AndTheRestBecomesQuestionMarks) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8_to_cp1252(cp1252_to_utf8(all)), all);
  EXPECT_EQ(cp1252_to_utf8("\x80\xE1"), "\xE2\x82\xAC\xC3\xA1");  // € á
  EXPECT_EQ(utf8_to_cp1252("\xC3\x81gua"), cp1252<"Água">);
  // Outside the code page, or malformed: a snowman, an emoji, a cut sequence.
  EXPECT_EQ(utf8_to_cp1252("a\xE2\x98\x83z\xF0\x9F\x98\x80\xC3"), "a?z??");
}

// The compiler's conversion of the program's texts, checked as it compiles:
// every character of the bytes 0x80-0x9F, and the Latin-1 half as it is.
static_assert(std::string_view(cp1252<"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ">) ==
              "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
              "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F");
static_assert(std::string_view(cp1252<"¡ª°ÁÇ×ßáçã÷ÿ">) ==
              "\xA1\xAA\xB0\xC1\xC7\xD7\xDF\xE1\xE7\xE3\xF7\xFF");
static_assert(sizeof(cp1252<"Atenção!">) == sizeof("Atencao!"));

}  // namespace
}  // namespace quelrin
