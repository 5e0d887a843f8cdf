// The calculator in a web page. Its files live in the browser's storage,
// mounted as the working directory; a first visit starts with the shipped
// database.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "app/application.hpp"
#include "dialog/program_resources.hpp"
#include "fluids/fluid_loading.hpp"
#include "platform/web/page_bridge.hpp"
#include "platform/web/web_host.hpp"
#include "text/replace_file.hpp"

namespace {

constexpr const char* STORAGE_FOLDER = "/quelrin";
// The database the program ships with, built into it.
constexpr const char* SHIPPED_DATABASE = "/shipped/dados.txt";

void start_with_shipped_database() {
  if (std::FILE* existing = std::fopen(quelrin::DATABASE_FILE, "rb")) {
    std::fclose(existing);
    return;
  }
  std::ifstream shipped(SHIPPED_DATABASE, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(shipped), std::istreambuf_iterator<char>()};
  quelrin::replace_file(quelrin::DATABASE_FILE, text);
}

}  // namespace

int main() {
  const quelrin::ResourceReading& resources = quelrin::program_resources();
  if (!resources.error.empty()) {
    std::fprintf(stderr, "quelrin: %s\n", resources.error.c_str());
    quelrin::page::program_ended(-1);
    return -1;
  }
  // Emscripten starts with every permission bit masked, so that new files
  // could not even be read back; a desktop session masks others' writing.
  ::umask(022);
  quelrin::page::mount_storage(STORAGE_FOLDER);
  quelrin::page::begin_turn();
  if (::chdir(STORAGE_FOLDER) != 0) return -1;
  start_with_shipped_database();
  quelrin::WebHost host(resources.script);
  int exit_code = 0;
  do {
    exit_code = quelrin::run_application(host);
  } while (host.take_restart());
  quelrin::page::end_turn();
  quelrin::page::program_ended(exit_code);
  return exit_code;
}
