// The calculator in a web page. Its files live in the browser's storage,
// mounted as the working directory; a first visit starts with the database
// shipped beside the page.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "app/application.hpp"
#include "dialog/program_resources.hpp"
#include "platform/web/page_bridge.hpp"
#include "platform/web/web_host.hpp"

namespace {

constexpr const char* STORAGE_FOLDER = "/quelrin";

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
  int exit_code = -1;
  if (::chdir(STORAGE_FOLDER) == 0) {
    quelrin::WebHost host(resources.script);
    do {
      exit_code = quelrin::run_application(host);
    } while (host.take_restart());
  }
  quelrin::page::end_turn();
  quelrin::page::program_ended(exit_code);
  return exit_code;
}
