// Whole-file replacement through a temporary file and a rename.
#include "text/replace_file.hpp"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace quelrin {

bool replace_file(const std::string& path, std::string_view contents) {
  const std::string temporary = path + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  const bool closed = std::fclose(file) == 0;
  std::error_code error;
  if (written && closed) {
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
  }
  std::filesystem::remove(temporary, error);
  return false;
}

}  // namespace quelrin
