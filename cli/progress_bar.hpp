// A progress bar on standard error for long tables, drawn only when standard
// error is a terminal and standard output is not (there the rows, printed
// as they come, show the progress themselves), and wiped when done.
#pragma once

namespace quelrin {

class ProgressBar {
 public:
  // Shown only for at least `shown_from` steps.
  ProgressBar(int total, int shown_from);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void advance();

 private:
  void draw();

  int total_;
  int done_ = 0;
  int drawn_width_ = -1;
  bool shown_;
};

}  // namespace quelrin
