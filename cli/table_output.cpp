// Cells of a table row as text: "%g" in aligned columns, every digit that
// reads back in CSV, an empty cell where the value does not exist.
#include "cli/table_output.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "text/cp1252.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

constexpr std::size_t COLUMNS = 9;
using Cells = std::array<std::string, COLUMNS>;

constexpr std::array<const char*, COLUMNS> HEADER = {"temperature",
                                                     "estimate",
                                                     "pressure",
                                                     "iterations",
                                                     "saturation_pressure",
                                                     "liquid_volume",
                                                     "vapour_volume",
                                                     "vaporization_enthalpy",
                                                     "dp_dt"};

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
    c[7] = format(row.exact->vaporization_enthalpy);
    c[8] = format(row.exact->dp_dt);
  }
  return c;
}

}  // namespace

void print_aligned_table(const std::vector<TableRow>& rows, const UnitPrefs& units) {
  // Built in the code page, one byte a character, so that bytes align.
  const std::string t(temperature_suffix(units.temperature_unit));
  const std::string p(pressure_suffix(units.pressure_unit));
  std::vector<Cells> lines;
  lines.push_back({});
  std::copy(HEADER.begin(), HEADER.end(), lines.back().begin());
  lines.push_back({t, p, p, "", p, "L/mol", "L/mol", "kJ/mol", p + "/" + t});
  for (const TableRow& row : rows) lines.push_back(cells(row, format_g));

  std::array<std::size_t, COLUMNS> widths{};
  for (const Cells& line : lines) {
    for (std::size_t i = 0; i < COLUMNS; ++i) {
      widths[i] = std::max(widths[i], line[i].size());
    }
  }
  for (const Cells& line : lines) {
    std::string text;
    for (std::size_t i = 0; i < COLUMNS; ++i) {
      if (i > 0) text += "  ";
      text.append(widths[i] - line[i].size(), ' ');
      text += line[i];
    }
    std::printf("%s\n", cp1252_to_utf8(text).c_str());
  }
}

void print_csv_table(const std::vector<TableRow>& rows) {
  std::string header;
  for (const char* name : HEADER) header += (header.empty() ? "" : ",") + std::string(name);
  std::printf("%s\n", header.c_str());
  for (const TableRow& row : rows) {
    const Cells c = cells(row, format_g_exact);
    std::string line = c[0];
    for (std::size_t i = 1; i < COLUMNS; ++i) line += "," + c[i];
    std::printf("%s\n", line.c_str());
  }
}

}  // namespace quelrin
