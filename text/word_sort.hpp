// The order of a sorted list box: the "word sort" of Windows-1252 names.
#pragma once

#include <string>
#include <string_view>

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

}  // namespace quelrin
