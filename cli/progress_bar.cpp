// "[#####.....]  512/1000" redrawn in place with a carriage return, only
// when the filled part grows.
#include "cli/progress_bar.hpp"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace quelrin {
namespace {

constexpr int BAR_WIDTH = 40;

}  // namespace

ProgressBar::ProgressBar(int total, int shown_from)
    : total_(total),
      shown_(total >= shown_from && ::isatty(STDERR_FILENO) && !::isatty(STDOUT_FILENO)) {
  if (shown_) draw();
}

ProgressBar::~ProgressBar() {
  if (shown_) std::fprintf(stderr, "\r%*s\r", BAR_WIDTH + 24, "");
}

void ProgressBar::advance() {
  ++done_;
  if (shown_ && done_ * BAR_WIDTH / total_ != drawn_width_) draw();
}

void ProgressBar::draw() {
  const int filled = done_ * BAR_WIDTH / total_;
  drawn_width_ = filled;
  const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                          std::string(static_cast<std::size_t>(BAR_WIDTH - filled), '.');
  std::fprintf(stderr, "\r[%s] %d/%d", bar.c_str(), done_, total_);
  std::fflush(stderr);
}

}  // namespace quelrin
