// Modal loops of the headless host: who gets the user's actions, what a
// dialog's run returns, and the shell.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialog/program_resources.hpp"
#include "headless_fixture.hpp"
#include "resources/resource_ids.h"
#include "tests/support/temp_dir.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

using test::Command;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Host : public ::testing::Test {
 protected:
  test::HeadlessBench bench{program_resources().script};
  test::RecordingProcedure main;
  test::RecordingProcedure about;
};

TEST_F(Host, ChildDialogTakesEveryActionUntilItEnds) {
  int child_result = 0;
  main.react = [&](Dialog& dialog, int id) {
    if (id == IDC_ABOUT_BUTTON) child_result = dialog.run_child(IDD_ABOUT, about);
    if (id == IDCANCEL) dialog.end(0);
  };
  about.react = [](Dialog& dialog, int) { dialog.end(7); };
  bench.user.actions = {
      [](HeadlessDialog& top) { top.click(IDC_ABOUT_BUTTON); },
      [](HeadlessDialog& top) { top.press_escape(); },  // reaches the About box only
      [](HeadlessDialog& top) { top.press_escape(); },
  };
  EXPECT_EQ(bench.host.run_dialog(IDD_MAIN, main), 0);
  EXPECT_THAT(bench.user.seen, ElementsAre(IDD_MAIN, IDD_ABOUT, IDD_MAIN));
  EXPECT_THAT(main.commands, ElementsAre(Command{IDC_ABOUT_BUTTON, 0}, Command{IDCANCEL, 0}));
  EXPECT_THAT(about.commands, ElementsAre(Command{IDCANCEL, 0}));
  EXPECT_EQ(child_result, 7);
}

TEST_F(Host, UnknownTemplatesCannotBeCreated) {
  EXPECT_EQ(bench.host.run_dialog(999, main), -1);
  int child_result = 0;
  main.opening = [&](Dialog& dialog) {
    child_result = dialog.run_child(IDR_MAIN_MENU, about);
    dialog.end(1);
  };
  EXPECT_EQ(bench.host.run_dialog(IDD_MAIN, main), 1);
  EXPECT_EQ(child_result, -1);
}

TEST_F(Host, DialogEndedWhileOpeningNeverWaitsForTheUser) {
  main.opening = [](Dialog& dialog) {
    dialog.show_message(Message{cp1252<"Arquivo não encontrado.">, "Erro!", MessageIcon::error});
    dialog.end(1);
  };
  EXPECT_EQ(bench.host.run_dialog(IDD_MAIN, main), 1);
  EXPECT_THAT(bench.user.seen, IsEmpty());
  EXPECT_THAT(bench.observer.messages,
              ElementsAre(Message{cp1252<"Arquivo não encontrado.">, "Erro!", MessageIcon::error}));
}

TEST_F(Host, ShellOpensOnlyDocumentsThatExist) {
  test::TempDir dir;
  test::write_file(dir.file("quel.chm"), "help");
  EXPECT_EQ(bench.host.open_document(dir.file("quel.chm")), 33);
  EXPECT_EQ(bench.host.open_document(dir.file("outro.chm")), SHELL_FILE_NOT_FOUND);
  EXPECT_EQ(bench.host.open_document(dir.path().string()), SHELL_FILE_NOT_FOUND);  // a directory
  EXPECT_THAT(bench.observer.documents, ElementsAre(dir.file("quel.chm")));
}

}  // namespace
}  // namespace quelrin
