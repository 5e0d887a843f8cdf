// Reading dados.txt for the main window: the main table and its fluid list.
#pragma once

#include <string>

#include "fluids/fluid_record.hpp"
#include "dialog/dialog.hpp"

namespace quelrin {

inline constexpr const char* DATABASE_FILE = "dados.txt";

// Reads the database into `table` and fills the main window's fluid list
// with every name in one call, in file order, selecting the first. Returns 0 when the
// file was read; 1 after telling the user why not, with `table` and the list
// as they were.
int load_fluids_for_main(Dialog& window, FluidTable& table);

// The database read whole into `table`, its bytes into `text`; 0 on success,
// otherwise 1 after the message about the missing, malformed or too large
// file, owned by `owner`.
int read_database_for(Dialog& owner, FluidTable& table, std::string& text);

}  // namespace quelrin
