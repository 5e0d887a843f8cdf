// quelrin.exe itself, started as a user starts it: the main window of class
// "Ruzav", and the exit codes.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "resources/resource_ids.h"
#include "tests/support/temp_dir.hpp"
#include "tests/windows/running_program.hpp"
#include "tests/windows/screen_user.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin::test {
namespace {

// quelrin.exe running in a directory of its own.
class StartedProgram : public testing::Test {
 protected:
  void TearDown() override {
    if (process_.hProcess == nullptr) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
      TerminateProcess(process_.hProcess, 3);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

  bool start() {
    std::string command = "\"" + host_path(QUELRIN_EXE) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    const std::string directory = directory_.path().string();
    return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          directory.c_str(), &startup, &process_) != FALSE;
  }

  WindowOwner owner() const { return {process_.dwProcessId, 0}; }

  int exit_code() {
    if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) return -2;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
  }

  TempDir directory_;
  PROCESS_INFORMATION process_ = {};
};

TEST_F(StartedProgram, WithoutTheDatabaseSaysSoAndExitsWithOne) {
  ASSERT_TRUE(start());
  EXPECT_EQ(acknowledge_message(owner(), "database-missing"),
            (Message{cp1252<"Arquivo 'dados.txt' não encontrado.">, cp1252<"Atenção!">,
                     MessageIcon::error}));
  EXPECT_EQ(exit_code(), 1);
}

TEST_F(StartedProgram, ShowsItsMainWindowAndExitsWithZero) {
  write_file(directory_.file("dados.txt"), shipped_database());
  ASSERT_TRUE(start());
  const HWND window = wait_for_window(owner(), MAIN_CAPTION);
  ASSERT_NE(window, nullptr);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  EXPECT_STREQ(class_name, "Ruzav");
  EXPECT_NE(GetMenu(window), nullptr);
  pick(window, IDC_FLUID_LIST, 1);
  type(window, IDC_TEMPERATURE_EDIT, "90");
  click(window, IDOK);
  ASSERT_TRUE(eventually([&] { return !item_text(window, IDC_PRESSURE_EDIT).empty(); }));
  save_screenshot(window, "started-program");

  // Enter on the focused "Sair" presses "Sair", not the default "Calcula".
  press_key(owner(), VK_TAB);
  ASSERT_TRUE(eventually([&] { return focused_id(owner()) == IDCANCEL; }));
  press_key(owner(), VK_RETURN);
  EXPECT_EQ(exit_code(), 0);
}

}  // namespace
}  // namespace quelrin::test
