// The calculation's report shown on the main window: the iteration log list,
// the convergence note and message boxes owned by the window.
#pragma once

#include "calc/calc_report.hpp"
#include "dialog/dialog.hpp"

namespace quelrin {

class WindowReport : public CalcReport {
 public:
  explicit WindowReport(Dialog& window) : window_(window) {}

  void clear_log() override;
  void append_fugacities(double phi_v, double phi_l) override;
  void select_log_line(int index) override;
  void set_note(std::string_view note) override;
  void show_message(const Message& message) override;

 private:
  Dialog& window_;
};

}  // namespace quelrin
