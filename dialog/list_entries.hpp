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

// Where an added entry goes: a sorted list's place for it, else the end.
inline int list_insert_position(const std::vector<std::string>& entries, std::string_view text,
                                bool sorted) {
  return sorted ? list_box_insert_position(entries, text) : static_cast<int>(entries.size());
}

// The first entry equal to `text` ignoring letter case only, or -1.
inline int list_find_exact_entry(const std::vector<std::string>& entries, std::string_view text) {
  const auto found = std::find_if(entries.begin(), entries.end(), [text](const std::string& entry) {
    return equal_ignoring_case(entry, text);
  });
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

}  // namespace quelrin
