# Writes a C++ source that holds the bytes of the resource files, so that the
# headless dialog manager reads the very script the program is built with:
#   cmake -DOUTPUT=embedded_resources.cpp -DFILES="quelrin.rc;resource_ids.h" -P embed_files.cmake
# Every byte is written as a hexadecimal escape, which the compiler keeps as
# it is whatever the execution character set.
set(entries "")
foreach(file IN LISTS FILES)
  get_filename_component(name "${file}" NAME)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  # 32 bytes (128 characters of escapes) to a line.
  set(lines "")
  string(LENGTH "${escaped}" escaped_length)
  set(offset 0)
  while(offset LESS escaped_length)
    string(SUBSTRING "${escaped}" ${offset} 128 piece)
    string(APPEND lines "\n         \"${piece}\"")
    math(EXPR offset "${offset} + 128")
  endwhile()
  string(APPEND entries "      {\"${name}\", std::string_view(${lines},\n         ${size})},\n")
endforeach()

file(WRITE "${OUTPUT}.tmp" "// Generated at build time from the resource files by embed_files.cmake.
#include \"dialog/program_resources.hpp\"

#include <vector>

namespace quelrin {

std::span<const SourceFile> embedded_resource_files() {
  static const std::vector<SourceFile> files = {
${entries}  };
  return files;
}

}  // namespace quelrin
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
