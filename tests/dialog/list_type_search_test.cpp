// Type-to-find as a Win32 list does it: by first letter round the list, by
// prefix when the characters come quickly, letter case folded in code page
// 1252.
#include "dialog/list_type_search.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quelrin {
namespace {

// The editor's word-sorted names, in Windows-1252.
const std::vector<std::string> NAMES = {"Acetona", "\xC1gua", "Benzeno", "Butano",
                                        "Etano",   "\xC9ter", "Metano",  "Metanol"};

TEST(ListTypeSearch, OneLetterGoesRoundTheEntriesStartingWithItWhateverTheCase) {
  ListTypeSearch search;
  EXPECT_EQ(search.find(NAMES, -1, 'b', 10000), 2);
  EXPECT_EQ(search.find(NAMES, 2, 'B', 12000), 3);
  EXPECT_EQ(search.find(NAMES, 3, 'b', 14000), 2) << "round the list";
  EXPECT_EQ(search.find(NAMES, 2, 'b', 14100), 3) << "the same letter again, quickly, goes on";
  EXPECT_EQ(search.find(NAMES, 3, '\xE1', 16000), 1)
      << "a acute finds Agua with its accent, not Acetona";
  EXPECT_EQ(search.find(NAMES, 1, 'e', 18000), 4) << "e finds Etano, not Eter with its accent";
  EXPECT_EQ(search.find(NAMES, 4, 'z', 20000), -1);
}

TEST(ListTypeSearch, QuickCharactersSearchByPrefixAndAPauseStartsAgain) {
  ListTypeSearch search;
  EXPECT_EQ(search.find(NAMES, 0, 'm', 1000), 6);
  EXPECT_EQ(search.find(NAMES, 6, 'e', 1500), 6) << "the selected entry fits the prefix";
  for (char c : std::string("tano")) EXPECT_EQ(search.find(NAMES, 6, c, 2000), 6);
  EXPECT_EQ(search.find(NAMES, 6, 'l', 2100), 7);
  EXPECT_EQ(search.find(NAMES, 7, 'l', 2200), -1) << "no metanoll";
  EXPECT_EQ(search.find(NAMES, 6, 'a', 3300), 0) << "after a pause, a new first letter";
  EXPECT_EQ(search.find(NAMES, 0, 'b', 0xFFFFFF00u), 2);
  EXPECT_EQ(search.find(NAMES, 2, 'u', 0x50u), 3) << "the key clock wrapped within the pause";
}

}  // namespace
}  // namespace quelrin
