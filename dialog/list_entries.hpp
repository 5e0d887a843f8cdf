// What every dialog manager's list box does with its entries as Win32 does
// it: where a sorted list puts a new entry, and the exact lookup.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "text/cp1252.hpp"
#include "text/word_sort.hpp"

namespace quelrin {

// A sorted list puts a new entry after every entry that sorts before or with
// it (the word sort); an unsorted one at the end.
inline int list_insert_position(const std::vector<std::string>& entries, std::string_view text, bool sorted) {
  if (!sorted) return static_cast<int>(entries.size());
  const auto position = std::upper_bound(entries.begin(), entries.end(), text,
                                         [](std::string_view a, const std::string& b) { return word_sort_compare(a, b) < 0; });
  return static_cast<int>(position - entries.begin());
}

// The first entry equal to `text` ignoring letter case only, or -1.
inline int list_find_exact_entry(const std::vector<std::string>& entries, std::string_view text) {
  const auto found = std::find_if(entries.begin(), entries.end(),
                                  [text](const std::string& entry) { return equal_ignoring_case(entry, text); });
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

}  // namespace quelrin
