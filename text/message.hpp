// A message box's content: what the user is told, under which title and icon.
#pragma once

#include <string>

namespace quelrin {

enum class MessageIcon { warning, error };

struct Message {
  std::string text;
  std::string title;
  MessageIcon icon = MessageIcon::warning;

  bool operator==(const Message&) const = default;
};

}  // namespace quelrin
