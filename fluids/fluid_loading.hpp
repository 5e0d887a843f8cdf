// Reading dados.txt for the main window: the main table and its fluid list.
#pragma once

#include <string>

#include "dialog/dialog.hpp"
#include "fluids/fluid_record.hpp"
#include "text/message.hpp"

namespace quelrin {

inline constexpr const char* DATABASE_FILE = "dados.txt";

// Reads the database into `table` and fills the main window's fluid list
// with every name in one call, in file order, selecting the first. True when
// the file was read; false after telling the user why not, with `table` and
// the list as they were.
bool load_fluids_for_main(Dialog& window, FluidTable& table);

// The database read whole into `table`, its bytes into `text`; true on
// success, otherwise false after the message about the missing, malformed or
// too large file, owned by `owner`.
bool read_database_for(Dialog& owner, FluidTable& table, std::string& text);

// What the user is told of a database the reader refused for `reason`, and
// of one that could not be written.
Message invalid_database_message(const std::string& reason);
Message database_not_saved_message();

}  // namespace quelrin
