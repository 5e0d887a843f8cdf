// Test doubles around the headless dialog manager: a procedure that records
// the events it gets, a user who plays queued actions, and an observer that
// keeps the messages and opened documents.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/headless/headless_dialog.hpp"
#include "platform/headless/headless_host.hpp"

namespace quelrin::test {

struct Command {
  int id;
  int notification;
  bool operator==(const Command&) const = default;
};

// Answers 1 to the opening and to every event it is given a reaction for.
class RecordingProcedure : public DialogProcedure {
 public:
  int on_open(Dialog& dialog) override {
    if (opening) opening(dialog);
    return open_answer;
  }
  int on_command(Dialog& dialog, int id, int notification) override {
    commands.push_back({id, notification});
    if (react) react(dialog, id);
    return 1;
  }
  int on_close(Dialog& dialog) override {
    ++closes;
    if (close_answer != 0) dialog.end(0);
    return close_answer;
  }

  int open_answer = 1;
  int close_answer = 1;
  std::function<void(Dialog&)> opening;
  std::function<void(Dialog&, int id)> react;
  std::vector<Command> commands;
  int closes = 0;
};

// Plays one queued action per call; with none left the test has gone wrong,
// and the dialog is ended so that the run finishes.
class QueuedUser : public HeadlessUser {
 public:
  void act(HeadlessDialog& top) override {
    seen.push_back(top.dialog_template().id);
    if (actions.empty()) {
      ADD_FAILURE() << "no action left for dialog " << top.dialog_template().id;
      top.end(-2);
      return;
    }
    auto action = std::move(actions.front());
    actions.pop_front();
    action(top);
  }
  bool answer(const Message&) override {
    if (answers.empty()) {
      ADD_FAILURE() << "no answer left for a question";
      return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }

  std::deque<std::function<void(HeadlessDialog&)>> actions;
  std::deque<bool> answers;
  std::vector<int> seen;  // the template of the dialog on top at each call
};

class RecordingObserver : public HeadlessObserver {
 public:
  void message_shown(const Message& message) override { messages.push_back(message); }
  void question_asked(const Message& question, bool) override { questions.push_back(question); }
  void document_opened(std::string_view name) override { documents.emplace_back(name); }

  std::vector<Message> messages;
  std::vector<Message> questions;
  std::vector<std::string> documents;
};

// A host over `resources` with a queued user and a recording observer.
struct HeadlessBench {
  explicit HeadlessBench(const ResourceScript& resources) : host(resources, user, observer) {}

  QueuedUser user;
  RecordingObserver observer;
  HeadlessHost host;
};

}  // namespace quelrin::test
