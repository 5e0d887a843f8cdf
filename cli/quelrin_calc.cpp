// quelrin-calc: the vapour-pressure calculation from the command line, over
// the same logic and database as the program's main window.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculation_request.hpp"
#include "text/cp1252.hpp"
#include "calc/recorded_report.hpp"
#include "fluids/fluid_database.hpp"
#include "fluids/fluid_names.hpp"
#include "units/prefs_file.hpp"

namespace quelrin {
namespace {

constexpr int EXIT_COMPUTED = 0;
constexpr int EXIT_REFUSED = 1;
constexpr int EXIT_USAGE = 2;

const char* const USAGE = R"(Usage: quelrin-calc [OPTIONS] FLUID TEMPERATURE

Computes the vapour pressure of FLUID at TEMPERATURE: a first estimate from
the fluid's correlation, refined by successive substitution until the
fugacity coefficients of the vapour and the liquid agree.

  --db FILE                 fluid database (default: dados.txt)
  --eos pr|srk|rk|vdw       equation of state: Peng-Robinson (default),
                            Soave-Redlich-Kwong, Redlich-Kwong, Van der Waals
  --pressure-unit bar|atm|kPa|psi|mmHg
  --temperature-unit K|R|C|F
  --log                     also print each iteration's fugacity coefficients
  --help                    show this text

Units come from prefs.dat in the current directory when it exists; the
options win over it. FLUID is a whole name: written in the same letter case
it picks that fluid, otherwise the first that differs only in case. TEMPERATURE
is read as the program's temperature field reads it: a decimal point or
comma, no letters (so no exponent) and no blanks.

Output, one "key: value" line each: fluid, equation, estimate, pressure (a
number, or "Erro!" when the iteration failed), iterations, note; with --log,
one "log: " line per iteration.

Exit status: 0 when a pressure was computed; 1 when the temperature was
refused or the iteration failed (the message on standard error); 2 for a
usage error, an unknown fluid, or a missing or malformed database.
)";

struct Options {
  std::string database = "dados.txt";
  int equation = 0;
  std::optional<int> pressure_unit;
  std::optional<int> temperature_unit;
  bool log = false;
  std::vector<std::string> operands;
};

int index_of(std::string_view word, std::initializer_list<std::string_view> words) {
  int i = 0;
  for (std::string_view w : words) {
    if (w == word) return i;
    ++i;
  }
  return -1;
}

int fail(const std::string& reason) {
  std::fprintf(stderr, "quelrin-calc: %s\n", reason.c_str());
  return EXIT_USAGE;
}

// Returns an exit status when the run should end here, -1 to go on.
int parse_options(int argc, char** argv, Options& options) {
  bool operands_only = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (operands_only || arg.size() < 2 || arg.substr(0, 2) != "--") {
      options.operands.emplace_back(arg);
      continue;
    }
    if (arg == "--") {
      operands_only = true;
    } else if (arg == "--help") {
      std::fputs(USAGE, stdout);
      return EXIT_COMPUTED;
    } else if (arg == "--log") {
      options.log = true;
    } else if (arg == "--db" || arg == "--eos" || arg == "--pressure-unit" ||
               arg == "--temperature-unit") {
      if (i + 1 == argc) return fail(std::string(arg) + " needs a value");
      const std::string_view value = argv[++i];
      int index = 0;
      if (arg == "--db") {
        options.database = value;
      } else if (arg == "--eos") {
        if ((index = index_of(value, {"pr", "srk", "rk", "vdw"})) < 0) {
          return fail("unknown equation of state '" + std::string(value) + "'");
        }
        options.equation = index;
      } else if (arg == "--pressure-unit") {
        if ((index = index_of(value, {"bar", "atm", "kPa", "psi", "mmHg"})) < 0) {
          return fail("unknown pressure unit '" + std::string(value) + "'");
        }
        options.pressure_unit = index;
      } else {
        if ((index = index_of(value, {"K", "R", "C", "F"})) < 0) {
          return fail("unknown temperature unit '" + std::string(value) + "'");
        }
        options.temperature_unit = index;
      }
    } else {
      return fail("unknown option '" + std::string(arg) + "' (see --help)");
    }
  }
  if (options.operands.size() != 2) return fail("expected FLUID and TEMPERATURE (see --help)");
  return -1;
}

void print_field(const char* key, std::string_view cp1252_value) {
  const std::string value = cp1252_to_utf8(cp1252_value);
  std::printf("%s:%s%s\n", key, value.empty() ? "" : " ", value.c_str());
}

int run(int argc, char** argv) {
  Options options;
  if (const int status = parse_options(argc, argv, options); status >= 0) return status;

  std::FILE* file = std::fopen(options.database.c_str(), "rb");
  if (!file) return fail("cannot open the fluid database '" + options.database + "'");
  FluidTable fluids;
  std::string reason;
  const bool parsed = parse_fluid_database(file, fluids, reason);
  std::fclose(file);
  if (!parsed) {
    return fail("malformed fluid database '" + options.database + "': " + cp1252_to_utf8(reason));
  }

  const std::string wanted = utf8_to_cp1252(options.operands[0]);
  const int fluid_index = find_fluid(fluids, wanted);
  if (fluid_index < 0) return fail("unknown fluid '" + options.operands[0] + "'");

  UnitPrefs units;
  read_prefs_file(PREFS_FILE, units);
  if (options.pressure_unit) units.pressure_unit = *options.pressure_unit;
  if (options.temperature_unit) units.temperature_unit = *options.temperature_unit;

  RecordedReport report;
  const CalcResult result =
      run_calculation_request(fluids, fluid_index, options.equation,
                              utf8_to_cp1252(options.operands[1]), units, report);
  for (const Message& message : report.messages) {
    std::fprintf(stderr, "%s\n", cp1252_to_utf8(message.text).c_str());
  }
  if (result.stopped()) {
    std::fprintf(stderr, "%s\n", cp1252_to_utf8(result.message->text).c_str());
    return EXIT_REFUSED;
  }

  print_field("fluid", fluids[static_cast<std::size_t>(fluid_index)].name);
  print_field("equation", EQUATION_NAMES[options.equation]);
  print_field("estimate", result.estimate_text);
  print_field("pressure", result.result_text);
  print_field("iterations", std::to_string(report.log.size()));
  print_field("note", report.note);
  if (options.log) {
    for (const std::string& line : report.log) print_field("log", line);
  }
  return result.result_text == FAILED_RESULT_TEXT ? EXIT_REFUSED : EXIT_COMPUTED;
}

}  // namespace
}  // namespace quelrin

int main(int argc, char** argv) { return quelrin::run(argc, argv); }
