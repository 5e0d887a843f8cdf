// One open dialog of the in-memory dialog manager: the state of its
// controls, the Dialog operations its procedure calls, and the actions a
// user takes on it, each delivered to the procedure as Win32 would.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dialog/dialog.hpp"
#include "dialog/dialog_rules.hpp"
#include "dialog/list_model.hpp"
#include "dialog/resource_script.hpp"

namespace quelrin {

class HeadlessHost;

// What one control shows while its dialog is open.
struct ControlState {
  const ControlTemplate* control = nullptr;
  std::string text;  // Windows-1252
  ListModel list;    // lists and combo boxes
  bool checked = false;
  bool enabled = true;
  // Characters selected in an edit, from up to, not including, to.
  int selected_from = 0;
  int selected_to = 0;
  std::shared_ptr<const Drawing> drawing;  // an owner-drawn control's picture
};

class HeadlessDialog final : public Dialog {
 public:
  HeadlessDialog(const DialogTemplate& dialog_template, DialogProcedure& procedure,
                 HeadlessHost& host);

  // --- Dialog, as the procedure sees it ---
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

  // --- the dialog manager and the user ---
  // Each action returns the empty text when done, otherwise why no user
  // could do it (no such control, disabled, not that kind of control), and
  // then changes nothing.

  // Sends the opening; a procedure answering nonzero gets the focus put on
  // the first enabled tab stop.
  void open();
  // A button, or an item of the dialog's menu: command `id`, notification 0.
  // The button takes the focus; an automatic radio button is checked first,
  // and the other radio buttons of its group unchecked.
  std::string click(int id);
  // Command `id` with NOTIFY_DOUBLE_CLICKED, from a list box that notifies.
  // The selection stays where it is.
  std::string double_click(int id);
  // Selects entry `index` (-1 for none) of a list or combo box, as a single
  // click does: no command.
  std::string pick(int id, int index);
  // Replaces an edit's text, as typing over it does: no command.
  std::string type(int id, std::string_view text);
  // The command of the push button with the focus; from anywhere else the
  // default push button's, or IDOK's when there is none.
  void press_enter();
  // Command IDCANCEL.
  void press_escape();
  // The caption's close box; a procedure leaving it unhandled gets IDCANCEL.
  void close_box();

  // --- what the user sees ---
  const DialogTemplate& dialog_template() const { return template_; }
  const std::vector<ControlState>& controls() const { return controls_; }
  // The first control with that id, or nullptr.
  const ControlState* control(int id) const;
  const ControlState* focus() const;  // nullptr when no control has it
  bool ended() const { return ended_; }
  int result() const { return result_; }

 private:
  ControlState* find(int id);
  ControlState* find_list(int id);
  std::string usable(const ControlState* state, int id, bool (*kind_fits)(ControlKind)) const;
  std::vector<KeyboardControl> keyboard_controls() const;
  IsEnabled enabled_now() const;
  void take_focus(const ControlState& state);
  void send_command(int id, int notification);

  const DialogTemplate& template_;
  DialogProcedure& procedure_;
  HeadlessHost& host_;
  std::vector<ControlState> controls_;
  int focus_ = -1;  // index into controls_
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace quelrin
