// The fluid editor's fields and its add, driven through the headless manager
// by any sequence of typing, mode changes, additions, deletions and saves:
// every fluid the editor accepts holds exactly the numbers typed, its list
// and table stay in step (each name shows its own fluid), and what it saves
// reads back as the list shows it.
#include <cmath>
#include <string>
#include <vector>

#include "dialog/program_resources.hpp"
#include "fluids/fluid_database.hpp"
#include "fluids/fluid_editor.hpp"
#include "fuzz_support.hpp"
#include "platform/headless/headless_dialog.hpp"
#include "platform/headless/headless_host.hpp"
#include "resources/resource_ids.h"
#include "text/number_text.hpp"

namespace {

using quelrin::fuzz::require;

constexpr int FIELDS[] = {IDC_EDITOR_NAME,       IDC_EDITOR_CONSTANT_1, IDC_EDITOR_CONSTANT_2,
                          IDC_EDITOR_CONSTANT_3, IDC_EDITOR_CONSTANT_4, IDC_EDITOR_PC,
                          IDC_EDITOR_TC,         IDC_EDITOR_ACENTRIC};
constexpr int MODES[] = {IDC_EDITOR_ANTOINE, IDC_EDITOR_WAGNER, IDC_EDITOR_ENVELOPE};

std::string text_of(const quelrin::HeadlessDialog& editor, int id) {
  return editor.control(id)->text;
}

const std::vector<std::string>& list_of(const quelrin::HeadlessDialog& editor) {
  return editor.control(IDC_EDITOR_FLUID_LIST)->list.entries();
}

// A number field's text as the editor must have read it: one whole finite
// number, with a decimal comma taken as a point.
double typed_number(std::string text) {
  for (char& c : text) c = c == ',' ? '.' : c;
  const std::optional<double> value = quelrin::read_whole_number(text);
  require(value && std::isfinite(*value), "an accepted field holds one finite number", text);
  return *value;
}

class FuzzUser : public quelrin::HeadlessUser, public quelrin::HeadlessObserver {
 public:
  explicit FuzzUser(quelrin::fuzz::Input& input) : input_(input) {}

  void message_shown(const quelrin::Message&) override { ++messages_; }
  // No other program touches the file while the editor is open.
  bool answer(const quelrin::Message&) override {
    quelrin::fuzz::require(false, "no question about the file's changes");
    return false;
  }
  void question_asked(const quelrin::Message&, bool) override {}
  void document_opened(std::string_view) override {}

  void act(quelrin::HeadlessDialog& editor) override {
    if (input_.empty()) {
      check_in_step(editor);
      editor.click(IDC_EDITOR_SAVE);
      saved_list_ = list_of(editor);
      editor.click(IDC_EDITOR_EXIT);
      return;
    }
    const int entries = static_cast<int>(list_of(editor).size());
    switch (input_.take<std::uint8_t>() % 8) {
      case 0:
        editor.type(FIELDS[input_.take<std::uint8_t>() % 8], input_.text());
        break;
      case 1:
        editor.click(MODES[input_.take<std::uint8_t>() % 3]);
        break;
      case 2:
        add(editor);
        break;
      case 3:
        editor.pick(IDC_EDITOR_FLUID_LIST, input_.take<std::uint16_t>() % (entries + 1) - 1);
        break;
      case 4:
        editor.double_click(IDC_EDITOR_FLUID_LIST);
        break;
      case 5:
        editor.click(IDC_EDITOR_DELETE);
        break;
      case 6:
        editor.click(IDC_EDITOR_CLEAR);
        break;
      default:
        editor.click(IDC_EDITOR_SAVE);
        break;
    }
  }

  const std::vector<std::string>& saved_list() const { return saved_list_; }

 private:
  // An accepted fluid, shown again from the table, holds what was typed.
  void add(quelrin::HeadlessDialog& editor) {
    const int before = messages_;
    editor.click(IDC_EDITOR_ADD);
    if (messages_ != before) return;
    std::vector<std::string> typed;
    for (int id : FIELDS) typed.push_back(text_of(editor, id));
    // A longer name is kept cut to what the file can hold.
    const std::string name = typed[0].substr(0, quelrin::MAX_NAME_BYTES);
    const int selected = editor.control(IDC_EDITOR_FLUID_LIST)->list.selection();
    require(selected >= 0 && list_of(editor)[selected] == name, "the added fluid is selected",
            name);
    editor.double_click(IDC_EDITOR_FLUID_LIST);
    require(text_of(editor, IDC_EDITOR_NAME) == name, "the added fluid shows its name", name);
    const bool wagner = editor.control(IDC_EDITOR_WAGNER)->checked;
    for (std::size_t i = 1; i < typed.size(); ++i) {
      if (FIELDS[i] == IDC_EDITOR_CONSTANT_4 && !wagner) continue;
      require(quelrin::fuzz::same_bits(typed_number(typed[i]),
                                       typed_number(text_of(editor, FIELDS[i]))),
              "the fluid holds the number typed", typed[i]);
    }
  }

  // Every name of the list shows the fluid of that name.
  void check_in_step(quelrin::HeadlessDialog& editor) {
    const std::vector<std::string> names = list_of(editor);
    for (std::size_t i = 0; i < names.size(); ++i) {
      editor.pick(IDC_EDITOR_FLUID_LIST, static_cast<int>(i));
      editor.double_click(IDC_EDITOR_FLUID_LIST);
      require(text_of(editor, IDC_EDITOR_NAME) == names[i], "each name shows its own fluid",
              names[i]);
    }
  }

  quelrin::fuzz::Input& input_;
  int messages_ = 0;
  std::vector<std::string> saved_list_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const quelrin::fuzz::ProgramDirectory directory;
  directory.reset();
  quelrin::fuzz::Input input(data, size);
  FuzzUser user(input);
  quelrin::HeadlessHost host(quelrin::program_resources().script, user, user);
  quelrin::FluidEditor editor;
  host.run_dialog(IDD_EDITOR, editor);

  directory.require_no_stray_file();
  quelrin::FluidTable table;
  std::string reason;
  require(quelrin::parse_fluid_database(quelrin::fuzz::read_file("dados.txt"), table, reason),
          "the saved dados.txt reads back", reason);
  require(table.size() == user.saved_list().size(), "the file holds as many fluids as the list");
  for (std::size_t i = 0; i < table.size(); ++i) {
    require(table[i].name == user.saved_list()[i], "the file holds the list's fluids in its order");
  }
  return 0;
}
