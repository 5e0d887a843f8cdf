// The database the program ships with, for the tests and benchmarks that
// want real fluids; empty when it cannot be read.
#pragma once

#include <cstdio>
#include <string>

#include "fluids/fluid_database.hpp"

namespace quelrin::test {

inline FluidTable read_shipped_fluids() {
  FluidTable fluids;
  std::string reason;
  std::FILE* file = std::fopen(QUELRIN_DATA_DIR "/dados.txt", "rb");
  if (!file) return fluids;
  if (!parse_fluid_database(file, fluids, reason)) fluids.clear();
  std::fclose(file);
  return fluids;
}

}  // namespace quelrin::test
