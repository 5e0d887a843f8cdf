// Reads the embedded resource script on first use.
#include "dialog/program_resources.hpp"

namespace quelrin {

const ResourceReading& program_resources() {
  static const ResourceReading reading = [] {
    const std::span<const SourceFile> files = embedded_resource_files();
    return read_resource_script(files.front(), files.subspan(1));
  }();
  return reading;
}

}  // namespace quelrin
