// The whole program on the headless dialog manager, in a temporary working
// directory, driven by queued actions: for what a script cannot do, such as
// changing files while the program runs.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/application.hpp"
#include "dialog/program_resources.hpp"
#include "tests/headless/headless_fixture.hpp"
#include "tests/support/temp_dir.hpp"

namespace quelrin::test {

class ProgramTest : public testing::Test {
 protected:
  ProgramTest() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(dir_.path());
  }
  ~ProgramTest() override { std::filesystem::current_path(previous_); }

  void then(std::function<void(HeadlessDialog&)> action) {
    bench_.user.actions.push_back(std::move(action));
  }

  // Runs the program until the queued actions end it; its exit code.
  int run() { return run_application(bench_.host); }

  const std::vector<Message>& messages() const { return bench_.observer.messages; }

  TempDir dir_;
  HeadlessBench bench_{program_resources().script};

 private:
  std::filesystem::path previous_;
};

}  // namespace quelrin::test
