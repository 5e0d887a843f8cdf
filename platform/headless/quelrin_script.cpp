// quelrin-script [FILE]: runs Quelrin on the headless dialog manager from a
// script of user actions (FILE or standard input) and prints what the user
// saw; the syntax is in script_runner.hpp.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/application.hpp"
#include "dialog/program_resources.hpp"
#include "platform/headless/script_runner.hpp"

namespace {

std::vector<std::string> read_lines(std::istream& in) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: quelrin-script [FILE]\n";
    return 2;
  }
  std::ifstream file;
  if (argc == 2) {
    file.open(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "quelrin-script: cannot read " << argv[1] << '\n';
      return 2;
    }
  }
  const quelrin::ResourceReading& resources = quelrin::program_resources();
  if (!resources.error.empty()) {
    std::cerr << "quelrin-script: " << resources.error << '\n';
    return 2;
  }
  quelrin::ScriptRunner runner(read_lines(argc == 2 ? file : std::cin), resources.script,
                               std::cout);
  return runner.run(quelrin::run_application);
}
