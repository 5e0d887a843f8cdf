// What an edit's text gives a caller with room for `room` characters,
// terminator included, as GetDlgItemTextA does: at most room - 1 of them.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace quelrin {

inline std::string text_within_room(std::string_view text, int room) {
  return std::string(text.substr(0, static_cast<std::size_t>(std::max(room - 1, 0))));
}

}  // namespace quelrin
