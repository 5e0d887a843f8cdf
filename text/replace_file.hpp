// Replacing a file whole: the new contents go to a temporary file beside it,
// which is renamed over the old one only once every byte is on disk, so an
// interrupted or failed write, or another program saving at the same moment,
// never leaves a reader an empty or half-written file.
#pragma once

#include <string>
#include <string_view>

namespace quelrin {

// False when the contents could not be written in full; the old file, if
// any, is then left exactly as it was, and no temporary file remains.
// What the user set up is kept: a file whose write permission is withdrawn
// is not replaced, the new file takes the old one's permission bits, and a
// symbolic link stays a link, its target replaced.
bool replace_file(const std::string& path, std::string_view contents);

}  // namespace quelrin
