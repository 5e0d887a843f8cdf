// The saturation table on standard output, a row at a time as it is
// computed: aligned columns or CSV.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "calc/saturation_table.hpp"
#include "units/units.hpp"

namespace quelrin {

class TableWriter {
 public:
  // `rows` is how many rows will come.
  TableWriter(bool csv, const UnitPrefs& units, int rows);

  // False when standard output refused a write.
  bool write(const TableRow& row);
  // Prints what is still held (a short aligned table waits for its widths).
  bool finish();

  static constexpr std::size_t COLUMNS = 10;  // the last, the note, is text
  using Cells = std::array<std::string, COLUMNS>;

 private:
  void widen(const Cells& line);
  bool print(const Cells& line) const;

  bool csv_;
  bool held_;  // aligned and short: laid out once every row is in
  std::array<std::size_t, COLUMNS> widths_{};
  std::vector<Cells> lines_;  // not printed yet: the header lines, and the rows while held
};

}  // namespace quelrin
