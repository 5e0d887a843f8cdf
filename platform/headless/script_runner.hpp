// Runs a program on the headless dialog manager from a script of user
// actions and writes what the user saw as a transcript.
//
// Script lines (UTF-8; blank lines and lines starting with # are skipped):
//   start             runs the program; when it returns, `exit N` is printed
//   type ID TEXT      replaces the text of edit ID with the rest of the line
//                     after one blank (possibly nothing)
//   pick ID N         selects entry N (-1: none) of list or combo ID, as a
//                     single click: no command
//   click ID          a button or menu item: command ID, notification 0
//   dblclick ID       a double click in list box ID: command ID, notification 2
//   enter, escape     the keys
//   close             the close box of the dialog on top
//   show [ID]         prints control ID of the dialog on top, or all of them
//   answer yes|no     the answer to the next yes/no question the program
//                     asks, whenever that comes: answers queue up in order
//                     and wait; a question with none waiting is answered no
//                     ("Não", the answer that changes nothing); answers
//                     still waiting at the end are dropped
//   outside-save TEXT another program saves dados.txt holding TEXT, the
//                     rest of the line, with \n for a line end and \\ for a
//                     backslash; it must be a readable fluid database
// An ID (a control or menu item) is its number or its name in
// resources/resource_ids.h: `click IDC_EDITOR_ADD` is `click 303`.
// Every action goes to the dialog on top, as a user's would; answer and
// outside-save may come before start too. A line that makes no sense there
// stops the run with status 2 and the reason on standard error; the end of
// the script ends the run, with status 0, even with dialogs still open.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/headless_host.hpp"
#include "platform/headless/transcript.hpp"

namespace quelrin {

class ScriptRunner final : public HeadlessUser {
 public:
  using Program = int (*)(DialogHost& host);

  ScriptRunner(std::vector<std::string> lines, const ResourceScript& resources, std::ostream& out);

  // Runs the whole script with `program` as what `start` starts; returns
  // the runner's exit status. A run that stops inside a dialog leaves the
  // program there: its dialogs are unwound without being closed.
  int run(Program program);

  // Performs the next script line on the dialog on top.
  void act(HeadlessDialog& top) override;
  // The first answer waiting, else no.
  bool answer(const Message& question) override;

 private:
  // The next line to act on, split into its verb and the rest; false at the end.
  bool next_line(std::string_view& verb, std::string_view& rest);
  void perform(HeadlessDialog& top, std::string_view verb, std::string_view rest);
  // answer and outside-save, which need no dialog; false for any other verb.
  bool perform_aside(std::string_view verb, std::string_view rest);
  void save_from_outside(std::string_view rest);
  void show(const HeadlessDialog& top, std::string_view rest);
  // The blank-separated words of `text`; the run stops unless there are `count`.
  std::vector<std::string_view> words(std::string_view text, std::size_t count);
  int number(std::string_view text);
  // A control, menu item or dialog: its number, or its name in resource_ids.h.
  int resource_id(std::string_view word);
  [[noreturn]] void stop(int status, std::string_view reason);

  std::vector<std::string> lines_;
  std::size_t next_ = 0;                                  // index of the line after the current one
  std::deque<bool> answers_;                              // true for yes
  std::map<std::string, int, std::less<>> resource_ids_;  // the names met so far
  std::ostream& out_;
  Transcript transcript_;
  HeadlessHost host_;
};

}  // namespace quelrin
