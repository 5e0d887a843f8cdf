// A list's entries and selection.
#include "dialog/list_model.hpp"

#include <algorithm>
#include <cstddef>

#include "dialog/list_entries.hpp"

namespace quelrin {

int selection_after_insert(int selection, int index) {
  return selection >= index ? selection + 1 : selection;
}

int selection_after_delete(int selection, int index) {
  if (selection == index) return -1;
  return selection > index ? selection - 1 : selection;
}

int ListModel::add(std::string_view text) {
  const int index = list_insert_position(entries_, text, sorted_);
  entries_.insert(entries_.begin() + index, std::string(text));
  selection_ = selection_after_insert(selection_, index);
  return index;
}

ListStretch ListModel::fill(const std::vector<std::string_view>& entries) {
  const std::size_t shorter = std::min(entries_.size(), entries.size());
  std::size_t head = 0;
  while (head < shorter && entries_[head] == entries[head]) ++head;
  std::size_t tail = 0;
  while (tail < shorter - head &&
         entries_[entries_.size() - 1 - tail] == entries[entries.size() - 1 - tail]) {
    ++tail;
  }
  const ListStretch changed{static_cast<int>(head), static_cast<int>(entries_.size() - head - tail),
                            static_cast<int>(entries.size() - head - tail)};
  entries_.assign(entries.begin(), entries.end());
  selection_ = -1;
  return changed;
}

void ListModel::remove(int index) {
  if (index < 0 || index >= count()) return;
  entries_.erase(entries_.begin() + index);
  selection_ = selection_after_delete(selection_, index);
}

void ListModel::select(int index) { selection_ = index >= 0 && index < count() ? index : -1; }

int ListModel::find_exact(std::string_view text) const {
  return list_find_exact_entry(entries_, text);
}

std::string ListModel::text(int index) const {
  return index < 0 || index >= count() ? std::string() : entries_[static_cast<std::size_t>(index)];
}

}  // namespace quelrin
