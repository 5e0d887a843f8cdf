// The text format of dados.txt: a count, then one line of nine fields per
// fluid (name kind A B C D Pc Tc omega), read by tokens.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "fluids/fluid_record.hpp"

namespace quelrin {

// Reads the count and exactly that many records, in file order; tokens after
// the last record are ignored. On malformed content returns false, leaves
// `table` untouched and puts a short reason in Portuguese (Windows-1252) in
// `reason`, naming the record and the field ("registro 3, campo Tc").
bool parse_fluid_database(std::string_view text, FluidTable& table, std::string& reason);

// The rest of an open file read into `text`, then parsed as above; a read
// error is a malformed file ("erro de leitura").
bool read_fluid_database(std::FILE* file, FluidTable& table, std::string& text,
                         std::string& reason);

enum class DatabaseFile { read, not_opened, malformed };

// Opens the file, reads it whole into `text` and `table` (read_fluid_database)
// and closes it, whatever happens meanwhile (a failed allocation included).
DatabaseFile read_fluid_database_file(const std::string& path, FluidTable& table, std::string& text,
                                      std::string& reason);

// The whole file's text: the count line, then one line per record in table
// order, each number as "%g" writes it but never rounded (format_g_exact).
std::string format_fluid_database(const FluidTable& table);

// Writes format_fluid_database(table); false when not every byte was written.
bool write_fluid_database(const FluidTable& table, std::FILE* file);

}  // namespace quelrin
