// A calculation report kept in memory: the log lines, the selected line, the
// note and every message shown, in order. Used where there is no window.
#pragma once

#include <string>
#include <vector>

#include "calc/calc_report.hpp"

namespace quelrin {

class RecordedReport : public CalcReport {
 public:
  std::vector<std::string> log;
  int selected = -1;
  std::string note;
  std::vector<Message> messages;

  void clear_log() override {
    log.clear();
    selected = -1;
  }
  void append_fugacities(double phi_v, double phi_l) override {
    log.emplace_back(FugacityLine(phi_v, phi_l).text());
  }
  void select_log_line(int index) override { selected = index; }
  void set_note(std::string_view text) override { note = text; }
  void show_message(const Message& message) override { messages.push_back(message); }
};

}  // namespace quelrin
