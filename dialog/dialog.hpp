// The dialog layer: everything the program's logic does to a window, and the
// three events a window sends it.
//
// Every window of the program is a modal dialog built from a template of
// resources/quelrin.rc. One dialog procedure per template, written once
// against this header, receives the events the Win32 dialog manager
// delivers: opening, a command (a control id with its notification code, from
// a button, a menu item, a double click or the Enter and Escape keys), and
// the close box of the caption. It answers through the operations of
// `Dialog`, each addressed by the control's numeric id from
// resources/resource_ids.h and named for what it does.
//
// Three dialog managers realise the layer: the Win32 one, GTK 3, and an
// in-memory one that tests and scripts drive. Each must behave as Win32 does
// wherever the program can tell:
// - Text is Windows-1252 in std::string; a backend that shows UTF-8
//   converts at its own edge.
// - Lists and combo boxes: positions are 0-based, -1 means none. Adding to a
//   sorted list puts the entry in its sorted place (the list box's word
//   sort) and returns that position; to an unsorted one, at the end. Exact
//   lookup compares whole entries ignoring letter case only, from the start.
// - get_text takes the room in characters, terminator included, as
//   GetDlgItemTextA does: it returns at most room - 1 characters.
// - Automatic radio buttons move the check within their group themselves
//   when clicked, before the command reaches the procedure.
// - Enter sends the command of the push button that has the focus; from an
//   edit, a list or any other control, that of the default push button.
//   Escape sends command 2.
// - show_message, ask_yes_no, run_child and the dialogs' own loops are
//   modal: each returns only when the user is done, and meanwhile the
//   dialogs beneath take no input.
// - ask_yes_no is MessageBoxA with MB_YESNO and the message's icon: the
//   buttons "Sim" and "Não", true for "Sim"; whatever else ends the box
//   answers "Não".
// - show_drawing gives an owner-drawn static control (SS_OWNERDRAW) the
//   picture it shows until the next call. The manager keeps its own copy and
//   paints it whenever the control needs painting, the drawing's width and
//   height stretched over the control, and adds nothing of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dialog/drawing.hpp"
#include "text/message.hpp"

namespace quelrin {

class DialogProcedure;

// One open dialog, as its procedure sees it.
class Dialog {
 public:
  virtual ~Dialog() = default;

  virtual void set_text(int id, std::string_view text) = 0;
  virtual std::string get_text(int id, int room) = 0;

  // Combo boxes and list boxes alike.
  virtual int list_add(int id, std::string_view text) = 0;
  virtual void list_reset(int id) = 0;
  virtual int list_selection(int id) = 0;
  virtual void list_select(int id, int index) = 0;                 // -1 clears the selection
  virtual int list_find_exact(int id, std::string_view text) = 0;  // -1 when absent
  virtual int list_count(int id) = 0;
  virtual std::string list_text(int id, int index) = 0;
  virtual void list_delete(int id, int index) = 0;
  // Replaces every entry with `entries`, in their order and unsorted, and
  // leaves none selected: one call fills a list of a hundred thousand names
  // quickly on every manager. A sorted list is given its entries in its own
  // order (word_sort_key), where adding them one by one would have put them.
  virtual void list_fill(int id, const std::vector<std::string_view>& entries) = 0;

  // Check boxes and radio buttons.
  virtual void set_check(int id, bool checked) = 0;
  // Checks `checked_id` and unchecks every other button from first to last.
  virtual void check_radio(int first_id, int last_id, int checked_id) = 0;
  virtual bool is_checked(int id) = 0;

  virtual void enable(int id, bool enabled) = 0;
  virtual void set_focus(int id) = 0;
  // Selects the characters from `from` up to, not including, `to` in an edit.
  virtual void select_text(int id, int from, int to) = 0;

  // The picture of an owner-drawn static control.
  virtual void show_drawing(int id, const Drawing& drawing) = 0;

  // A modal message box with an OK button, owned by this dialog.
  virtual void show_message(const Message& message) = 0;
  // A modal question with the buttons "Sim" and "Não", owned by this dialog;
  // true when the user answers "Sim".
  virtual bool ask_yes_no(const Message& question) = 0;
  // Ends this dialog's modal loop once the current event has been handled.
  virtual void end(int result) = 0;
  // Runs the dialog of template `template_id` modally over this one; its
  // result, or -1 when it could not be created.
  virtual int run_child(int template_id, DialogProcedure& procedure) = 0;
  // Asks the shell to open a document; above 32 on success, 2 when the file
  // was not found (ShellExecuteA's answer).
  virtual int open_document(std::string_view name) = 0;
};

inline constexpr int SHELL_FILE_NOT_FOUND = 2;

// Notification codes of a command.
inline constexpr int NOTIFY_CLICKED = 0;
inline constexpr int NOTIFY_DOUBLE_CLICKED = 2;  // LBN_DBLCLK

// What a dialog does with its events. Each returns what the dialog manager
// expects of a dialog procedure: nonzero for an event handled.
class DialogProcedure {
 public:
  virtual ~DialogProcedure() = default;

  virtual int on_open(Dialog& dialog) = 0;
  virtual int on_command(Dialog& dialog, int control_id, int notification) = 0;
  virtual int on_close(Dialog& dialog) = 0;
};

// A platform's entry point into its dialog manager: runs a top-level dialog
// modally, with no owner.
class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // The dialog's result, or -1 when it could not be created.
  virtual int run_dialog(int template_id, DialogProcedure& procedure) = 0;
};

}  // namespace quelrin
