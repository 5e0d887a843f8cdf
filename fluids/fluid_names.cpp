// Fluids by name.
#include "fluids/fluid_names.hpp"

#include <algorithm>
#include <string>

#include "text/cp1252.hpp"
#include "text/word_sort.hpp"

namespace quelrin {

std::vector<std::string_view> fluid_names(const FluidTable& table) {
  std::vector<std::string_view> names;
  names.reserve(table.size());
  for (const FluidRecord& fluid : table) names.emplace_back(fluid.name);
  return names;
}

void sort_as_listed(FluidTable& table) {
  // The records move once each, into the order the list box gives their names.
  FluidTable sorted;
  sorted.reserve(table.size());
  for (std::size_t i : list_box_order(fluid_names(table))) sorted.push_back(std::move(table[i]));
  table = std::move(sorted);
}

int find_fluid(const FluidTable& table, std::string_view name) {
  const auto exact = std::find_if(table.begin(), table.end(),
                                  [name](const FluidRecord& fluid) { return fluid.name == name; });
  if (exact != table.end()) return static_cast<int>(exact - table.begin());
  const auto folded = std::find_if(table.begin(), table.end(), [name](const FluidRecord& fluid) {
    return equal_ignoring_case(fluid.name, name);
  });
  return folded != table.end() ? static_cast<int>(folded - table.begin()) : -1;
}

}  // namespace quelrin
