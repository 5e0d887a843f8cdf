// The fluid editor's procedure and its list operations.
#include "fluids/fluid_editor.hpp"

#include "fluids/editor_fields.hpp"
#include "fluids/editor_table.hpp"
#include "fluids/fluid_names.hpp"
#include "resources/resource_ids.h"
#include "text/cp1252_literal.hpp"

namespace quelrin {

int FluidEditor::on_open(Dialog& editor) {
  if (!load_fluids_for_editor(editor, table_, known_text_)) {
    editor.end(0);
    return 0;
  }
  return 1;
}

int FluidEditor::on_command(Dialog& editor, int control_id, int notification) {
  switch (control_id) {
    case IDOK:
    case IDC_EDITOR_SAVE:
      save_fluids(editor, table_, known_text_);
      return 1;
    case IDCANCEL:
    case IDC_EDITOR_EXIT:
      editor.end(0);
      return 1;
    case IDC_EDITOR_CLEAR:
      clear_editor_fields(editor);
      return 0;
    case IDC_EDITOR_ADD:
      add_fluid(editor);
      return 0;
    case IDC_EDITOR_ANTOINE:
      select_antoine_mode(editor);
      return 0;
    case IDC_EDITOR_WAGNER:
      select_wagner_mode(editor);
      return 0;
    case IDC_EDITOR_ENVELOPE:
      select_envelope_mode(editor);
      return 0;
    case IDC_EDITOR_EDIT:
      show_selected_fluid(editor);
      return 0;
    case IDC_EDITOR_DELETE:
      delete_selected_fluid(editor);
      return 0;
    default:
      if (notification == NOTIFY_DOUBLE_CLICKED) show_selected_fluid(editor);
      return 0;
  }
}

int FluidEditor::on_close(Dialog& editor) {
  editor.end(0);
  return 1;
}

void FluidEditor::add_fluid(Dialog& editor) {
  switch (validate_editor_fields(editor)) {
    case FIELD_EMPTY:
      editor.show_message({cp1252<"Verifique existência de campos não preenchidos!">,
                           cp1252<"Atenção!">, MessageIcon::warning});
      return;
    case FIELD_REFUSED_CHARACTER:
      editor.show_message({cp1252<"Verifique entrada de caracteres inválidos!">, cp1252<"Atenção!">,
                           MessageIcon::warning});
      return;
    case NAME_HOLDS_BLANK:
      editor.show_message({cp1252<"O nome do fluido não pode conter espaços!">, cp1252<"Atenção!">,
                           MessageIcon::warning});
      return;
    default:
      break;
  }
  FluidRecord fluid = fluid_from_fields(editor);
  // A name already listed is replaced: the one written in the same letter
  // case when there is one, otherwise the first that differs only in case.
  const int existing = find_fluid(table_, fluid.name);
  if (existing >= 0) remove_fluid_at(editor, table_, existing);
  insert_fluid(editor, table_, std::move(fluid));
  editor.set_focus(IDC_EDITOR_SAVE);
}

void FluidEditor::delete_selected_fluid(Dialog& editor) {
  const int selected = editor.list_selection(IDC_EDITOR_FLUID_LIST);
  if (selected < 0) return;
  remove_fluid_at(editor, table_, selected);
  clear_editor_fields(editor);
  editor.set_focus(IDC_EDITOR_SAVE);
}

void FluidEditor::show_selected_fluid(Dialog& editor) {
  const int selected = editor.list_selection(IDC_EDITOR_FLUID_LIST);
  if (selected < 0) return;
  show_fluid(editor, table_[static_cast<std::size_t>(selected)]);
}

}  // namespace quelrin
