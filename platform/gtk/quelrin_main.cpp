// quelrin: the calculator on GTK 3. Its only option is --version (beside
// GTK's own); dados.txt, prefs.dat and quel.chm are looked for in the
// working directory.
#include <gtkmm.h>

#include <cstring>
#include <iostream>

#include "app/application.hpp"
#include "dialog/program_resources.hpp"
#include "platform/gtk/gtk_host.hpp"
#include "quelrin_version.h"

int main(int argc, char** argv) {
  // Answered before GTK starts, so that it needs no display.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "quelrin " << QUELRIN_VERSION_TEXT << '\n';
    return 0;
  }
  if (!gtk_init_check(&argc, &argv)) {
    std::cerr << "quelrin: no display to open the window on\n";
    return -1;
  }
  Gtk::Main::init_gtkmm_internals();
  const quelrin::ResourceReading& resources = quelrin::program_resources();
  if (!resources.error.empty()) {
    std::cerr << "quelrin: " << resources.error << '\n';
    return -1;
  }
  try {
    Gtk::Window::set_default_icon(
        Gdk::Pixbuf::create_from_resource("/org/quelrin/quelrin.svg", 64, 64));
  } catch (const Glib::Error&) {
    Gtk::Window::set_default_icon_name("quelrin");  // no SVG loader: the installed icon
  }
  quelrin::GtkHost host(resources.script);
  return quelrin::run_application(host);
}
