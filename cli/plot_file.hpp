// A PLplot figure drawn in memory and written over its file whole, so that a
// failed write leaves no partial figure; SVG, PNG or PDF by the file's name.
#pragma once

#include <functional>
#include <string>

namespace quelrin {

// Runs `draw` between plinit and plend on a white page of that many pixels
// (cmap0 entry 0 is the background). False, with the reason, when the file
// could not be written.
bool plot_to_file(const std::string& file, int width, int height, const std::function<void()>& draw,
                  std::string& reason);

}  // namespace quelrin
