// Running the program's dialogs on a thread of the test.
#include "tests/windows/running_program.hpp"

#include <cstdio>
#include <cstdlib>

#include "app/application.hpp"
#include "platform/win32/main_window_class.hpp"
#include "platform/win32/win32_host.hpp"

namespace quelrin::test {

std::string shipped_database() { return test::read_file(host_path(QUELRIN_DATA_DIR "/dados.txt")); }

void RunningProgram::SetUp() {
  previous_directory_ = std::filesystem::current_path();
  std::filesystem::current_path(directory_.path());
}

void RunningProgram::TearDown() {
  if (ui_.joinable()) {
    // Whatever is still open is closed from the top: message boxes
    // acknowledged, dialogs closed from the caption.
    const bool ended = eventually([this] {
      for (HWND window : top_windows(owner())) PostMessageA(window, WM_CLOSE, 0, 0);
      return WaitForSingleObject(finished_, 200) == WAIT_OBJECT_0;
    });
    if (!ended) {
      std::fputs("The program's dialogs did not close; stopping.\n", stderr);
      std::_Exit(3);
    }
    ui_.join();
  }
  std::filesystem::current_path(previous_directory_);
}

void RunningProgram::write_file(std::string_view name, std::string_view contents) {
  test::write_file((directory_.path() / name).string(), contents);
}

std::string RunningProgram::read_file(std::string_view name) const {
  return test::read_file((directory_.path() / name).string());
}

HWND RunningProgram::start() {
  HANDLE started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  ui_ = std::thread([this, started] {
    ui_thread_ = GetCurrentThreadId();
    SetEvent(started);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    register_main_window_class(instance);
    Win32Host host(instance);
    exit_code_ = run_application(host);
    SetEvent(finished_);
  });
  WaitForSingleObject(started, INFINITE);
  CloseHandle(started);
  return wait_for_window(owner(), MAIN_CAPTION);
}

int RunningProgram::exit_code() {
  if (!ui_.joinable()) return exit_code_;
  if (WaitForSingleObject(finished_, 15000) != WAIT_OBJECT_0) return -2;
  ui_.join();
  return exit_code_;
}

}  // namespace quelrin::test
