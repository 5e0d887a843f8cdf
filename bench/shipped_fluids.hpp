// The shipped database, read once for the benchmarks that need real fluids.
#pragma once

#include <stdexcept>

#include "tests/support/shipped_fluids.hpp"

namespace quelrin::bench {

inline const FluidTable& shipped_fluids() {
  static const FluidTable fluids = [] {
    FluidTable table = test::read_shipped_fluids();
    if (table.empty()) throw std::runtime_error("cannot read the shipped database");
    return table;
  }();
  return fluids;
}

inline int shipped_fluid_index(const char* name) {
  const FluidTable& fluids = shipped_fluids();
  for (std::size_t i = 0; i < fluids.size(); ++i) {
    if (fluids[i].name == name) return static_cast<int>(i);
  }
  throw std::runtime_error("fluid missing from the shipped database");
}

}  // namespace quelrin::bench
