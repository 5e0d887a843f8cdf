// quelrin-calc: the vapour-pressure calculation from the command line, over
// the same logic and database as the program's main window; with --table,
// --tsat and --plot, the exact saturation state beside it.
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

#include "calc/calculation_request.hpp"
#include "calc/recorded_report.hpp"
#include "calc/saturation.hpp"
#include "calc/saturation_table.hpp"
#include "cli/calc_options.hpp"
#include "cli/isotherm_output.hpp"
#include "cli/pressure_plot.hpp"
#include "cli/progress_bar.hpp"
#include "cli/table_output.hpp"
#include "fluids/fluid_database.hpp"
#include "fluids/fluid_names.hpp"
#include "text/cp1252.hpp"
#include "text/number_text.hpp"
#include "units/prefs_file.hpp"

namespace quelrin {
namespace {

// Tables at least this long show a progress bar on a terminal.
constexpr int PROGRESS_FROM_ROWS = 200;
// The window's points on a plot without a table.
constexpr int PLOT_WINDOW_POINTS = 24;
// At most so many of a table's rows are marked on its plot.
constexpr int PLOT_MARKED_ROWS = 100;

void print_field(const char* key, std::string_view cp1252_value) {
  const std::string value = cp1252_to_utf8(cp1252_value);
  std::printf("%s:%s%s\n", key, value.empty() ? "" : " ", value.c_str());
}

int run_single(const CalcOptions& options, const FluidTable& fluids, int fluid_index,
               const UnitPrefs& units) {
  RecordedReport report;
  const CalcResult result = run_calculation_request(
      fluids, fluid_index, options.equation, utf8_to_cp1252(options.operands[1]), units, report);
  for (const Message& message : report.messages) {
    std::fprintf(stderr, "%s\n", cp1252_to_utf8(message.text).c_str());
  }
  if (result.stopped()) {
    std::fprintf(stderr, "%s\n", cp1252_to_utf8(result.message->text).c_str());
    return EXIT_REFUSED;
  }

  print_field("fluid", fluids[static_cast<std::size_t>(fluid_index)].name);
  print_field("equation", equation_name(options.equation));
  print_field("estimate", result.estimate_text);
  print_field("pressure", result.result_text);
  print_field("iterations", std::to_string(report.log.size()));
  print_field("note", report.note);
  if (options.log) {
    for (const std::string& line : report.log) print_field("log", line);
  }
  return result.result_text == FAILED_RESULT_TEXT ? EXIT_REFUSED : EXIT_COMPUTED;
}

int run_tsat(const CalcOptions& options, const FluidRecord& fluid, const UnitPrefs& units) {
  std::string typed = *options.tsat;
  decimal_comma_to_point(typed);
  const std::optional<double> pressure = read_whole_number(typed);
  if (!pressure || !std::isfinite(*pressure))
    return usage_error("--tsat needs a pressure, not '" + *options.tsat + "'");
  double t_k = 0.0;
  const int status = saturation_temperature(
      options.equation, pressure_unit_to_bar(units.pressure_unit, *pressure), fluid, t_k);
  if (status != SATURATION_SOLVED) {
    std::fprintf(stderr, "%s\n",
                 status == SATURATION_ABOVE_CRITICAL
                     ? "no saturation temperature: the pressure is not below the equation's "
                       "critical pressure"
                 : status == SATURATION_INVALID_CONSTANTS
                     ? "no saturation temperature: the fluid's constants are outside what the "
                       "equation accepts"
                     : "no saturation temperature: the pressure is too low");
    return EXIT_REFUSED;
  }
  print_field("fluid", fluid.name);
  print_field("equation", equation_name(options.equation));
  print_field("temperature",
              format_g_exact(kelvin_to_temperature_unit(units.temperature_unit, t_k)));
  return EXIT_COMPUTED;
}

double row_temperature(const TemperatureRange& range, int row) {
  return range.from + row * range.step;
}

int run_table(const CalcOptions& options, const FluidTable& fluids, int fluid_index,
              const UnitPrefs& units) {
  const int rows = options.table->rows;
  TableWriter writer(options.csv, units, rows);
  ProgressBar progress(rows, PROGRESS_FROM_ROWS);
  for (int i = 0; i < rows; ++i) {
    const TableRow row = saturation_table_row(fluids, fluid_index, options.equation,
                                              row_temperature(*options.table, i), units);
    // Standard output's failure is told once, when it is closed.
    if (!writer.write(row)) return EXIT_REFUSED;
    progress.advance();
  }
  return writer.finish() ? EXIT_COMPUTED : EXIT_REFUSED;
}

int run_plot(const CalcOptions& options, const FluidTable& fluids, int fluid_index,
             const UnitPrefs& units) {
  PlotRequest request;
  request.fluids = &fluids;
  request.fluid_index = fluid_index;
  request.units = units;
  if (options.table) {
    request.from = options.table->from;
    request.to = options.table->to;
    // Rows evenly spread over the table, its first and last among them.
    const int rows = options.table->rows;
    const int marked = std::min(rows, PLOT_MARKED_ROWS);
    for (int i = 0; i < marked; ++i) {
      const int row =
          marked == 1
              ? 0
              : static_cast<int>(std::llround(static_cast<double>(i) * (rows - 1) / (marked - 1)));
      request.window_temperatures.push_back(row_temperature(*options.table, row));
    }
  } else {
    const double tc = fluids[static_cast<std::size_t>(fluid_index)].tc_k;
    request.from = kelvin_to_temperature_unit(units.temperature_unit, 0.4 * tc);
    request.to = kelvin_to_temperature_unit(units.temperature_unit, tc);
    for (int i = 0; i < PLOT_WINDOW_POINTS; ++i) {
      request.window_temperatures.push_back(request.from +
                                            (request.to - request.from) * i / PLOT_WINDOW_POINTS);
    }
  }
  std::string reason;
  if (!draw_pressure_plot(*options.plot, request, reason)) {
    std::fprintf(stderr, "quelrin-calc: %s\n", reason.c_str());
    return EXIT_REFUSED;
  }
  return EXIT_COMPUTED;
}

int run(int argc, char** argv) {
  CalcOptions options;
  if (const int status = parse_calc_options(argc, argv, options); status >= 0) return status;

  FluidTable fluids;
  std::string text;
  std::string reason;
  const DatabaseFile database = read_fluid_database_file(options.database, fluids, text, reason);
  if (database == DatabaseFile::not_opened) {
    return usage_error("cannot open the fluid database '" + options.database + "'");
  }
  if (database == DatabaseFile::malformed) {
    return usage_error("malformed fluid database '" + options.database +
                       "': " + cp1252_to_utf8(reason));
  }

  const int fluid_index = find_fluid(fluids, utf8_to_cp1252(options.operands[0]));
  if (fluid_index < 0) return usage_error("unknown fluid '" + options.operands[0] + "'");

  UnitPrefs units;
  read_prefs_file(PREFS_FILE, units);
  if (options.pressure_unit) units.pressure_unit = *options.pressure_unit;
  if (options.temperature_unit) units.temperature_unit = *options.temperature_unit;

  if (options.isotherm) {
    return run_isotherm(
        {options.equation, utf8_to_cp1252(*options.isotherm), options.csv, options.plot}, fluids,
        fluid_index, units);
  }
  int status = EXIT_COMPUTED;
  if (options.table) {
    status = run_table(options, fluids, fluid_index, units);
  } else if (options.tsat) {
    status = run_tsat(options, fluids[static_cast<std::size_t>(fluid_index)], units);
  } else if (options.operands.size() == 2) {
    status = run_single(options, fluids, fluid_index, units);
  }
  if (options.plot) {
    const int plotted = run_plot(options, fluids, fluid_index, units);
    if (status == EXIT_COMPUTED) status = plotted;
  }
  return status;
}

// Standard output flushed and closed, so that a write it refused is told
// (once) and turns success into failure. A standard output closed before
// the start is no failure where nothing was written to it.
int close_standard_output(int status) {
  const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
  const bool closed = std::fclose(stdout) == 0 || errno == EBADF;
  if (written && closed) return status;
  std::fprintf(stderr, "quelrin-calc: cannot write standard output\n");
  return status == EXIT_COMPUTED ? EXIT_REFUSED : status;
}

}  // namespace
}  // namespace quelrin

int main(int argc, char** argv) { return quelrin::close_standard_output(quelrin::run(argc, argv)); }
