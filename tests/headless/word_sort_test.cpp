// The sorted list box's word sort, against an order read off a real one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "headless_fixture.hpp"
#include "platform/headless/program_resources.hpp"
#include "platform/headless/word_sort.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

// From a real Windows sorted list box (code page 1252).
const std::vector<std::string> LIST_BOX_ORDER = {
    "_x",      "10-x",      "1-Buteno", "2-x",      "a b",           "ab",         "a'b",
    "ac",      "a-c",       "Acetona",  "Ácido-acético", "agua",     "Água",       "Amônia",
    "Ar",      "Benzeno",   "Butano",   "CO2",      "Etano",         "Etanol",     "Éter-etílico",
    "i-Butano", "Isobutano", "Metano",  "Metanol",  "nButano",       "n-Butano",   "nHexano",
    "n-Hexano", "Nitrogênio", "Óleo",   "Oxigênio", "Ozônio",        "R134a",      "R-134a",
    "R22",     "R-22",      "Tolueno",  "Zinco"};

std::vector<std::string> sorted_by_list_box(const std::vector<std::string>& names) {
  test::HeadlessBench bench(program_resources().script);
  test::RecordingProcedure procedure;
  HeadlessDialog editor(*find_dialog(program_resources().script, IDD_EDITOR), procedure, bench.host);
  for (const std::string& name : names) editor.list_add(IDC_EDITOR_FLUID_LIST, name);
  return editor.control(IDC_EDITOR_FLUID_LIST)->entries;
}

TEST(WordSort, SortedListReproducesTheListBoxOrderFromAnyInsertionOrder) {
  std::vector<std::string> reversed(LIST_BOX_ORDER.rbegin(), LIST_BOX_ORDER.rend());
  EXPECT_EQ(sorted_by_list_box(reversed), LIST_BOX_ORDER);
  std::vector<std::string> shuffled;
  for (std::size_t start : {5u, 2u, 0u, 6u, 3u, 1u, 4u}) {
    for (std::size_t i = start; i < LIST_BOX_ORDER.size(); i += 7) shuffled.push_back(LIST_BOX_ORDER[i]);
  }
  EXPECT_EQ(sorted_by_list_box(shuffled), LIST_BOX_ORDER);
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
