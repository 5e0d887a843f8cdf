#include "text/read_stream.hpp"

namespace quelrin {

bool read_rest(std::FILE* file, std::string& text) {
  char buffer[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  return std::ferror(file) == 0;
}

}  // namespace quelrin
