// quelrin: the calculator on GTK 3. No options; dados.txt, prefs.dat and
// quel.chm are looked for in the working directory.
#include <gtkmm.h>

#include <iostream>

#include "app/application.hpp"
#include "platform/gtk/gtk_host.hpp"
#include "dialog/program_resources.hpp"

int main(int argc, char** argv) {
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
    Gtk::Window::set_default_icon(Gdk::Pixbuf::create_from_resource("/org/quelrin/quelrin.svg", 64, 64));
  } catch (const Glib::Error&) {
    Gtk::Window::set_default_icon_name("quelrin");  // no SVG loader: the installed icon
  }
  quelrin::GtkHost host(resources.script);
  return quelrin::run_application(host);
}
