// Modal loops, message boxes and the shell of the GTK dialog manager.
#include "platform/gtk/gtk_host.hpp"

#include <iostream>

#include "dialog/dialog_rules.hpp"
#include "platform/gtk/gtk_dialog.hpp"
#include "text/cp1252.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

// ShellExecuteA's answer when no application is associated with the file.
constexpr int SHELL_NO_ASSOCIATION = 31;

// The file of the working directory named `name` whatever its letter case,
// as Windows finds it: that very name when it is there, else an entry equal
// to it ignoring case; the empty text when there is none.
std::string file_ignoring_case(std::string_view name) {
  const std::string exact = cp1252_to_utf8(name);
  if (Glib::file_test(exact, Glib::FILE_TEST_IS_REGULAR)) return exact;
  try {
    for (const std::string& entry : Glib::Dir(".")) {
      if (equal_ignoring_case(utf8_to_cp1252(entry), name) &&
          Glib::file_test(entry, Glib::FILE_TEST_IS_REGULAR)) {
        return entry;
      }
    }
  } catch (const Glib::FileError&) {
    // An unreadable working directory holds no help that could be opened.
  }
  return {};
}

}  // namespace

GtkHost::GtkHost(const ResourceScript& resources) : resources_(resources) {}

int GtkHost::run_dialog(int template_id, DialogProcedure& procedure) {
  return run_dialog(template_id, procedure, nullptr);
}

int GtkHost::run_dialog(int template_id, DialogProcedure& procedure, Gtk::Window* owner) {
  const DialogTemplate* dialog_template = find_dialog(resources_, template_id);
  if (dialog_template == nullptr) return -1;
  GtkDialogWindow dialog(*dialog_template, procedure, *this, owner);
  if (!dialog.error().empty()) {
    // A layout out of step with the resource script: a fault of the build.
    std::cerr << "quelrin: " << dialog.error() << '\n';
    return -1;
  }
  return dialog.run();
}

void GtkHost::show_message(Gtk::Window& owner, const Message& message) {
  run_message_box(owner, message, Gtk::BUTTONS_OK);
}

bool GtkHost::ask_yes_no(Gtk::Window& owner, const Message& question) {
  return run_message_box(owner, question, Gtk::BUTTONS_NONE) == Gtk::RESPONSE_YES;
}

int GtkHost::run_message_box(Gtk::Window& owner, const Message& message, Gtk::ButtonsType buttons) {
  const bool warning = message.icon == MessageIcon::warning;
  Gtk::MessageDialog box(owner, cp1252_to_utf8(message.text), false,
                         warning ? Gtk::MESSAGE_WARNING : Gtk::MESSAGE_ERROR, buttons, true);
  if (buttons == Gtk::BUTTONS_NONE) {
    // MB_YESNO: "Sim" first and default, as MessageBoxA has them.
    box.add_button(cp1252_to_utf8("_Sim"), Gtk::RESPONSE_YES);
    box.add_button(cp1252_to_utf8(cp1252<"_Não">), Gtk::RESPONSE_NO);
    box.set_default_response(Gtk::RESPONSE_YES);
  }
  box.set_title(cp1252_to_utf8(message.title));
  box.get_accessible()->set_name(cp1252_to_utf8(message.title));  // not GTK's "Warning"
  // GTK 3 message boxes show no icon of their own; MessageBoxA's is wanted,
  // named for whoever reads the screen without seeing it.
  Gtk::Image icon;
  icon.set_from_icon_name(warning ? "dialog-warning" : "dialog-error", Gtk::ICON_SIZE_DIALOG);
  icon.get_accessible()->set_name(warning ? "Aviso" : "Erro");
  icon.show();
  box.set_image(icon);
  return box.run();
}

int GtkHost::open_document(std::string_view name) {
  const std::string file = file_ignoring_case(name);
  if (file.empty()) return SHELL_FILE_NOT_FOUND;
  const std::string path = Glib::build_filename(Glib::get_current_dir(), file);
  GError* error = nullptr;
  if (g_app_info_launch_default_for_uri(Glib::filename_to_uri(path).c_str(), nullptr, &error)) {
    return SHELL_OPENED;
  }
  g_error_free(error);
  // No handler registered for CHM files: the viewer the program depends on.
  try {
    Glib::spawn_async("", std::vector<std::string>{"xchm", path}, Glib::SPAWN_SEARCH_PATH);
    return SHELL_OPENED;
  } catch (const Glib::Error&) {
    return SHELL_NO_ASSOCIATION;
  }
}

}  // namespace quelrin
