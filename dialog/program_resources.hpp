// The resource script the program is built with, compiled in, and its reading.
#pragma once

#include <span>

#include "dialog/rc_reader.hpp"

namespace quelrin {

// resources/quelrin.rc first, then the files it includes.
std::span<const SourceFile> embedded_resource_files();

// The embedded script, read once.
const ResourceReading& program_resources();

}  // namespace quelrin
