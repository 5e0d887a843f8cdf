// A resource script as any bytes, with the program's own headers to include:
// the reader ends with the resources or with an error naming the place.
#include "dialog/program_resources.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using quelrin::fuzz::require;
  const quelrin::SourceFile script{"fuzz.rc",
                                   std::string_view(reinterpret_cast<const char*>(data), size)};
  const quelrin::ResourceReading reading =
      quelrin::read_resource_script(script, quelrin::embedded_resource_files().subspan(1));
  if (!reading.error.empty()) {
    require(reading.error.find(':') != std::string::npos, "an error names its place",
            reading.error);
    return 0;
  }
  for (const quelrin::DialogTemplate& dialog : reading.script.dialogs) {
    require(quelrin::find_dialog(reading.script, dialog.id) != nullptr,
            "every dialog is found by its id");
  }
  for (const quelrin::MenuTemplate& menu : reading.script.menus) {
    require(quelrin::find_menu(reading.script, menu.id) != nullptr,
            "every menu is found by its id");
    quelrin::menu_commands(menu);
  }
  return 0;
}
