// Picking a fluid by name: the same letter case first, then any case.
#include "fluids/fluid_names.hpp"

#include <gtest/gtest.h>

#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

FluidTable named(std::initializer_list<const char*> names) {
  FluidTable table;
  for (const char* name : names) {
    FluidRecord& record = table.emplace_back();
    record.name = name;
  }
  return table;
}

TEST(FindFluid, SameLetterCaseWinsOverAnEarlierMatchIgnoringCase) {
  const FluidTable table = named({"agua", cp1252<"Água">, "AGUA", cp1252<"ÁGUA">});
  EXPECT_EQ(find_fluid(table, "AGUA"), 2);
  EXPECT_EQ(find_fluid(table, "agua"), 0);
  EXPECT_EQ(find_fluid(table, "Agua"), 0);
  EXPECT_EQ(find_fluid(table, cp1252<"ÁGUA">), 3);
  EXPECT_EQ(find_fluid(table, cp1252<"água">), 1);
  EXPECT_EQ(find_fluid(table, "aguas"), -1);
  EXPECT_EQ(find_fluid(FluidTable{}, ""), -1);
}

// A name equal to an entry but for letter case goes before the first such
// entry the list box's search meets: here each time at the top of its group.
TEST(SortAsListed, GivesTheOrderOfAddingTheNamesOneByOne) {
  FluidTable table = named({"Zinco", "AGUA", "Ar", "agua", cp1252<"Água">, "Agua"});
  sort_as_listed(table);
  std::vector<std::string> names;
  for (const FluidRecord& fluid : table) names.push_back(fluid.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"Agua", "agua", "AGUA", cp1252<"Água">, "Ar", "Zinco"}));
}

}  // namespace
}  // namespace quelrin
