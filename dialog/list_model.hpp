// A list box's or a drop-down list's entries and selection, kept as Win32
// keeps them: positions 0-based, -1 for none; a sorted list puts a new entry
// in its word-sorted place, an unsorted one at the end; the selected entry
// stays selected while others come and go, and deleting it leaves none.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quelrin {

// The selection after an entry goes in at `index`, or entry `index` is
// deleted.
int selection_after_insert(int selection, int index);
int selection_after_delete(int selection, int index);

// Where a fill changed a list: the entries before `first` and those after
// the stretch stayed as they were; `removed` entries went, `inserted` came.
struct ListStretch {
  int first = 0;
  int removed = 0;
  int inserted = 0;
};

// Whether a list refilled with `changed`, `count` entries now, had better
// change those rows in place than be rebuilt whole: a row changed on its own
// costs a toolkit several times a row of a new list, so up to one row in
// eight.
inline bool changes_in_place(const ListStretch& changed, int count) {
  return changed.removed + changed.inserted <= count / 8;
}

class ListModel {
 public:
  explicit ListModel(bool sorted = false) : sorted_(sorted) {}

  // Where the entry went.
  int add(std::string_view text);
  // The entries as given, unsorted, none selected; the stretch that changed.
  ListStretch fill(const std::vector<std::string_view>& entries);
  void reset() { fill({}); }
  void remove(int index);  // out of range: nothing
  void select(int index);  // out of range: none, as LB_SETCURSEL
  int selection() const { return selection_; }
  // The first entry equal to `text` ignoring letter case only, or -1.
  int find_exact(std::string_view text) const;
  int count() const { return static_cast<int>(entries_.size()); }
  std::string text(int index) const;  // out of range: the empty text
  const std::vector<std::string>& entries() const { return entries_; }

 private:
  bool sorted_;
  std::vector<std::string> entries_;  // Windows-1252, in list order
  int selection_ = -1;
};

}  // namespace quelrin
