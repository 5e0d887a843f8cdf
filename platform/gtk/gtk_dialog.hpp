// One open dialog of the GTK dialog manager: a window built from the
// template's GtkBuilder layout, its controls found by resource id, the
// Dialog operations its procedure calls, and the user's input forwarded to
// the procedure as the Win32 dialog manager delivers it.
#pragma once

#include <gtkmm.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/dialog.hpp"
#include "dialog/dialog_rules.hpp"
#include "dialog/resource_script.hpp"
#include "platform/gtk/gtk_list.hpp"

namespace quelrin {

class GtkHost;

class GtkDialogWindow final : public Dialog {
 public:
  // Builds the window; `owner` (may be null) is the dialog beneath it.
  GtkDialogWindow(const DialogTemplate& dialog_template, DialogProcedure& procedure, GtkHost& host,
                  Gtk::Window* owner);
  GtkDialogWindow(const GtkDialogWindow&) = delete;
  GtkDialogWindow& operator=(const GtkDialogWindow&) = delete;

  // Why the window could not be built (a layout or a control missing), or
  // the empty text.
  const std::string& error() const { return error_; }
  // Opens the dialog and runs its modal loop until the procedure ends it.
  int run();

  void set_text(int id, std::string_view text) override;
  std::string get_text(int id, int room) override;
  int list_add(int id, std::string_view text) override;
  void list_reset(int id) override;
  int list_selection(int id) override;
  void list_select(int id, int index) override;
  int list_find_exact(int id, std::string_view text) override;
  int list_count(int id) override;
  std::string list_text(int id, int index) override;
  void list_delete(int id, int index) override;
  void list_fill(int id, const std::vector<std::string_view>& entries) override;
  void set_check(int id, bool checked) override;
  void check_radio(int first_id, int last_id, int checked_id) override;
  bool is_checked(int id) override;
  void enable(int id, bool enabled) override;
  void set_focus(int id) override;
  void select_text(int id, int from, int to) override;
  void show_drawing(int id, const Drawing& drawing) override;
  void show_message(const Message& message) override;
  bool ask_yes_no(const Message& question) override;
  void end(int result) override;
  int run_child(int template_id, DialogProcedure& procedure) override;
  int open_document(std::string_view name) override;

 private:
  struct Control {
    const ControlTemplate* control = nullptr;
    Gtk::Widget* widget = nullptr;
    std::unique_ptr<GtkList> list;     // list boxes and drop-down lists
    std::unique_ptr<Drawing> drawing;  // an owner-drawn control's picture
  };

  void build(Gtk::Window* owner);
  void attach_menu(int menu_id);
  void connect(Control& control);
  Control* find(int id);
  // The control holding `widget`, or nullptr.
  Control* control_of(Gtk::Widget* widget);
  Gtk::ToggleButton* checkable(int id);
  // The unseen radio button that holds a group's check when none of its
  // buttons may show it.
  Gtk::RadioButton& unchecked_holder(Gtk::RadioButton& radio);

  void send_command(int id, int notification);
  bool on_key(GdkEventKey* event);
  bool on_delete(GdkEventAny* event);
  void press_enter();
  void move_focus(bool forward);
  bool move_in_radio_group(bool forward);
  // The controls in template order as the keyboard sees them now, and back.
  std::vector<KeyboardControl> keyboard_controls();
  Control* control_at(int template_index);
  int template_index(const Control* control) const;
  // Whether a control of the template is enabled now (statics without an
  // id always are).
  IsEnabled enabled_now();

  const DialogTemplate& template_;
  DialogProcedure& procedure_;
  GtkHost& host_;
  Glib::RefPtr<Gtk::Builder> builder_;
  std::vector<Control> controls_;  // in template order
  // A builder's top-level window belongs to whoever fetches it. It goes
  // before the lists that its widgets' signals call, after the unseen radio
  // buttons that joined its groups.
  std::unique_ptr<Gtk::Window> window_;
  std::vector<std::unique_ptr<Gtk::RadioButton>> unchecked_holders_;
  Glib::RefPtr<Glib::MainLoop> loop_;
  std::string error_;
  // While the procedure changes a button, the toolkit's "clicked" is no user's.
  int quiet_ = 0;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace quelrin
