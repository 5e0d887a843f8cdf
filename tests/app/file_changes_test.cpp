// The program's answers to files that change, vanish or cannot be written
// while it runs.
#include <filesystem>

#include "resources/resource_ids.h"
#include "tests/app/program_fixture.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin::test {
namespace {

const char* const TWO_FLUIDS =
    "2\nZeta Antoine 4 1000 0 0 10 600 0.1\nAlfa Antoine 4 1000 0 0 10 600 0.1\n";
const Message FILE_NOT_FOUND{cp1252<"Arquivo 'dados.txt' não encontrado.">, cp1252<"Atenção!">,
                             MessageIcon::error};

using FileChangesTest = ProgramTest;

void make_read_only(const char* path) {
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(FileChangesTest, DatabaseGoneAtEditorOpeningIsReportedTwiceAndTheListStays) {
  write_file("dados.txt", TWO_FLUIDS);
  then([](HeadlessDialog& main) {
    main.pick(IDC_FLUID_LIST, 1);
    std::filesystem::remove("dados.txt");
    main.click(IDM_FLUID_EDITOR);
  });
  then([](HeadlessDialog& main) {
    // The editor closed at once; the window still lists the table it holds.
    EXPECT_EQ(main.list_count(IDC_FLUID_LIST), 2);
    EXPECT_EQ(main.list_selection(IDC_FLUID_LIST), 1);
    main.press_escape();
  });
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(messages(), (std::vector<Message>{FILE_NOT_FOUND, FILE_NOT_FOUND}));
  EXPECT_EQ(bench_.user.seen, (std::vector<int>{IDD_MAIN, IDD_MAIN}));
}

TEST_F(FileChangesTest, FailedSaveKeepsTheFileAndTheEditorOpen) {
  write_file("dados.txt", TWO_FLUIDS);
  make_read_only("dados.txt");
  then([](HeadlessDialog& main) { main.click(IDM_FLUID_EDITOR); });
  then([](HeadlessDialog& editor) {
    editor.click(IDC_EDITOR_DELETE);
    editor.click(IDC_EDITOR_SAVE);
  });
  then([](HeadlessDialog& editor) {
    EXPECT_EQ(editor.list_count(IDC_EDITOR_FLUID_LIST), 1);
    editor.click(IDC_EDITOR_EXIT);
  });
  then([](HeadlessDialog& main) { main.press_escape(); });
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(messages(),
            (std::vector<Message>{{cp1252<"Não foi possível salvar o arquivo 'dados.txt'.">,
                                   "Erro!", MessageIcon::error}}));
  EXPECT_EQ(read_file("dados.txt"), TWO_FLUIDS);
  EXPECT_EQ(bench_.user.seen, (std::vector<int>{IDD_MAIN, IDD_EDITOR, IDD_EDITOR, IDD_MAIN}));
}

TEST_F(FileChangesTest, PrefsDeletedWhileRunningIsRecreatedButTheUnitsStayUntilOk) {
  write_file("dados.txt", TWO_FLUIDS);
  write_file("prefs.dat", "2 3");
  then([](HeadlessDialog& main) {
    std::filesystem::remove("prefs.dat");
    main.click(IDM_UNITS);
  });
  then([](HeadlessDialog& units) {
    EXPECT_TRUE(units.is_checked(IDC_PRESSURE_BAR));
    EXPECT_TRUE(units.is_checked(IDC_TEMPERATURE_K));
    units.click(IDC_UNITS_CANCEL);
  });
  then([](HeadlessDialog& main) {
    EXPECT_EQ(main.get_text(IDC_PRESSURE_LABEL, 64), cp1252<"Pressão de Vapor (kPa):">);
    EXPECT_EQ(main.get_text(IDC_TEMPERATURE_LABEL, 64), cp1252<"Entre com a temperatura (°F):">);
    main.type(IDC_TEMPERATURE_EDIT, "620.33");  // 600 K, the fluid's Tc
    main.click(IDOK);
  });
  then([](HeadlessDialog& main) { main.press_escape(); });
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(read_file("prefs.dat"), "0 0");
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].text, cp1252<"T maior que Tc de Zeta ( Tc = 620.33°F )">);
}

TEST_F(FileChangesTest, UnwritablePrefsAreReportedAndTheChoiceStillHolds) {
  write_file("dados.txt", TWO_FLUIDS);
  write_file("prefs.dat", "0 0");
  make_read_only("prefs.dat");
  then([](HeadlessDialog& main) { main.click(IDM_UNITS); });
  then([](HeadlessDialog& units) {
    units.click(IDC_PRESSURE_PSI);
    units.press_enter();
  });
  then([](HeadlessDialog& main) {
    EXPECT_EQ(main.get_text(IDC_PRESSURE_LABEL, 64), cp1252<"Pressão de Vapor (psi):">);
    main.press_escape();
  });
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(messages(),
            (std::vector<Message>{{cp1252<"Não foi possível salvar o arquivo 'prefs.dat'.">,
                                   "Erro!", MessageIcon::error}}));
  EXPECT_EQ(read_file("prefs.dat"), "0 0");
}

TEST_F(FileChangesTest, PrefsThatCannotBeOpenedAreLeftAloneAndTheDefaultsHoldForTheRun) {
  write_file("dados.txt", TWO_FLUIDS);
  // Links in a circle: there, yet no one can open it, not even the superuser.
  std::filesystem::create_symlink("prefs.dat", "prefs.dat");
  then([](HeadlessDialog& main) {
    EXPECT_EQ(main.get_text(IDC_PRESSURE_LABEL, 64), cp1252<"Pressão de Vapor (bar):">);
    EXPECT_EQ(main.get_text(IDC_TEMPERATURE_LABEL, 64), "Entre com a temperatura (K):");
    main.click(IDM_UNITS);
  });
  then([](HeadlessDialog& units) {
    EXPECT_TRUE(units.is_checked(IDC_PRESSURE_BAR));
    units.click(IDC_UNITS_CANCEL);
  });
  then([](HeadlessDialog& main) { main.press_escape(); });
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(messages().empty());
  EXPECT_TRUE(std::filesystem::is_symlink("prefs.dat"));
  EXPECT_EQ(std::filesystem::read_symlink("prefs.dat"), "prefs.dat");
}

}  // namespace
}  // namespace quelrin::test
