// Replacing a file whole: the new contents go to a temporary file beside it,
// which is renamed over the old one only once every byte is on disk, so an
// interrupted or failed write, or another program saving at the same moment,
// never leaves a reader an empty or half-written file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quelrin {

// False when the contents could not be written in full; the old file, if
// any, is then left exactly as it was, and no temporary file remains.
// What the user set up is kept: a file whose write permission is withdrawn
// is not replaced, the new file takes the old one's permission bits, and a
// symbolic link stays a link, its target replaced.
bool replace_file(const std::string& path, std::string_view contents);

enum class GuardedReplace { replaced, changed, failed };

// replace_file, but only while the file still holds `expected`, what was read
// from it (none: there was no file). Another program may have saved since:
// then nothing is written, `found` receives what the file holds now (none
// when it is gone) and the answer is `changed`. The comparison and the
// replacement hold an advisory lock that the same call in any other program
// waits for, so no save of theirs falls between them. A file that does not
// exist cannot be locked: creating it is not guarded.
GuardedReplace replace_file_if_unchanged(const std::string& path,
                                         const std::optional<std::string>& expected,
                                         std::string_view contents,
                                         std::optional<std::string>& found);

}  // namespace quelrin
