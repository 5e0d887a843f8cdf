// The Windows program's dialogs running on a thread of the test, from the
// test program's own copy of the resources, in a fresh working directory.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

#include "tests/support/temp_dir.hpp"
#include "tests/windows/screen_user.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin::test {

inline constexpr const char* MAIN_CAPTION = cp1252<"Quelrin - Pressão de Vapor">;

// The database the program ships with.
std::string shipped_database();

class RunningProgram : public testing::Test {
 protected:
  void SetUp() override;
  // Closes whatever a failed test left open, so the next one starts clean.
  void TearDown() override;

  void write_file(std::string_view name, std::string_view contents);
  std::string read_file(std::string_view name) const;
  // Starts the program and returns its main window once it shows, or
  // nullptr.
  HWND start();
  // Waits for the program's end; its exit code, or -2 when it did not end.
  int exit_code();
  WindowOwner owner() const { return {GetCurrentProcessId(), ui_thread_}; }

  ~RunningProgram() override { CloseHandle(finished_); }

 private:
  TempDir directory_;
  std::filesystem::path previous_directory_;
  std::thread ui_;
  DWORD ui_thread_ = 0;
  // Signalled when the program's entry has returned.
  HANDLE finished_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  int exit_code_ = -2;
};

}  // namespace quelrin::test
