// Fluids by name: the lists' order and the lookups that pick a fluid.
#pragma once

#include <string_view>
#include <vector>

#include "fluids/fluid_record.hpp"

namespace quelrin {

// The names of the table, in its order, as a list is filled with them.
std::vector<std::string_view> fluid_names(const FluidTable& table);

// Puts the table in the order of a sorted list box (the word sort): the
// order that adding the names one by one to the editor's list gives, names
// equal but for letter case included.
void sort_as_listed(FluidTable& table);

// The fluid named exactly `name`; failing that, the first whose name matches
// it ignoring letter case only, as a list's exact lookup does; -1 when none.
int find_fluid(const FluidTable& table, std::string_view name);

}  // namespace quelrin
