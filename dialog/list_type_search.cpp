// Type-to-find over a list's entries.
#include "dialog/list_type_search.hpp"

#include <algorithm>
#include <string_view>

#include "text/cp1252.hpp"

namespace quelrin {
namespace {

bool starts_with_ignoring_case(std::string_view entry, std::string_view lower_prefix) {
  if (entry.size() < lower_prefix.size()) return false;
  return std::equal(lower_prefix.begin(), lower_prefix.end(), entry.begin(),
                    [](char wanted, char c) { return cp1252_to_lower(c) == wanted; });
}

}  // namespace

int ListTypeSearch::find(const std::vector<std::string>& entries, int selected, char typed,
                         std::uint32_t time_ms) {
  if (time_ms - last_time_ms_ > TYPE_SEARCH_PAUSE_MS) prefix_.clear();
  last_time_ms_ = time_ms;
  prefix_ += cp1252_to_lower(typed);
  // One character, or the same one again and again, goes on from the
  // selected entry to the next that starts with it; a longer prefix may be
  // the selected entry's own.
  const bool one_letter =
      std::all_of(prefix_.begin(), prefix_.end(), [this](char c) { return c == prefix_[0]; });
  const std::string_view wanted =
      one_letter ? std::string_view(prefix_).substr(0, 1) : std::string_view(prefix_);
  const int count = static_cast<int>(entries.size());
  const int first = one_letter ? selected + 1 : std::max(selected, 0);
  for (int step = 0; step < count; ++step) {
    const int index = (first + step) % count;
    if (starts_with_ignoring_case(entries[static_cast<std::size_t>(index)], wanted)) return index;
  }
  return -1;
}

}  // namespace quelrin
