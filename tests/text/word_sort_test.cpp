// The sorted list box's word sort, against an order read off a real one.
#include "text/word_sort.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/list_box_order.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

TEST(WordSort, SortingWithItReproducesTheListBoxOrder) {
  for (std::vector<std::string> names :
       {std::vector<std::string>(test::LIST_BOX_ORDER.rbegin(), test::LIST_BOX_ORDER.rend()),
        test::shuffled_list_box_order()}) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
      return word_sort_compare(a, b) < 0;
    });
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
  EXPECT_LT(word_sort_compare("agua", cp1252<"Água">), 0);
  EXPECT_LT(word_sort_compare(cp1252<"Água">, "aguas"), 0);
  EXPECT_EQ(word_sort_compare(cp1252<"ÁGUA">, cp1252<"água">), 0);
  EXPECT_EQ(word_sort_compare(cp1252<"Œuvre">, "oeuvre"), 0);
}

// Positions a real sorted list box gave (Wine's): a name equal but for
// letter case goes before the first such entry its search meets.
TEST(WordSort, InsertPositionIsWhereTheListBoxSearchStops) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(list_box_insert_position(Names{}, "x"), 0);
  EXPECT_EQ(list_box_insert_position(Names{"agua"}, "Agua"), 0);
  EXPECT_EQ(list_box_insert_position(Names{"AGUA", "agua"}, "Agua"), 0);
  EXPECT_EQ(list_box_insert_position(Names{"a", "agua", "AGUA", "b"}, "Agua"), 1);
  EXPECT_EQ(list_box_insert_position(Names{"a", "b", "c", "x", "x", "X"}, "x"), 4);
  EXPECT_EQ(list_box_insert_position(Names{"ab"}, "a-b"), 1);
  EXPECT_EQ(list_box_insert_position(Names{"ab"}, "AB"), 0);
  EXPECT_EQ(list_box_insert_position(test::LIST_BOX_ORDER, "Zz"),
            static_cast<int>(test::LIST_BOX_ORDER.size()));
  EXPECT_EQ(list_box_insert_position(test::LIST_BOX_ORDER, cp1252<"Água-x">), 13);
}

TEST(WordSort, ListBoxOrderIsThatOfAddingTheNamesOneByOne) {
  const std::vector<std::string> names = test::names_with_case_ties();
  std::vector<std::string> one_by_one;
  for (const std::string& name : names) {
    one_by_one.insert(one_by_one.begin() + list_box_insert_position(one_by_one, name), name);
  }
  const std::vector<std::string_view> views(names.begin(), names.end());
  std::vector<std::string> ordered;
  for (std::size_t i : list_box_order(views)) ordered.push_back(names[i]);
  EXPECT_EQ(ordered, one_by_one);
  EXPECT_TRUE(list_box_order({}).empty());
}

TEST(WordSort, SymbolsComeBeforeDigitsBeforeLetters) {
  EXPECT_LT(word_sort_compare("_x", "0"), 0);
  EXPECT_LT(word_sort_compare("9", "a"), 0);
  EXPECT_LT(word_sort_compare("a b", "ab"), 0);
  EXPECT_LT(word_sort_compare("", "_"), 0);
  EXPECT_LT(word_sort_compare("z", cp1252<"µ">), 0);  // a Greek letter, after the Latin ones
}

}  // namespace
}  // namespace quelrin
