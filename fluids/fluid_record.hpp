// One fluid of the database, and the table that holds them in memory.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace quelrin {

// Longest name and correlation kind the file format can hold, in bytes.
inline constexpr std::size_t MAX_NAME_BYTES = 63;
inline constexpr std::size_t MAX_KIND_BYTES = 23;

// Correlation kinds, compared byte for byte and with case; any other kind
// text selects the phase-envelope estimate.
inline constexpr const char* KIND_ANTOINE = "Antoine";
inline constexpr const char* KIND_WAGNER = "Wagner";
inline constexpr const char* KIND_ENVELOPE = "Envelope";

struct FluidRecord {
  std::array<double, 4> constants{};  // correlation constants 1 to 4
  double tc_k = 0.0;                  // critical temperature, K
  double pc_bar = 0.0;                // critical pressure, bar
  double acentric_factor = 0.0;
  std::string name;  // Windows-1252, no white space, at most MAX_NAME_BYTES
  std::string kind;  // at most MAX_KIND_BYTES

  bool operator==(const FluidRecord&) const = default;
};

// The main table is in the main window's list order (the file's order); the
// editor table in the editor's sorted list order.
using FluidTable = std::vector<FluidRecord>;

}  // namespace quelrin
