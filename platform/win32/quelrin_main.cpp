// quelrin.exe: the Windows program. No console, no command-line options:
// the main window runs as a modal dialog and its result is the exit code.
#include <windows.h>

#include "app/application.hpp"
#include "platform/win32/command_line.hpp"
#include "platform/win32/main_window_class.hpp"
#include "platform/win32/win32_host.hpp"

namespace {

// The usual four arguments of a Windows program's entry; only the instance
// counts.
int application_entry(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  quelrin::register_main_window_class(instance);
  quelrin::Win32Host host(instance);
  return quelrin::run_application(host);
}

}  // namespace

// The runtime has split the command line before calling main; the split is
// not used, and neither is the tail handed to the entry.
int main() {
  const char* tail = quelrin::skip_program_name(GetCommandLineA());
  return application_entry(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(tail), 1);
}
