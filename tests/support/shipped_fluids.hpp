// The database the program ships with, for the tests and benchmarks that
// want real fluids; empty when it cannot be read.
#pragma once

#include <string>

#include "fluids/fluid_database.hpp"

namespace quelrin::test {

inline FluidTable read_shipped_fluids() {
  FluidTable fluids;
  std::string text;
  std::string reason;
  if (read_fluid_database_file(QUELRIN_DATA_DIR "/dados.txt", fluids, text, reason) !=
      DatabaseFile::read) {
    fluids.clear();
  }
  return fluids;
}

}  // namespace quelrin::test
