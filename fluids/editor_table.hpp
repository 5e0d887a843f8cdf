// The fluid editor's table, kept in step with its sorted list: record i is
// the fluid named at list position i, and the table holds as many records as
// the list holds names.
#pragma once

#include <optional>
#include <string>

#include "dialog/dialog.hpp"
#include "fluids/fluid_record.hpp"

namespace quelrin {

// Reads dados.txt into `table` in the list's sorted order, filling the
// editor's list and putting the editor into its opening state, and keeps the
// file's bytes in `known_text`. True when the file was read, false after
// telling the user why not.
bool load_fluids_for_editor(Dialog& editor, FluidTable& table,
                            std::optional<std::string>& known_text);

// Replaces dados.txt with the table, in its order, while the file still
// holds `known_text` (none: no file was read). When another program has
// changed it since, the user is asked whether to save anyway and discard
// those changes; "Não" saves nothing. True when saved (`known_text` then
// holds what was written), false when not: after the user's "Não", or after
// telling the user the file could not be written (it is then unchanged).
bool save_fluids(Dialog& editor, const FluidTable& table, std::optional<std::string>& known_text);

// Puts `record` into the list in its sorted place and into the table at the
// same position, and selects it. Returns the position.
int insert_fluid(Dialog& editor, FluidTable& table, FluidRecord record);

// Removes the entry at `position` and its record, then selects the entry that
// followed it (none when it was the last).
void remove_fluid_at(Dialog& editor, FluidTable& table, int position);

}  // namespace quelrin
