// Loading, saving and changing the editor's table with its list.
#include "fluids/editor_table.hpp"

#include "fluids/fluid_database.hpp"
#include "fluids/fluid_loading.hpp"
#include "fluids/fluid_names.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252_literal.hpp"
#include "text/replace_file.hpp"

namespace quelrin {
namespace {

std::ptrdiff_t at(int position) { return static_cast<std::ptrdiff_t>(position); }

}  // namespace

bool load_fluids_for_editor(Dialog& editor, FluidTable& table,
                            std::optional<std::string>& known_text) {
  FluidTable in_file_order;
  std::string text;
  if (!read_database_for(editor, in_file_order, text)) return false;
  known_text = std::move(text);

  editor.set_text(IDC_EDITOR_CONSTANT_4, "0");
  editor.set_check(IDC_EDITOR_ANTOINE, true);
  editor.set_check(IDC_EDITOR_WAGNER, false);

  // Sorted once and listed in one go: the list ends as adding each name in
  // file order would leave it, with every record at its name's position.
  sort_as_listed(in_file_order);
  table = std::move(in_file_order);
  editor.list_fill(IDC_EDITOR_FLUID_LIST, fluid_names(table));
  editor.list_select(IDC_EDITOR_FLUID_LIST, 0);
  return true;
}

bool save_fluids(Dialog& editor, const FluidTable& table, std::optional<std::string>& known_text) {
  const std::string text = format_fluid_database(table);
  // What the user agreed to discard, once asked; asked again should the file
  // change once more before the save gets its turn.
  std::optional<std::string> discarded;
  const std::optional<std::string>* expected = &known_text;
  for (;;) {
    std::optional<std::string> found;
    switch (replace_file_if_unchanged(DATABASE_FILE, *expected, text, found)) {
      case GuardedReplace::replaced:
        known_text = text;
        return true;
      case GuardedReplace::changed:
        if (!editor.ask_yes_no(
                {cp1252<"O arquivo 'dados.txt' foi alterado por outro programa depois que o "
                        "editor o abriu. Salvar assim mesmo e descartar essas alterações?">,
                 cp1252<"Atenção!">, MessageIcon::warning})) {
          return false;
        }
        discarded = std::move(found);
        expected = &discarded;
        break;
      case GuardedReplace::failed:
        editor.show_message(database_not_saved_message());
        return false;
    }
  }
}

int insert_fluid(Dialog& editor, FluidTable& table, FluidRecord record) {
  // The record goes where the list put its name, even beside names that
  // differ from it only in letter case.
  const int position = editor.list_add(IDC_EDITOR_FLUID_LIST, record.name);
  editor.list_select(IDC_EDITOR_FLUID_LIST, position);
  table.insert(table.begin() + at(position), std::move(record));
  return position;
}

void remove_fluid_at(Dialog& editor, FluidTable& table, int position) {
  table.erase(table.begin() + at(position));
  editor.list_delete(IDC_EDITOR_FLUID_LIST, position);
  editor.list_select(IDC_EDITOR_FLUID_LIST, position);
}

}  // namespace quelrin
