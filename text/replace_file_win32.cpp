// Whole-file replacement on Windows: a unique temporary file beside the
// target, written and committed to disk, then moved over it; guarded by
// LockFileEx on a companion lock file.
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>

#include "text/read_stream.hpp"
#include "text/replace_file.hpp"

namespace quelrin {
namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

// What a file holds; none when it does not exist, false when it cannot be read.
bool read_contents(const std::string& path, std::optional<std::string>& contents) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    contents.reset();
    return errno == ENOENT;
  }
  std::string text;
  const bool read = read_rest(file, text);
  std::fclose(file);
  contents = std::move(text);
  return read;
}

}  // namespace

bool replace_file(const std::string& path, std::string_view contents) {
  // A read-only file is the user's wish: it is not replaced.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    return false;
  }
  char temporary[MAX_PATH];
  if (GetTempFileNameA(folder_of(path).c_str(), "qlr", 0, temporary) == 0) return false;
  std::FILE* file = std::fopen(temporary, "wb");
  bool done = file != nullptr;
  if (file) {
    done = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
    done = std::fflush(file) == 0 && done;
    done = done && _commit(_fileno(file)) == 0;
    done = std::fclose(file) == 0 && done;
  }
  done = done && MoveFileExA(temporary, path.c_str(),
                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!done) DeleteFileA(temporary);
  return done;
}

GuardedReplace replace_file_if_unchanged(const std::string& path,
                                         const std::optional<std::string>& expected,
                                         std::string_view contents,
                                         std::optional<std::string>& found) {
  // Windows renames nothing over a file that is open, so the lock cannot be
  // held on the file being replaced: it is held on a hidden file beside it,
  // which stays, as deleting it would refuse the next program's open while
  // another still held it.
  const std::string lock_name = path + ".lock";
  const HANDLE lock = CreateFileA(lock_name.c_str(), GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (lock == INVALID_HANDLE_VALUE) return GuardedReplace::failed;
  OVERLAPPED first_byte{};
  GuardedReplace outcome = GuardedReplace::failed;
  if (LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &first_byte)) {
    std::optional<std::string> current;
    if (!read_contents(path, current)) {
      outcome = GuardedReplace::failed;
    } else if (current != expected) {
      found = std::move(current);
      outcome = GuardedReplace::changed;
    } else {
      outcome = replace_file(path, contents) ? GuardedReplace::replaced : GuardedReplace::failed;
    }
  }
  CloseHandle(lock);  // releases the lock
  return outcome;
}

}  // namespace quelrin
