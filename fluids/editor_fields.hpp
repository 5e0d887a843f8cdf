// The fluid editor's fields: the name, the correlation mode, four constants
// and the critical constants of one fluid, as a scratch area.
#pragma once

#include "dialog/dialog.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

// Results of validate_editor_fields.
inline constexpr int FIELDS_ACCEPTED = 0;
inline constexpr int FIELD_EMPTY = 1;
inline constexpr int FIELD_REFUSED_CHARACTER = 2;
inline constexpr int NAME_HOLDS_BLANK = 3;

// Checks the fields in order, name first, and stops at the first fault with
// the focus in that field (and a refused character or blank selected).
// Commas met in a number field are turned into points in the field itself.
int validate_editor_fields(Dialog& editor);

// Empties the fields, then writes "0" in the constants the mode does not use.
void clear_editor_fields(Dialog& editor);

// The mode buttons: which constants are open to typing and what the others hold.
void select_antoine_mode(Dialog& editor);
void select_wagner_mode(Dialog& editor);
void select_envelope_mode(Dialog& editor);

// The fluid the fields describe, numbers read from each field's whole text.
FluidRecord fluid_from_fields(Dialog& editor);

// Fills the fields and the mode from `fluid`.
void show_fluid(Dialog& editor, const FluidRecord& fluid);

}  // namespace quelrin
