// The editor's table stays in step with its sorted list through reading,
// adding and removing: record i is always the fluid named at position i.
#include "fluids/editor_table.hpp"

#include "dialog/program_resources.hpp"
#include "resources/resource_ids.h"
#include "tests/app/program_fixture.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin::test {
namespace {

FluidRecord fluid(const char* name, double tc) {
  FluidRecord record;
  record.name = name;
  record.kind = KIND_ENVELOPE;
  record.tc_k = tc;
  return record;
}

class EditorTableTest : public ProgramTest {
 protected:
  EditorTableTest()
      : editor_(*find_dialog(program_resources().script, IDD_EDITOR), procedure_, bench_.host) {}

  void expect_in_step() {
    ASSERT_EQ(editor_.list_count(IDC_EDITOR_FLUID_LIST), static_cast<int>(table_.size()));
    for (std::size_t i = 0; i < table_.size(); ++i) {
      EXPECT_EQ(editor_.list_text(IDC_EDITOR_FLUID_LIST, static_cast<int>(i)), table_[i].name);
    }
  }

  RecordingProcedure procedure_;
  HeadlessDialog editor_;
  FluidTable table_;
  std::optional<std::string> known_text_;
};

TEST_F(EditorTableTest, ReadingPutsTheRecordsInTheListsOrder) {
  write_file("dados.txt",
             cp1252<"4\nmetano Envelope 0 0 0 0 1 190 0\nÁgua Envelope 0 0 0 0 1 647 0\n"
                    "Acetona Envelope 0 0 0 0 1 508 0\nn-Butano Envelope 0 0 0 0 1 425 0\n">);
  ASSERT_TRUE(load_fluids_for_editor(editor_, table_, known_text_));
  expect_in_step();
  EXPECT_EQ(table_[0].name, "Acetona");
  EXPECT_EQ(table_[0].tc_k, 508.0);
  EXPECT_EQ(table_[1].name, cp1252<"Água">);
  EXPECT_EQ(table_[1].tc_k, 647.0);
  EXPECT_EQ(editor_.list_selection(IDC_EDITOR_FLUID_LIST), 0);
  EXPECT_EQ(editor_.get_text(IDC_EDITOR_CONSTANT_4, 8), "0");
  EXPECT_TRUE(editor_.is_checked(IDC_EDITOR_ANTOINE));
}

TEST_F(EditorTableTest, ReadingAManyNamedFileGivesTheOrderOfAddingEachName) {
  // Names that tie in the word sort (letter case, accents, marks) among many.
  const char* const stems[] = {"agua",    "AGUA", cp1252<"Água">, cp1252<"água">, "n-Butano",
                               "nButano", "R-22", "R22",          cp1252<"Éter">};
  std::string file = "900\n";
  std::vector<std::string> names;
  for (int i = 0; i < 100; ++i) {
    for (const char* stem : stems) {
      names.push_back(std::string(stem) + (i % 7 == 0 ? "" : std::to_string((i * 37) % 100)));
      file += names.back() + " Envelope 0 0 0 0 1 " + std::to_string(names.size()) + " 0\n";
    }
  }
  write_file("dados.txt", file);
  ASSERT_TRUE(load_fluids_for_editor(editor_, table_, known_text_));
  expect_in_step();

  HeadlessDialog one_by_one(*find_dialog(program_resources().script, IDD_EDITOR), procedure_,
                            bench_.host);
  for (const std::string& name : names) one_by_one.list_add(IDC_EDITOR_FLUID_LIST, name);
  EXPECT_EQ(editor_.control(IDC_EDITOR_FLUID_LIST)->list.entries(),
            one_by_one.control(IDC_EDITOR_FLUID_LIST)->list.entries());
  for (const FluidRecord& record : table_) {  // each record still carries its own line's Tc
    EXPECT_EQ(names[static_cast<std::size_t>(record.tc_k) - 1], record.name);
  }
}

TEST_F(EditorTableTest, InsertingAndRemovingKeepTableAndListInStep) {
  insert_fluid(editor_, table_, fluid("Metano", 190));
  EXPECT_EQ(insert_fluid(editor_, table_, fluid("Acetona", 508)), 0);
  EXPECT_EQ(insert_fluid(editor_, table_, fluid("Etano", 305)), 1);
  EXPECT_EQ(editor_.list_selection(IDC_EDITOR_FLUID_LIST), 1);
  expect_in_step();

  remove_fluid_at(editor_, table_, 1);
  expect_in_step();
  EXPECT_EQ(editor_.list_selection(IDC_EDITOR_FLUID_LIST), 1);  // the one that followed
  EXPECT_EQ(table_[1].tc_k, 190.0);

  remove_fluid_at(editor_, table_, 1);
  expect_in_step();
  EXPECT_EQ(editor_.list_selection(IDC_EDITOR_FLUID_LIST), -1);  // the last one went
}

TEST_F(EditorTableTest, SavingWritesTheTableInItsOrderWithEveryDigit) {
  insert_fluid(editor_, table_, fluid("Zeta", 600.123456789));
  insert_fluid(editor_, table_, fluid("Alfa", 300));
  ASSERT_TRUE(save_fluids(editor_, table_, known_text_));
  EXPECT_EQ(read_file("dados.txt"),
            "2\nAlfa Envelope 0 0 0 0 0 300 0\nZeta Envelope 0 0 0 0 0 600.123456789 0\n");
}

}  // namespace
}  // namespace quelrin::test
