// The order of a sorted list box: the "word sort" of Windows-1252 names.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelrin {

// Compares two names as a sorted list box does: letter case ignored, an
// accented letter just after its base letter, symbols before digits before
// letters, and hyphens and apostrophes counting only to break ties.
// Negative when `a` sorts first, zero when the order is free, positive
// otherwise.
int word_sort_compare(std::string_view a, std::string_view b);

// A byte string whose plain order is the word sort of the names: made once per
// name, it sorts a long list without weighing every name again at each
// comparison.
std::string word_sort_key(std::string_view name);

// Where a sorted list box puts a name added to `entries` (held in word-sort
// order): its binary search stops at the first entry it meets that sorts
// equal to the name (one differing only in letter case) and puts the name
// before that entry; otherwise after every entry that sorts before it.
int list_box_insert_position(std::span<const std::string> entries, std::string_view name);

// The order in which a sorted list box holds `names` added to it one by one,
// first to last: the indices into `names`, from the top of the list. The
// word sort decides, and among names equal but for letter case, where each
// search stopped. Weighs each name once, whatever the number of names.
std::vector<std::size_t> list_box_order(std::span<const std::string_view> names);

}  // namespace quelrin
