// The real sorted list box of the fluid editor's template, against the order
// and the exact lookup that the portable word sort and the headless manager
// reproduce.
#include "tests/support/list_box_order.hpp"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/win32/win32_dialog.hpp"
#include "platform/win32/win32_host.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"
#include "text/word_sort.hpp"

namespace quelrin::test {
namespace {

INT_PTR CALLBACK no_procedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

class EditorListBox : public testing::Test {
 protected:
  void SetUp() override {
    editor_ = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_EDITOR), nullptr,
                                 no_procedure, 0);
    ASSERT_NE(editor_, nullptr);
    list_ = GetDlgItem(editor_, IDC_EDITOR_FLUID_LIST);
    for (const std::string& name : shuffled_list_box_order()) {
      SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
  }
  void TearDown() override { DestroyWindow(editor_); }

  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    const auto count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
    for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
      std::string name(static_cast<std::size_t>(SendMessageA(list_, LB_GETTEXTLEN, i, 0)) + 1,
                       '\0');
      name.resize(static_cast<std::size_t>(
          SendMessageA(list_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name.data()))));
      names.push_back(name);
    }
    return names;
  }

  int find_exact(const char* name) const {
    return static_cast<int>(SendMessageA(list_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(name)));
  }

  HWND editor_ = nullptr;
  HWND list_ = nullptr;
};

TEST_F(EditorListBox, SortsNamesInTheWordSortOrder) { EXPECT_EQ(entries(), LIST_BOX_ORDER); }

// Names equal but for letter case go where the list box's search meets the
// first of them, which the portable order reproduces name by name.
TEST_F(EditorListBox, NamesAddedOneByOneGoWhereThePortableOrderPutsThem) {
  SendMessageA(list_, LB_RESETCONTENT, 0, 0);
  const std::vector<std::string> names = names_with_case_ties();
  std::vector<std::string> expected;
  for (const std::string& name : names) {
    const int position = list_box_insert_position(expected, name);
    EXPECT_EQ(SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str())),
              position)
        << name;
    expected.insert(expected.begin() + position, name);
  }
  const std::vector<std::string_view> views(names.begin(), names.end());
  std::vector<std::string> ordered;
  for (std::size_t i : list_box_order(views)) ordered.push_back(names[i]);
  EXPECT_EQ(entries(), ordered);
}

TEST_F(EditorListBox, ExactLookupIgnoresLetterCaseOnly) {
  const int agua = find_exact("agua");
  const int accented = find_exact(cp1252<"Água">);
  ASSERT_GE(agua, 0);
  ASSERT_GE(accented, 0);
  EXPECT_NE(agua, accented);
  EXPECT_EQ(find_exact(cp1252<"ÁGUA">), accented);
  EXPECT_EQ(find_exact(cp1252<"áGUA">), accented);
  EXPECT_EQ(find_exact("n-butano"), find_exact("n-Butano"));
  EXPECT_NE(find_exact("n-butano"), find_exact("nButano"));
  EXPECT_EQ(find_exact("Agu"), LB_ERR);
}

// Distinct names of letters with and without accents, digits, hyphens and
// apostrophes, none equal to another but for letter case.
std::vector<std::string> many_names(std::size_t count, unsigned seed) {
  static const char* const PIECES[] = {"a",  cp1252<"Á">, "b",         cp1252<"é">, "E",
                                       "n-", "o",         cp1252<"Ó">, "R-",        "22",
                                       "x",  "'s",        cp1252<"ç">, "Z"};
  std::mt19937 random(seed);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(PIECES) - 1);
  std::uniform_int_distribution<int> length(3, 8);
  std::unordered_set<std::string> folded;
  std::vector<std::string> names;
  while (names.size() < count) {
    std::string name;
    for (int i = length(random); i > 0; --i) name += PIECES[piece(random)];
    std::string key;
    for (char c : name) key += cp1252_to_lower(c);
    if (folded.insert(key).second) names.push_back(name);
  }
  return names;
}

// The editor's way of listing a whole database: one fill in word-sort order,
// no sorting by the control; the list box then sorts what is added later
// into the same order.
TEST_F(EditorListBox, FilledInWordSortOrderItSortsLaterNamesTheSameWay) {
  std::vector<std::string> names = many_names(100'010, 7);
  const std::vector<std::string> later(names.end() - 10, names.end());
  names.resize(100'000);
  std::vector<std::pair<std::string, std::string>> keyed;
  for (const std::string& name : names) keyed.emplace_back(word_sort_key(name), name);
  std::sort(keyed.begin(), keyed.end());
  std::vector<std::string_view> sorted;
  for (const auto& entry : keyed) sorted.emplace_back(entry.second);

  Win32Host host(GetModuleHandleA(nullptr));
  Win32Dialog dialog(editor_, host);
  dialog.list_fill(IDC_EDITOR_FLUID_LIST, sorted);
  ASSERT_EQ(dialog.list_count(IDC_EDITOR_FLUID_LIST), 100'000);
  EXPECT_EQ(dialog.list_selection(IDC_EDITOR_FLUID_LIST), -1);
  for (int i : {0, 1, 4'999, 50'000, 99'999})
    EXPECT_EQ(dialog.list_text(IDC_EDITOR_FLUID_LIST, i), sorted[i]);

  for (const std::string& name : later) {
    const std::string key = word_sort_key(name);
    const auto place = std::lower_bound(keyed.begin(), keyed.end(), std::pair(key, std::string()));
    EXPECT_EQ(dialog.list_add(IDC_EDITOR_FLUID_LIST, name), place - keyed.begin()) << name;
    keyed.emplace(place, key, name);
  }
}

}  // namespace
}  // namespace quelrin::test
