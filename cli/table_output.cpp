// Cells of a table row as text: "%g" in aligned columns, every digit that
// reads back in CSV, an empty cell where the value does not exist. An
// aligned table of up to HELD_ROWS rows takes the widths of its cells; a
// longer one is printed as it comes, each column as wide as the widest
// number "%g" writes, so that memory stays flat whatever the row count.
#include "cli/table_output.hpp"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "text/cp1252.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

using Cells = TableWriter::Cells;
constexpr std::size_t NOTE = TableWriter::COLUMNS - 1;

constexpr std::size_t HELD_ROWS = 1000;
// "-1.23457e-100": six digits, both signs, a three-digit exponent.
constexpr std::size_t WIDEST_G = 13;

constexpr std::array<const char*, TableWriter::COLUMNS> HEADER = {"temperature",
                                                                  "estimate",
                                                                  "pressure",
                                                                  "iterations",
                                                                  "saturation_pressure",
                                                                  "liquid_volume",
                                                                  "vapour_volume",
                                                                  "vaporization_enthalpy",
                                                                  "dp_dt",
                                                                  "note"};

using Format = std::string (*)(double);

std::string cell(const std::optional<double>& value, Format format) {
  return value ? format(*value) : std::string();
}

Cells cells(const TableRow& row, Format format) {
  Cells c;
  c[0] = format(row.temperature);
  c[1] = cell(row.estimate, format);
  // The window's own result text, or every digit of the same number.
  c[2] = row.pressure ? format(*row.pressure) : row.pressure_text;
  c[3] = row.iterations ? std::to_string(*row.iterations) : std::string();
  if (row.exact) {
    c[4] = format(row.exact->pressure);
    c[5] = format(row.exact->liquid_volume);
    c[6] = format(row.exact->vapour_volume);
    c[7] = format(row.exact->vaporisation_enthalpy);
    c[8] = format(row.exact->dp_dt);
  }
  c[NOTE] = row.note;
  return c;
}

// The line and its newline; false when standard output refused them.
bool print_line(std::string_view cp1252_line) {
  const std::string line = cp1252_to_utf8(cp1252_line) + '\n';
  return std::fwrite(line.data(), 1, line.size(), stdout) == line.size();
}

}  // namespace

TableWriter::TableWriter(bool csv, const UnitPrefs& units, int rows)
    : csv_(csv), held_(!csv && rows <= static_cast<int>(HELD_ROWS)) {
  lines_.emplace_back();
  std::copy(HEADER.begin(), HEADER.end(), lines_.back().begin());
  if (csv_) return;
  // Built in the code page, one byte a character, so that bytes align.
  const std::string t(temperature_suffix(units.temperature_unit));
  const std::string p(pressure_suffix(units.pressure_unit));
  lines_.push_back({t, p, p, "", p, "L/mol", "L/mol", "kJ/mol", p + "/" + t, ""});
  if (!held_) widths_.fill(WIDEST_G);
  for (const Cells& line : lines_) widen(line);
}

bool TableWriter::write(const TableRow& row) {
  lines_.push_back(cells(row, csv_ ? format_g_exact : format_g));
  if (!held_) return finish();
  widen(lines_.back());
  return true;
}

bool TableWriter::finish() {
  for (const Cells& line : lines_) {
    if (!print(line)) return false;
  }
  lines_.clear();
  return true;
}

void TableWriter::widen(const Cells& line) {
  for (std::size_t i = 0; i < NOTE; ++i) widths_[i] = std::max(widths_[i], line[i].size());
}

bool TableWriter::print(const Cells& line) const {
  std::string text;
  if (csv_) {
    for (std::size_t i = 0; i < COLUMNS; ++i) text += (i > 0 ? "," : "") + line[i];
    return print_line(text);
  }
  for (std::size_t i = 0; i < NOTE; ++i) {
    if (i > 0) text += "  ";
    text.append(widths_[i] - line[i].size(), ' ');
    text += line[i];
  }
  // The note, text among numbers, stands last and unpadded, only where there is one.
  if (!line[NOTE].empty()) text += "  " + line[NOTE];
  return print_line(text);
}

}  // namespace quelrin
