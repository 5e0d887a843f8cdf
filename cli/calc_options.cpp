// The options of quelrin-calc over CLI11. Operands may begin with a single
// dash (a temperature of -183,15, or a lone "-" that reads as 0), which CLI11
// would take for short options: such words, and every word after "--", are
// marked before parsing so that CLI11 sees operands, and the mark is taken
// off every value afterwards.
#include "cli/calc_options.hpp"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string_view>

#include "quelrin_version.h"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

const char* const USAGE = R"(Usage: quelrin-calc [OPTIONS] FLUID TEMPERATURE
       quelrin-calc [OPTIONS] --table FROM:TO:STEP FLUID
       quelrin-calc [OPTIONS] --tsat PRESSURE FLUID
       quelrin-calc [OPTIONS] --plot FILE FLUID [TEMPERATURE]
       quelrin-calc [OPTIONS] [--plot FILE] --isotherm TEMPERATURE FLUID

Computes the vapour pressure of FLUID at TEMPERATURE: a first estimate from
the fluid's correlation, refined by successive substitution until the
fugacity coefficients of the vapour and the liquid agree.

  --db FILE                 fluid database (default: dados.txt)
  --eos pr|srk|rk|vdw       equation of state: Peng-Robinson (default),
                            Soave-Redlich-Kwong, Redlich-Kwong, Van der Waals
  --pressure-unit bar|atm|kPa|psi|mmHg
  --temperature-unit K|R|C|F
  --log                     also print each iteration's fugacity coefficients
  --table FROM:TO:STEP      one row per temperature from FROM to TO: the
                            window's estimate, pressure and iterations beside
                            the exact saturation pressure, liquid and vapour
                            volumes (L/mol), enthalpy of vaporisation (kJ/mol)
                            and dP/dT, then the window's note
  --csv                     the table as comma-separated values
  --tsat PRESSURE           the saturation temperature at PRESSURE
  --plot FILE               log P against T for the four equations and the
                            fluid's correlation, with the window's converged
                            points (at most 100 of the table's rows), over
                            the table's range (or 0.4 Tc to Tc);
                            FILE ends in .svg, .png or .pdf
  --isotherm TEMPERATURE    the equation's isotherm at TEMPERATURE: rows of
                            volume (L/mol) and pressure, then Maxwell's
                            construction: the tie line (saturation_pressure,
                            liquid_volume, vapour_volume) and the areas it
                            cuts from the loop below and above it
                            (liquid_area, vapour_area, J/mol), which agree;
                            with --plot FILE, the program's picture of it
  --help                    show this text
  --version                 show the version

Units come from prefs.dat in the current directory when it exists; the
options win over it. FLUID is a whole name: written in the same letter case
it picks that fluid, otherwise the first that differs only in case. TEMPERATURE
is read as the program's temperature field reads it: a decimal point or
comma, no letters (so no exponent) and no blanks. Temperatures and pressures
of --table, --tsat, --plot and --isotherm are in the chosen units.

Output, one "key: value" line each: fluid, equation, estimate, pressure (a
number, or "Erro!" when the iteration failed), iterations, note; with --log,
one "log: " line per iteration. --tsat prints fluid, equation and
temperature. --table prints aligned columns (a units line under the names),
or with --csv the header
temperature,estimate,pressure,iterations,saturation_pressure,liquid_volume,
vapour_volume,vaporization_enthalpy,dp_dt,note (on one line) and
full-precision numbers, a cell left empty where its value does not exist.
--isotherm prints two tables the same way, a blank line between them: the
rows (header volume,pressure) and the construction, which above the
equation's critical temperature is a line saying there is none.
The note is the window's, saying that the iteration stopped without
converging; empty otherwise. Rows are printed as they are computed, but for
an aligned table of at most 1000 rows, whose columns wait to fit them all
(longer ones take the width of any number). The exact columns
come from the equation's own saturation state, which exists below the
equation's critical temperature (computed for the fluid: the program's
constants put it a little off the fluid's Tc).

Exit status: 0 when a pressure was computed; 1 when the temperature was
refused or the iteration failed (the message on standard error); 2 for a
usage error, an unknown fluid, or a missing or malformed database. --table
exits 0 once its rows are printed, --tsat 1 when the pressure has no
saturation temperature, --plot 1 when the file could not be drawn. Output
that could not be written ends with "quelrin-calc: cannot write standard
output" or "quelrin-calc: cannot write 'FILE'" and exit status 1.
)";

// A character no command-line word starts with.
constexpr char DASH_MARK = '\x01';

std::string unmarked(std::string word) {
  if (!word.empty() && word[0] == DASH_MARK) word.erase(0, 1);
  return word;
}

int index_of(std::string_view word, std::initializer_list<std::string_view> words) {
  int i = 0;
  for (std::string_view w : words) {
    if (w == word) return i;
    ++i;
  }
  return -1;
}

// A number as the temperature field takes it: a decimal comma reads as a point.
std::optional<double> read_number(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return read_whole_number(text);
}

std::optional<TemperatureRange> read_range(const std::string& text) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
  if (second == std::string::npos) return std::nullopt;
  const auto from = read_number(text.substr(0, first));
  const auto to = read_number(text.substr(first + 1, second - first - 1));
  const auto step = read_number(text.substr(second + 1));
  if (!from || !to || !step || !(*step > 0.0) || !(*to >= *from) || !std::isfinite(*step))
    return std::nullopt;
  const double rows = std::floor((*to - *from) / *step * (1.0 + 1e-12)) + 1.0;
  if (!(rows <= MAX_TABLE_ROWS)) return std::nullopt;
  // A step finer than the spacing of doubles at the range's far end would
  // repeat temperatures instead of going on to TO.
  const double far = std::max(std::fabs(*from), std::fabs(*to));
  if (rows > 1.0 && *step < std::nextafter(far, INFINITY) - far) return std::nullopt;
  return TemperatureRange{*from, *to, *step, static_cast<int>(rows)};
}

}  // namespace

int usage_error(const std::string& reason) {
  std::fprintf(stderr, "quelrin-calc: %s\n", reason.c_str());
  return EXIT_USAGE;
}

int parse_calc_options(int argc, char** argv, CalcOptions& options) {
  // After "--" every word is an operand: all are marked and "--" goes.
  std::vector<std::string> words;
  bool operands_only = false;
  for (int i = 1; i < argc; ++i) {
    std::string word = argv[i];
    if (!operands_only && word == "--") {
      operands_only = true;
      continue;
    }
    if (operands_only || (word.starts_with("-") && !word.starts_with("--")))
      word.insert(word.begin(), DASH_MARK);
    words.push_back(std::move(word));
  }
  std::reverse(words.begin(), words.end());  // CLI11 takes them last first

  CLI::App app("quelrin-calc");
  app.set_help_flag();
  app.allow_extras();
  bool help = false;
  bool version = false;
  std::string equation, pressure_unit, temperature_unit, table, tsat, plot, isotherm;
  app.add_flag("--help", help);
  app.add_flag("--version", version);
  app.add_option("--db", options.database);
  app.add_option("--eos", equation);
  app.add_option("--pressure-unit", pressure_unit);
  app.add_option("--temperature-unit", temperature_unit);
  app.add_flag("--log", options.log);
  app.add_option("--table", table);
  app.add_flag("--csv", options.csv);
  app.add_option("--tsat", tsat);
  app.add_option("--plot", plot);
  app.add_option("--isotherm", isotherm);
  app.add_option("operands", options.operands);
  try {
    app.parse(words);
  } catch (const CLI::ArgumentMismatch&) {
    // An option that takes a value came last, or straight before another option.
    for (int i = 1; i < argc; ++i) {
      const std::string_view word = argv[i];
      if (app.get_option_no_throw(std::string(word)) &&
          app.get_option(std::string(word))->get_type_size() > 0 &&
          (i + 1 == argc || std::string_view(argv[i + 1]).starts_with("--"))) {
        return usage_error(std::string(word) + " needs a value");
      }
    }
    return usage_error("an option needs a value (see --help)");
  } catch (const CLI::ParseError& error) {
    return usage_error(error.what());
  }
  if (help) {
    std::fputs(USAGE, stdout);
    return EXIT_COMPUTED;
  }
  if (version) {
    std::printf("quelrin-calc %s\n", QUELRIN_VERSION_TEXT);
    return EXIT_COMPUTED;
  }
  if (!app.remaining().empty()) {
    return usage_error("unknown option '" + unmarked(app.remaining().front()) + "' (see --help)");
  }
  options.database = unmarked(options.database);
  for (std::string& operand : options.operands) operand = unmarked(operand);

  int index = 0;
  if (app.count("--eos")) {
    if ((index = index_of(equation, {"pr", "srk", "rk", "vdw"})) < 0) {
      return usage_error("unknown equation of state '" + unmarked(equation) + "'");
    }
    options.equation = index;
  }
  if (app.count("--pressure-unit")) {
    if ((index = index_of(pressure_unit, {"bar", "atm", "kPa", "psi", "mmHg"})) < 0) {
      return usage_error("unknown pressure unit '" + unmarked(pressure_unit) + "'");
    }
    options.pressure_unit = index;
  }
  if (app.count("--temperature-unit")) {
    if ((index = index_of(temperature_unit, {"K", "R", "C", "F"})) < 0) {
      return usage_error("unknown temperature unit '" + unmarked(temperature_unit) + "'");
    }
    options.temperature_unit = index;
  }
  if (app.count("--table")) {
    options.table = read_range(unmarked(table));
    if (!options.table) {
      return usage_error(
          "--table needs FROM:TO:STEP with TO not below FROM, a positive STEP and at most " +
          std::to_string(MAX_TABLE_ROWS) + " rows");
    }
  }
  if (app.count("--tsat")) options.tsat = unmarked(tsat);
  if (app.count("--plot")) {
    options.plot = unmarked(plot);
    const std::string& file = *options.plot;
    const std::size_t dot = file.rfind('.');
    if (dot == std::string::npos || index_of(file.substr(dot), {".svg", ".png", ".pdf"}) < 0) {
      return usage_error("--plot needs a file name ending in .svg, .png or .pdf");
    }
  }

  if (app.count("--isotherm")) options.isotherm = unmarked(isotherm);

  if (options.csv && !options.table && !options.isotherm)
    return usage_error("--csv goes with --table or --isotherm");
  if ((options.table ? 1 : 0) + (options.tsat ? 1 : 0) + (options.isotherm ? 1 : 0) > 1)
    return usage_error("--table, --tsat and --isotherm do not go together");
  const std::size_t operands = options.operands.size();
  if (options.table || options.tsat || options.isotherm) {
    if (operands != 1) return usage_error("expected FLUID (see --help)");
  } else if (options.plot) {
    if (operands != 1 && operands != 2)
      return usage_error("expected FLUID [TEMPERATURE] (see --help)");
  } else if (operands != 2) {
    return usage_error("expected FLUID and TEMPERATURE (see --help)");
  }
  return -1;
}

}  // namespace quelrin
