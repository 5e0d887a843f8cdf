// The calculation's report over the main window's controls.
#include "app/window_report.hpp"

#include "resources/resource_ids.h"

namespace quelrin {

void WindowReport::clear_log() { window_.list_reset(IDC_ITERATION_LOG); }

void WindowReport::append_fugacities(double phi_v, double phi_l) {
  window_.list_add(IDC_ITERATION_LOG, FugacityLine(phi_v, phi_l).text());
}

void WindowReport::select_log_line(int index) { window_.list_select(IDC_ITERATION_LOG, index); }

void WindowReport::set_note(std::string_view note) { window_.set_text(IDC_CONVERGENCE_NOTE, note); }

void WindowReport::show_message(const Message& message) { window_.show_message(message); }

}  // namespace quelrin
