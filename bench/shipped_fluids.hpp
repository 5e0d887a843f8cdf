// The shipped database, read once for the benchmarks that need real fluids.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>

#include "fluids/fluid_database.hpp"

namespace quelrin::bench {

inline const FluidTable& shipped_fluids() {
  static const FluidTable fluids = [] {
    FluidTable table;
    std::string reason;
    std::FILE* file = std::fopen(QUELRIN_DATA_DIR "/dados.txt", "rb");
    if (!file || !parse_fluid_database(file, table, reason)) {
      throw std::runtime_error("cannot read the shipped database: " + reason);
    }
    std::fclose(file);
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
