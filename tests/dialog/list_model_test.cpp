// A list's entries and selection as a Win32 list box keeps them.
#include "dialog/list_model.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/list_box_order.hpp"

namespace quelrin {
namespace {

using ::testing::ElementsAre;

TEST(ListModel, ExactLookupIgnoresCaseOnlyAndFindsTheFirstMatch) {
  ListModel list;
  for (const char* name : {"nButano", "agua", "\xC1gua", "METANO", "Metano"}) list.add(name);
  EXPECT_EQ(list.find_exact("n-butano"), -1);
  EXPECT_EQ(list.find_exact("NBUTANO"), 0);
  EXPECT_EQ(list.find_exact("\xE1gUA"), 2);
  EXPECT_EQ(list.find_exact("AGUA"), 1);
  EXPECT_EQ(list.find_exact("metano"), 3);
  EXPECT_EQ(list.find_exact("Metan"), -1);
}

TEST(ListModel, UnsortedListsAppendAndSortedListsInsertWithTheSelectionFollowing) {
  ListModel sorted(true);
  EXPECT_EQ(sorted.add("Metano"), 0);
  sorted.select(0);
  EXPECT_EQ(sorted.add("Etano"), 0);
  EXPECT_EQ(sorted.selection(), 1);
  EXPECT_EQ(sorted.text(1), "Metano");
  EXPECT_EQ(sorted.add("Zinco"), 2);
  EXPECT_EQ(sorted.selection(), 1);

  ListModel unsorted;
  unsorted.add("Van der Waals");
  EXPECT_EQ(unsorted.add("Peng-Robinson"), 1);
}

TEST(ListModel, SortedListReproducesTheListBoxOrderFromAnyInsertionOrder) {
  for (const std::vector<std::string>& names :
       {std::vector<std::string>(test::LIST_BOX_ORDER.rbegin(), test::LIST_BOX_ORDER.rend()),
        test::shuffled_list_box_order()}) {
    ListModel list(true);
    for (const std::string& name : names) list.add(name);
    EXPECT_EQ(list.entries(), test::LIST_BOX_ORDER);
  }
}

TEST(ListModel, FillAndResetTakeTheEntriesAsGivenAndSelectNone) {
  ListModel list(true);
  list.add("Metano");
  list.select(0);
  list.fill({"Zinco", "Ar"});
  EXPECT_THAT(list.entries(), ElementsAre("Zinco", "Ar"));
  EXPECT_EQ(list.selection(), -1);
  list.select(1);
  list.reset();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.selection(), -1);
}

// What a fill changed, for managers that redraw only that: the entries
// before and after the stretch are the same in the old list and the new.
TEST(ListModel, AFillTellsTheStretchItChanged) {
  auto stretch = [](const ListStretch& s) {
    return std::vector<int>{s.first, s.removed, s.inserted};
  };
  ListModel list;
  EXPECT_THAT(stretch(list.fill({"Ar", "Etano", "Metano"})), ElementsAre(0, 0, 3));
  EXPECT_THAT(stretch(list.fill({"Ar", "Etano", "Metano"})), ElementsAre(3, 0, 0));
  EXPECT_THAT(stretch(list.fill({"Ar", "Butano", "Etano", "Metano"})), ElementsAre(1, 0, 1));
  EXPECT_THAT(stretch(list.fill({"Ar", "Butano", "Metano"})), ElementsAre(2, 1, 0));
  EXPECT_THAT(stretch(list.fill({"Ar", "Etanol", "Metano"})), ElementsAre(1, 1, 1));
  EXPECT_THAT(stretch(list.fill({"Ar", "Etanol"})), ElementsAre(2, 1, 0));
  EXPECT_THAT(stretch(list.fill({"Zinco"})), ElementsAre(0, 2, 1));
  // Repeated names: the stretch never counts an entry as both before and after it.
  list.fill({"Ar", "Ar", "Ar"});
  EXPECT_THAT(stretch(list.fill({"Ar", "Ar"})), ElementsAre(2, 1, 0));
  EXPECT_THAT(stretch(list.fill({"Ar", "Ar", "Ar", "Ar"})), ElementsAre(2, 0, 2));
  EXPECT_THAT(stretch(list.fill({})), ElementsAre(0, 4, 0));
  EXPECT_THAT(list.entries(), ElementsAre());
}

TEST(ListModel, DeletingTheSelectedEntryLeavesNoneSelectedAndOutOfRangeChangesNothing) {
  ListModel list;
  for (const char* name : {"A", "B", "C"}) list.add(name);
  list.select(2);
  list.remove(0);
  EXPECT_EQ(list.selection(), 1);
  list.remove(5);
  list.remove(-1);
  EXPECT_EQ(list.count(), 2);
  list.remove(1);
  EXPECT_EQ(list.selection(), -1);
  list.select(0);
  list.select(1);  // past the end
  EXPECT_EQ(list.selection(), -1);
  EXPECT_EQ(list.text(1), "");
}

}  // namespace
}  // namespace quelrin
