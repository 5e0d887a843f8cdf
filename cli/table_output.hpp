// The saturation table on standard output: aligned columns or CSV.
#pragma once

#include <vector>

#include "calc/saturation_table.hpp"
#include "units/units.hpp"

namespace quelrin {

void print_aligned_table(const std::vector<TableRow>& rows, const UnitPrefs& units);
void print_csv_table(const std::vector<TableRow>& rows);

}  // namespace quelrin
