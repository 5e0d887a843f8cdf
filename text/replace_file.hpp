// Replacing a file whole: the new contents go to a temporary file beside it,
// which is renamed over the old one only once every byte is written, so an
// interrupted or failed write never leaves a damaged file behind.
#pragma once

#include <string>
#include <string_view>

namespace quelrin {

// False when the contents could not be written in full; the old file, if
// any, is then left exactly as it was.
bool replace_file(const std::string& path, std::string_view contents);

}  // namespace quelrin
