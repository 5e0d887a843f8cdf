// Whole-file replacement on Windows: a unique temporary file beside the
// target, written and committed to disk, then moved over it.
#include "text/replace_file.hpp"

#include <io.h>
#include <windows.h>

#include <cstdio>

namespace quelrin {
namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? "." : path.substr(0, slash + 1);
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

}  // namespace quelrin
