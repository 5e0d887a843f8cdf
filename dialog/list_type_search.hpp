// Type-to-find in a list, as Win32 list boxes and drop-down lists do it: a
// typed character selects the next entry that starts with it, ignoring
// letter case and going round the list, and characters typed in quick
// succession search by their prefix. Every dialog manager that draws its own
// lists forwards the typed characters here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quelrin {

// The longest pause, in milliseconds, between two characters of a prefix.
inline constexpr std::uint32_t TYPE_SEARCH_PAUSE_MS = 1000;

class ListTypeSearch {
 public:
  // The entry to select when `typed` (Windows-1252) comes at `time_ms` (a
  // key event's clock, which may wrap) with entry `selected` selected (-1
  // for none); -1 when no entry fits, and the selection stays.
  int find(const std::vector<std::string>& entries, int selected, char typed,
           std::uint32_t time_ms);

 private:
  std::string prefix_;  // in lower case
  std::uint32_t last_time_ms_ = 0;
};

}  // namespace quelrin
