// The in-memory dialog manager's entry point: runs dialogs of a resource
// script modally, taking the user's actions from a HeadlessUser and telling
// a HeadlessObserver what the program shows outside its dialogs.
#pragma once

#include <string_view>

#include "dialog/dialog.hpp"
#include "dialog/resource_script.hpp"
#include "text/message.hpp"

namespace quelrin {

class HeadlessDialog;

// Whoever sits at the screen: each time a modal loop waits for input, acts
// once on the dialog on top. An action that ends no dialog simply leads to
// the next call; a user with nothing more to do may end `top` itself.
class HeadlessUser {
 public:
  virtual ~HeadlessUser() = default;
  virtual void act(HeadlessDialog& top) = 0;
  // The answer to a yes/no question: true for "Sim".
  virtual bool answer(const Message& question) = 0;
};

// What happens outside the dialogs: message boxes (acknowledged at once),
// questions with the user's answer, and documents the shell opened.
class HeadlessObserver {
 public:
  virtual ~HeadlessObserver() = default;
  virtual void message_shown(const Message& message) = 0;
  virtual void question_asked(const Message& question, bool yes) = 0;
  virtual void document_opened(std::string_view name) = 0;
};

class HeadlessHost final : public DialogHost {
 public:
  HeadlessHost(const ResourceScript& resources, HeadlessUser& user, HeadlessObserver& observer);

  // Runs the template's dialog until it ends: top-level dialogs and, through
  // Dialog::run_child, the children alike. -1 for an unknown template.
  int run_dialog(int template_id, DialogProcedure& procedure) override;

  const ResourceScript& resources() const { return resources_; }
  void show_message(const Message& message);
  // The user's answer, which the observer is told with the question.
  bool ask_yes_no(const Message& question);
  // The shell: a document opens when a file of that name exists (relative
  // names in the current directory): 33 then, else SHELL_FILE_NOT_FOUND.
  int open_document(std::string_view name);

 private:
  const ResourceScript& resources_;
  HeadlessUser& user_;
  HeadlessObserver& observer_;
};

}  // namespace quelrin
