// How a calculation reports while it runs: the iteration log, the convergence
// note and the complex-roots message. The main window realises it over its
// controls; the command-line calculator and the tests record it.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/g_text.hpp"
#include "text/message.hpp"

namespace quelrin {

// One iteration's line of the log, "f(v) = %g;    f(l) = %g", formed in place.
class FugacityLine {
 public:
  FugacityLine(double phi_v, double phi_l);
  std::string_view text() const { return {line_, size_}; }

 private:
  char line_[24 + 2 * G_TEXT_ROOM];
  std::size_t size_;
};

class CalcReport {
 public:
  virtual ~CalcReport() = default;

  virtual void clear_log() = 0;
  // One iteration's fugacity coefficients, the next line of the log: formed
  // (FugacityLine) only by a report that shows or keeps it.
  virtual void append_fugacities(double phi_v, double phi_l) = 0;
  virtual void select_log_line(int index) = 0;
  virtual void set_note(std::string_view note) = 0;
  // Shown modally: returns once the user has read it.
  virtual void show_message(const Message& message) = 0;
};

}  // namespace quelrin
