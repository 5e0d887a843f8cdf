// The device by the file's name, the page in memory, the file replaced.
#include "cli/plot_file.hpp"

#include <plplot/plplot.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text/replace_file.hpp"

namespace quelrin {
namespace {

const char* device_for(std::string_view file) {
  if (file.ends_with(".png")) return "pngcairo";
  if (file.ends_with(".pdf")) return "pdfcairo";
  return "svgcairo";
}

}  // namespace

bool plot_to_file(const std::string& file, int width, int height, const std::function<void()>& draw,
                  std::string& reason) {
  // PLplot closes the stream in plend.
  char* image = nullptr;
  std::size_t image_size = 0;
  std::FILE* stream = ::open_memstream(&image, &image_size);
  if (!stream) {
    reason = "cannot write '" + file + "'";
    return false;
  }
  plsdev(device_for(file));
  plsfile(stream);
  plspage(0.0, 0.0, width, height, 0, 0);
  plscol0(0, 255, 255, 255);
  plinit();
  draw();
  plend();
  const bool written = replace_file(file, std::string_view(image, image_size));
  std::free(image);
  if (!written) reason = "cannot write '" + file + "'";
  return written;
}

}  // namespace quelrin
