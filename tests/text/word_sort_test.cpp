// The sorted list box's word sort, against an order read off a real one.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/list_box_order.hpp"
#include "text/word_sort.hpp"

namespace quelrin {
namespace {

TEST(WordSort, SortingWithItReproducesTheListBoxOrder) {
  for (std::vector<std::string> names : {std::vector<std::string>(test::LIST_BOX_ORDER.rbegin(),
                                                                  test::LIST_BOX_ORDER.rend()),
                                         test::shuffled_list_box_order()}) {
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return word_sort_compare(a, b) < 0; });
    EXPECT_EQ(names, test::LIST_BOX_ORDER);
  }
}

TEST(WordSort, HyphensAndApostrophesOnlyBreakTies) {
  EXPECT_LT(word_sort_compare("ab", "a'b"), 0);
  EXPECT_LT(word_sort_compare("a'b", "ac"), 0);
  EXPECT_LT(word_sort_compare("R-134a", "R22"), 0);
  EXPECT_GT(word_sort_compare("n-Butano", "nButano"), 0);
}

TEST(WordSort, AccentsCountAfterTheBaseLetterAndCaseNotAtAll) {
  EXPECT_LT(word_sort_compare("agua", "Água"), 0);
  EXPECT_LT(word_sort_compare("Água", "aguas"), 0);
  EXPECT_EQ(word_sort_compare("ÁGUA", "água"), 0);
  EXPECT_EQ(word_sort_compare("Œuvre", "oeuvre"), 0);
}

TEST(WordSort, SymbolsComeBeforeDigitsBeforeLetters) {
  EXPECT_LT(word_sort_compare("_x", "0"), 0);
  EXPECT_LT(word_sort_compare("9", "a"), 0);
  EXPECT_LT(word_sort_compare("a b", "ab"), 0);
  EXPECT_LT(word_sort_compare("", "_"), 0);
  EXPECT_LT(word_sort_compare("z", "µ"), 0);  // a Greek letter, after the Latin ones
}

}  // namespace
}  // namespace quelrin
