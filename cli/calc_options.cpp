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
#include <functional>
#include <map>
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

const std::map<std::string, EquationOfState> EQUATION_WORDS = {
    {"pr", EquationOfState::peng_robinson},
    {"srk", EquationOfState::soave_redlich_kwong},
    {"rk", EquationOfState::redlich_kwong},
    {"vdw", EquationOfState::van_der_waals}};
const std::map<std::string, PressureUnit> PRESSURE_WORDS = {{"bar", PressureUnit::bar},
                                                            {"atm", PressureUnit::atm},
                                                            {"kPa", PressureUnit::kpa},
                                                            {"psi", PressureUnit::psi},
                                                            {"mmHg", PressureUnit::mmhg}};
const std::map<std::string, TemperatureUnit> TEMPERATURE_WORDS = {
    {"K", TemperatureUnit::kelvin},
    {"R", TemperatureUnit::rankine},
    {"C", TemperatureUnit::celsius},
    {"F", TemperatureUnit::fahrenheit}};

// CLI11's check of an option's word, its refusal put in quelrin-calc's words
// into `refusal` (the first one only: CLI11 stops at it).
CLI::Validator told_as(const CLI::Validator& check, std::string& refusal,
                       std::function<std::string(const std::string& word)> message) {
  return CLI::Validator(
      [check, &refusal, message = std::move(message)](std::string& word) {
        const std::string typed = unmarked(word);
        std::string fault = check(word);
        if (!fault.empty()) refusal = message(typed);
        return fault;
      },
      check.get_description());
}

// A word of a known set, turned into its value by CLI11.
template <class Value>
void add_choice(CLI::App& app, const std::string& name, Value& value,
                const std::map<std::string, Value>& words, std::string& refusal,
                const std::string& what) {
  // Not CheckedTransformer: that also takes the values' numbers as words.
  app.add_option(name, value)
      ->transform(told_as(
          CLI::IsMember(words) & CLI::Transformer(words), refusal,
          [what](const std::string& word) { return "unknown " + what + " '" + word + "'"; }));
}

// A check CLI11 runs with the program's own test of the word.
CLI::Validator passing(std::function<bool(const std::string& word)> test) {
  return CLI::Validator(
      [test = std::move(test)](std::string& word) {
        return test(unmarked(word)) ? std::string() : std::string("refused");
      },
      "");
}

bool plot_file_name(const std::string& file) {
  const std::size_t dot = file.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string_view extension = std::string_view(file).substr(dot);
  return extension == ".svg" || extension == ".png" || extension == ".pdf";
}

// A number as the temperature field takes it: a decimal comma reads as a point.
std::optional<double> read_number(std::string text) {
  decimal_comma_to_point(text);
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

// CLI11 found a value missing, or too many: an option that takes a value
// came last, or straight before another option, or was given twice.
int missing_value_error(const CLI::App& app, int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (app.get_option_no_throw(std::string(word)) &&
        app.get_option_no_throw(std::string(word))->get_type_size() > 0 &&
        (i + 1 == argc || std::string_view(argv[i + 1]).starts_with("--"))) {
      return usage_error(std::string(word) + " needs a value");
    }
  }
  return usage_error("an option needs a value (see --help)");
}

// The words for CLI11, last first (it takes them so). After "--" every word
// is an operand: all are marked and "--" goes.
std::vector<std::string> marked_words(int argc, char** argv) {
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
  std::reverse(words.begin(), words.end());
  return words;
}

// What CLI11 reads beside CalcOptions' own fields.
struct ParsedWords {
  bool help = false;
  bool version = false;
  PressureUnit pressure_unit = PressureUnit::bar;
  TemperatureUnit temperature_unit = TemperatureUnit::kelvin;
  std::string tsat, plot, isotherm, table;
  // The usage error of the word CLI11 refused, in quelrin-calc's words.
  std::string refusal;
};

// Every option with its check; --table, --tsat and --isotherm exclude each other.
void declare_options(CLI::App& app, CalcOptions& options, ParsedWords& parsed) {
  app.set_help_flag();
  app.allow_extras();
  std::string& refusal = parsed.refusal;
  app.add_flag("--help", parsed.help);
  app.add_flag("--version", parsed.version);
  app.add_option("--db", options.database);
  add_choice(app, "--eos", options.equation, EQUATION_WORDS, refusal, "equation of state");
  add_choice(app, "--pressure-unit", parsed.pressure_unit, PRESSURE_WORDS, refusal,
             "pressure unit");
  add_choice(app, "--temperature-unit", parsed.temperature_unit, TEMPERATURE_WORDS, refusal,
             "temperature unit");
  app.add_flag("--log", options.log);
  CLI::Option* table = app.add_option("--table", parsed.table)
                           ->check(told_as(passing([&options](const std::string& text) {
                                             options.table = read_range(text);
                                             return options.table.has_value();
                                           }),
                                           refusal, [](const std::string&) {
                                             return "--table needs FROM:TO:STEP with TO not below "
                                                    "FROM, a positive STEP and at most " +
                                                    std::to_string(MAX_TABLE_ROWS) + " rows";
                                           }));
  app.add_flag("--csv", options.csv);
  CLI::Option* tsat = app.add_option("--tsat", parsed.tsat);
  app.add_option("--plot", parsed.plot)
      ->check(told_as(passing(plot_file_name), refusal, [](const std::string&) {
        return "--plot needs a file name ending in .svg, .png or .pdf";
      }));
  CLI::Option* isotherm = app.add_option("--isotherm", parsed.isotherm);
  table->excludes(tsat)->excludes(isotherm);
  tsat->excludes(isotherm);
  app.add_option("operands", options.operands);
}

// The operands each kind of run takes, and --csv's company.
int check_operands(const CalcOptions& options) {
  if (options.csv && !options.table && !options.isotherm)
    return usage_error("--csv goes with --table or --isotherm");
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

}  // namespace

int usage_error(const std::string& reason) {
  std::fprintf(stderr, "quelrin-calc: %s\n", reason.c_str());
  return EXIT_USAGE;
}

int parse_calc_options(int argc, char** argv, CalcOptions& options) {
  CLI::App app("quelrin-calc");
  ParsedWords parsed;
  declare_options(app, options, parsed);
  try {
    app.parse(marked_words(argc, argv));
  } catch (const CLI::ArgumentMismatch&) {
    return missing_value_error(app, argc, argv);
  } catch (const CLI::ValidationError&) {
    // CLI11 checks each word before it counts them: an option given twice
    // is the mismatch it would have found.
    for (const CLI::Option* option : app.get_options()) {
      if (option->get_items_expected_max() == 1 && option->count() > 1) {
        return missing_value_error(app, argc, argv);
      }
    }
    // told_as has put the refusal in words; help, the version and an
    // unknown option still go first.
  } catch (const CLI::ExcludesError&) {
    parsed.refusal = "--table, --tsat and --isotherm do not go together";
  } catch (const CLI::ParseError& error) {
    return usage_error(error.what());
  }
  if (parsed.help) {
    std::fputs(USAGE, stdout);
    return EXIT_COMPUTED;
  }
  if (parsed.version) {
    std::printf("quelrin-calc %s\n", QUELRIN_VERSION_TEXT);
    return EXIT_COMPUTED;
  }
  if (!app.remaining().empty()) {
    return usage_error("unknown option '" + unmarked(app.remaining().front()) + "' (see --help)");
  }
  if (!parsed.refusal.empty()) return usage_error(parsed.refusal);

  options.database = unmarked(options.database);
  for (std::string& operand : options.operands) operand = unmarked(operand);
  if (app.count("--pressure-unit")) options.pressure_unit = parsed.pressure_unit;
  if (app.count("--temperature-unit")) options.temperature_unit = parsed.temperature_unit;
  if (app.count("--tsat")) options.tsat = unmarked(parsed.tsat);
  if (app.count("--plot")) options.plot = unmarked(parsed.plot);
  if (app.count("--isotherm")) options.isotherm = unmarked(parsed.isotherm);
  return check_operands(options);
}

}  // namespace quelrin
