// How a calculation reports while it runs: the iteration log, the convergence
// note and the complex-roots message. The main window realises it over its
// controls; the command-line calculator and the tests record it.
#pragma once

#include <string_view>

#include "text/message.hpp"

namespace quelrin {

class CalcReport {
 public:
  virtual ~CalcReport() = default;

  virtual void clear_log() = 0;
  // False when the lines would be thrown away: they are then not formed at all.
  virtual bool keeps_log_lines() const { return true; }
  // `line` lives only for the call.
  virtual void append_log_line(std::string_view line) = 0;
  virtual void select_log_line(int index) = 0;
  virtual void set_note(std::string_view note) = 0;
  // Shown modally: returns once the user has read it.
  virtual void show_message(const Message& message) = 0;
};

}  // namespace quelrin
