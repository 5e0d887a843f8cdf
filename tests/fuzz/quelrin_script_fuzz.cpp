// The whole program driven by any script of user actions, in-process, from
// a first start in a fresh directory: the run ends, and leaves no file but
// the program's own, each of them one the program reads back.
#include <iostream>
#include <sstream>
#include <vector>

#include "app/application.hpp"
#include "dialog/program_resources.hpp"
#include "fluids/fluid_database.hpp"
#include "fuzz_support.hpp"
#include "platform/headless/script_runner.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using quelrin::fuzz::require;
  static const quelrin::fuzz::ProgramDirectory directory;
  directory.reset();
  // The reasons of refused lines, which would flood the fuzzer's output.
  static std::ostringstream refusals;
  std::cerr.rdbuf(refusals.rdbuf());
  refusals.str({});

  std::vector<std::string> lines;
  std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
  for (std::string line; std::getline(script, line);) lines.push_back(line);
  std::ostringstream transcript;
  quelrin::ScriptRunner runner(std::move(lines), quelrin::program_resources().script, transcript);
  const int status = runner.run(quelrin::run_application);
  require(status == 0 || status == 2, "the runner's status is 0 or 2");

  directory.require_no_stray_file();
  quelrin::FluidTable table;
  std::string reason;
  require(quelrin::parse_fluid_database(quelrin::fuzz::read_file("dados.txt"), table, reason),
          "dados.txt stays readable", reason);
  return 0;
}
