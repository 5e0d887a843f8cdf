// quelrin-calc run as a separate program in a fresh working directory holding
// a copy of the shipped database.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "tests/support/temp_dir.hpp"
#include "text/cp1252.hpp"

namespace quelrin::test {

struct CliRun {
  int status = -1;
  std::string out;  // UTF-8
  std::string err;
};

// Text for the command line and the expected output, written in the sources'
// UTF-8 but compiled to Windows-1252.
inline std::string utf8(std::string_view cp1252) { return cp1252_to_utf8(cp1252); }

class CalcProgram {
 public:
  CalcProgram() {
    std::filesystem::copy_file(QUELRIN_DATA_DIR "/dados.txt", dir.file("dados.txt"));
  }

  // `arguments` go to the shell as they are: quote what needs it. `before`
  // is a shell command run first in the same shell (a ulimit).
  CliRun run(const std::string& arguments, const std::string& before = "") const {
    const std::string command = "cd '" + dir.path().string() + "' && " + before + " '" +
                                QUELRIN_CALC_EXE "' " + arguments + " 2>'" +
                                dir.file("stderr.txt") + "'";
    CliRun result;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
    const int raw = ::pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.err = read_file(dir.file("stderr.txt"));
    return result;
  }

  TempDir dir;
};

}  // namespace quelrin::test
