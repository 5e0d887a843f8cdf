// quelrin-calc's --table, --csv, --tsat, --plot and --isotherm, run as a
// separate program.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/calc_program.hpp"
#include "text/cp1252_literal.hpp"
#include "text/number_text.hpp"

namespace quelrin {
namespace {

using test::CliRun;
using test::utf8;
using testing::HasSubstr;
using testing::StartsWith;

constexpr int COMPUTED = 0;
constexpr int REFUSED = 1;
constexpr int USAGE = 2;

const char* const CSV_HEADER =
    "temperature,estimate,pressure,iterations,saturation_pressure,liquid_volume,vapour_volume,"
    "vaporization_enthalpy,dp_dt,note";

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

// The lines of an output that ends in a newline.
std::vector<std::string> lines_of(const std::string& out) {
  return out.empty() ? std::vector<std::string>() : split(out.substr(0, out.size() - 1), '\n');
}

class SaturationOptions : public testing::Test, protected test::CalcProgram {
 protected:
  const std::string water = "'" + utf8(cp1252<"Água">) + "' ";
  const std::string nitrogen = "'" + utf8(cp1252<"Nitrogênio">) + "' ";

  // The value of a "key: value" line.
  static std::string field(const std::string& out, const std::string& key) {
    const std::size_t start = out.find(key + ": ");
    if (start == std::string::npos) return "";
    const std::size_t value = start + key.size() + 2;
    return out.substr(value, out.find('\n', value) - value);
  }
};

// Each CSV row holds what a single run at that temperature prints (Van der
// Waals, whose iteration fails near Tc: "Erro!"), and the exact columns;
// empty cells above the critical temperature. The window's note comes last.
TEST_F(SaturationOptions, CsvRowsHoldTheWindowsResultBesideTheExactState) {
  const CliRun table = run("--eos vdw --csv --table 96:136:10 " + nitrogen);
  ASSERT_EQ(table.status, COMPUTED) << table.err;
  const std::vector<std::string> lines = lines_of(table.out);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], CSV_HEADER);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::string> cells = split(lines[i], ',');
    ASSERT_EQ(cells.size(), 10u) << lines[i];
    const CliRun single = run("--eos vdw " + nitrogen + cells[0]);
    SCOPED_TRACE(lines[i]);
    if (cells[0] == "136") {  // above Tc: refused by the window, past the equation's Tc
      EXPECT_EQ(lines[i], "136,,,,,,,,,");
      continue;
    }
    EXPECT_EQ(format_g(*read_whole_number(cells[1])) + " bar.",
              field(single.out, "estimate").substr(18));
    const std::string window = field(single.out, "pressure");
    EXPECT_EQ(cells[2] == "Erro!" ? cells[2] : format_g(*read_whole_number(cells[2])), window);
    EXPECT_EQ(cells[3], field(single.out, "iterations"));
    const double exact = *read_whole_number(cells[4]);
    if (window != "Erro!") {
      EXPECT_NEAR(exact / *read_whole_number(window), 1.0, 1e-5);
    }
    EXPECT_LT(*read_whole_number(cells[5]), *read_whole_number(cells[6]));
    EXPECT_GT(*read_whole_number(cells[7]), 0.0);
    EXPECT_GT(*read_whole_number(cells[8]), 0.0);
    EXPECT_EQ(cells[9], field(single.out, "note"));
  }
  EXPECT_THAT(table.out, HasSubstr(",Erro!,"));  // 126 K is too close to Tc for the window
}

// A pressure the window left unconverged after 101 iterations says so, in
// the table as in the window.
TEST_F(SaturationOptions, UnconvergedRowsCarryTheWindowsNote) {
  const std::string ethane = "--eos pr --table 79.4070809478102:79.4070809478102:1 Etano";
  const std::string note = utf8(cp1252<"Obs.: Sem convergência.">);
  EXPECT_EQ(field(run("--eos pr Etano 79.4070809478102").out, "note"), note);
  const std::vector<std::string> csv = lines_of(run("--csv " + ethane).out);
  ASSERT_EQ(csv.size(), 2u);
  const std::vector<std::string> cells = split(csv[1], ',');
  ASSERT_EQ(cells.size(), 10u);
  EXPECT_EQ(cells[3], "101");
  EXPECT_EQ(cells[9], note);
  const std::vector<std::string> aligned = lines_of(run(ethane).out);
  ASSERT_EQ(aligned.size(), 3u);
  EXPECT_THAT(aligned[0], testing::EndsWith("  dp_dt  note"));
  EXPECT_THAT(aligned[2], testing::EndsWith("  " + note));
}

TEST_F(SaturationOptions, AlignedTableNamesAndUnitsItsColumns) {
  const CliRun table = run("--table 0:20:10 --temperature-unit C --pressure-unit kPa " + water);
  ASSERT_EQ(table.status, COMPUTED) << table.err;
  const std::vector<std::string> lines = lines_of(table.out);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_THAT(lines[0], testing::MatchesRegex(
                            " *temperature +estimate +pressure +iterations +saturation_pressure "
                            "+liquid_volume +vapour_volume +vaporization_enthalpy +dp_dt  note"));
  EXPECT_THAT(lines[1], testing::MatchesRegex(
                            utf8(cp1252<" *°C +kPa +kPa +kPa +L/mol +L/mol +kJ/mol +kPa/°C">)));
  // The note stands unpadded after the numbers; "°" takes two bytes.
  const std::size_t width = lines[0].size() - std::string("  note").size();
  for (std::size_t i = 1; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].size(), width + (i == 1 ? 2 : 0));
  EXPECT_THAT(lines[2], StartsWith("          0 "));

  // A table too long to hold is printed as it comes, in columns as wide as
  // any number: still aligned, far past the critical point's empty cells.
  const std::vector<std::string> long_lines = lines_of(run("--table 300:1300:0.5 " + water).out);
  ASSERT_EQ(long_lines.size(), 2003u);
  const std::size_t long_width = long_lines[0].size() - std::string("  note").size();
  for (std::size_t i = 1; i < long_lines.size(); ++i) {
    const std::size_t note = long_lines[i].find("  Obs.");
    ASSERT_EQ(note == std::string::npos ? long_lines[i].size() : note, long_width) << long_lines[i];
  }
  EXPECT_THAT(long_lines[2], StartsWith("          300 "));
}

// A table is printed as its rows come: a million rows run in an address
// space of 100 MB, where holding them took 150 MB of memory.
TEST_F(SaturationOptions, AMillionRowTableRunsInLittleMemory) {
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer reserves terabytes of address space";
#endif
  // Above the critical point each row is quickly done, and empty.
  const CliRun table = run("--csv --table 1000:1999.999:0.001 " + nitrogen, "ulimit -v 100000 &&");
  ASSERT_EQ(table.status, COMPUTED) << table.err;
  EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 1000001);
  EXPECT_THAT(table.out, testing::EndsWith("\n1999.999,,,,,,,,,\n"));
}

TEST_F(SaturationOptions, TsatInvertsTheTablesSaturationPressure) {
  const CliRun table = run("--csv --table 373.15:373.15:1 " + water);
  const std::string pressure = split(lines_of(table.out)[1], ',')[4];
  const CliRun tsat = run("--tsat " + pressure + " " + water);
  ASSERT_EQ(tsat.status, COMPUTED) << tsat.err;
  EXPECT_THAT(tsat.out,
              StartsWith(utf8(cp1252<"fluid: Água\nequation: Peng-Robinson\ntemperature: ">)));
  EXPECT_NEAR(*read_whole_number(field(tsat.out, "temperature")), 373.15, 1e-9);

  const CliRun celsius =
      run("--tsat 1,01325 --pressure-unit bar --temperature-unit C --eos srk " + water);
  EXPECT_EQ(celsius.status, COMPUTED);
  EXPECT_THAT(celsius.out, HasSubstr("equation: Soave-Redlich-Kwong\n"));

  const CliRun above = run("--tsat 1000 " + water);
  EXPECT_EQ(above.status, REFUSED);
  EXPECT_EQ(above.out, "");
  EXPECT_THAT(above.err, HasSubstr("critical pressure"));
  EXPECT_EQ(run("--tsat muito " + water).status, USAGE);
  EXPECT_EQ(run("--tsat nan " + water).status, USAGE);
  EXPECT_EQ(run("--tsat 0 " + water).status, REFUSED);
}

// Around 1e-250 bar every exact cell holds a positive number; colder, the
// cells are empty once the pressure is no longer a normal double (1e-308),
// never 0, inf or nan. --tsat answers as far down, and refuses below.
TEST_F(SaturationOptions, ExactColumnsFarBelowAnyTableHoldNumbersOrNothing) {
  const std::pair<std::string, bool> requests[] = {{"--eos rk --csv --table 4:4.6:0.05 ", false},
                                                   {"--eos pr --csv --table 1:1.5:0.02 ", true}};
  for (const auto& [request, some_empty] : requests) {
    const CliRun table = run(request + nitrogen);
    ASSERT_EQ(table.status, COMPUTED) << table.err;
    const std::vector<std::string> lines = lines_of(table.out);
    double last = 0.0;
    bool empty = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
      SCOPED_TRACE(lines[i]);
      const std::vector<std::string> cells = split(lines[i], ',');
      ASSERT_EQ(cells.size(), 10u);  // the exact columns are 4 to 8, the note last
      if (cells[4].empty()) {
        EXPECT_EQ(last, 0.0);  // no number below a number
        for (std::size_t c = 5; c < 9; ++c) EXPECT_EQ(cells[c], "");
        empty = true;
        continue;
      }
      for (std::size_t c = 4; c < 9; ++c) {
        const std::optional<double> value = read_whole_number(cells[c]);
        ASSERT_TRUE(value && std::isnormal(*value) && *value > 0.0) << cells[c];
      }
      EXPECT_GT(*read_whole_number(cells[4]), last);
      last = *read_whole_number(cells[4]);
    }
    EXPECT_GT(last, 0.0);
    EXPECT_EQ(empty, some_empty);
  }

  const CliRun tsat = run("--tsat 1e-170 " + nitrogen);
  ASSERT_EQ(tsat.status, COMPUTED) << tsat.err;
  const CliRun back = run("--csv --table " + field(tsat.out, "temperature") + ":" +
                          field(tsat.out, "temperature") + ":1 " + nitrogen);
  EXPECT_NEAR(*read_whole_number(split(lines_of(back.out)[1], ',')[4]) / 1e-170, 1.0, 1e-11);
  const CliRun too_low = run("--tsat 1e-310 " + nitrogen);
  EXPECT_EQ(too_low.status, REFUSED);
  EXPECT_EQ(too_low.out, "");
  EXPECT_THAT(too_low.err, HasSubstr("too low"));
}

// A hand-edited database: a negative Pc, an acentric factor of 1e75.
TEST_F(SaturationOptions, ConstantsOutsideTheEquationLeaveTheExactColumnsEmpty) {
  test::write_file(dir.file("odd.txt"),
                   "2\nNegativo Wagner -6.09676 1.1367 -1.04072 -1.93306 -33.9961 126.2 0.0372\n"
                   "Enorme Wagner -6.09676 1.1367 -1.04072 -1.93306 33.9961 126.2 1e75\n");
  for (const char* fluid : {"Negativo", "Enorme"}) {
    SCOPED_TRACE(fluid);
    const CliRun table = run(std::string("--db odd.txt --csv --table 40:120:20 ") + fluid);
    ASSERT_EQ(table.status, COMPUTED) << table.err;
    const std::vector<std::string> lines = lines_of(table.out);
    ASSERT_EQ(lines.size(), 6u);
    for (std::size_t i = 1; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].substr(lines[i].size() - 5), ",,,,,") << lines[i];
    }
    const CliRun tsat = run(std::string("--db odd.txt --tsat 1 ") + fluid);
    EXPECT_EQ(tsat.status, REFUSED);
    EXPECT_EQ(tsat.out, "");
    EXPECT_THAT(tsat.err, HasSubstr("no saturation temperature"));
  }
  EXPECT_THAT(run("--db odd.txt --tsat 1 Negativo").err, HasSubstr("constants"));
}

TEST_F(SaturationOptions, PlotWritesTheFormatItsNameAsksFor) {
  const std::pair<std::string, std::string> formats[] = {
      {"svg", "<?xml"}, {"png", "\x89PNG"}, {"pdf", "%PDF"}};
  for (const auto& [ext, magic] : formats) {
    const CliRun plot = run("--plot agua." + ext + " " + water);
    ASSERT_EQ(plot.status, COMPUTED) << plot.err;
    EXPECT_EQ(plot.out, "");
    EXPECT_THAT(test::read_file(dir.file("agua." + ext)), StartsWith(magic));
  }
  // With a temperature the usual lines come too; with a table, the table.
  EXPECT_THAT(run("--plot n.svg " + nitrogen + "90").out, HasSubstr("pressure: 3.61916\n"));
  EXPECT_THAT(run("--plot n.svg --csv --table 80:90:5 " + nitrogen).out, StartsWith(CSV_HEADER));

  EXPECT_EQ(run("--plot agua.txt " + water).status, USAGE);
  const CliRun unwritable = run("--plot missing/agua.svg " + water);
  EXPECT_EQ(unwritable.status, REFUSED);
  EXPECT_EQ(unwritable.err, "quelrin-calc: cannot write 'missing/agua.svg'\n");
  // A disk that takes no byte: no figure, and said so.
  std::filesystem::create_symlink("/dev/full", dir.file("cheio.svg"));
  const CliRun full = run("--plot cheio.svg " + water);
  EXPECT_EQ(full.status, REFUSED);
  EXPECT_EQ(full.err, "quelrin-calc: cannot write 'cheio.svg'\n");
}

// A plot marks a bounded number of its table's rows, a glyph each (the
// texts take some 200 more), where a 5,000-row table drew 20,000 of them.
TEST_F(SaturationOptions, PlotMarksABoundedNumberOfTheTablesRows) {
  ASSERT_EQ(run("--plot n.svg --table 70:120:0.01 " + nitrogen + ">/dev/null").status, COMPUTED);
  const std::string svg = test::read_file(dir.file("n.svg"));
  std::size_t glyphs = 0;
  for (std::size_t at = 0; (at = svg.find("<use xlink:href=\"#glyph", at)) != std::string::npos;
       ++at)
    ++glyphs;
  EXPECT_GT(glyphs, 400u);
  EXPECT_LT(glyphs, 2000u);
}

// Words that begin with one dash stay operands, as before the options grew.
TEST_F(SaturationOptions, OperandsMayBeginWithADash) {
  EXPECT_THAT(run("--temperature-unit C " + nitrogen + "-183,15").out,
              HasSubstr("pressure: 3.61916\n"));
  EXPECT_THAT(run("--temperature-unit C -- " + nitrogen + "-183,15").out,
              HasSubstr("pressure: 3.61916\n"));
  EXPECT_THAT(run("--temperature-unit C --csv --table -183.15:-183.15:1 " + nitrogen).out,
              HasSubstr("\n-183.15,3.6071257"));
  EXPECT_EQ(run("-- --log " + nitrogen).status, USAGE);  // "--log" is the fluid now
}

// The isotherm's rows, then the tie line of the exact solver (as --table
// gives it) and the two areas, which agree with each other and with an
// independent calculation (tests/diagram/maxwell_mpmath.py: 494.915883214
// J/mol). The temperature is refused as the window refuses it.
TEST_F(SaturationOptions, IsothermPrintsRowsThenMaxwellsConstruction) {
  const CliRun iso = run("--csv --isotherm 90 " + nitrogen);
  ASSERT_EQ(iso.status, COMPUTED) << iso.err;
  const std::vector<std::string> lines = lines_of(iso.out);
  ASSERT_GT(lines.size(), 200u);
  EXPECT_EQ(lines[0], "volume,pressure");
  EXPECT_EQ(split(lines[1], ',').size(), 2u);
  ASSERT_EQ(lines[lines.size() - 3], "");
  EXPECT_EQ(lines[lines.size() - 2],
            "saturation_pressure,liquid_volume,vapour_volume,liquid_area,vapour_area");
  const std::vector<std::string> tie = split(lines.back(), ',');
  ASSERT_EQ(tie.size(), 5u);
  const std::vector<std::string> row =
      split(lines_of(run("--csv --table 90:90:1 " + nitrogen).out)[1], ',');
  EXPECT_EQ(tie[0], row[4]);
  EXPECT_EQ(tie[1], row[5]);
  EXPECT_EQ(tie[2], row[6]);
  const double liquid_area = *read_whole_number(tie[3]);
  const double vapour_area = *read_whole_number(tie[4]);
  EXPECT_NEAR(liquid_area / vapour_area, 1.0, 1e-9);
  EXPECT_NEAR(liquid_area, 494.915883214, 1e-8);

  EXPECT_THAT(run("--isotherm 90 " + nitrogen).out,
              HasSubstr("\n                bar          L/mol"));
  EXPECT_THAT(run("--eos rk --isotherm 126.15 " + nitrogen).out,
              HasSubstr("\nno saturation state: the temperature is not below the equation's"));
  const CliRun refused = run("--isotherm 9x0 " + nitrogen);
  EXPECT_EQ(refused.status, REFUSED);
  EXPECT_EQ(
      refused.err,
      utf8(cp1252<"Verifique a entrada de caracteres inválidos no campo \"Temperatura\" !\n">));
  EXPECT_EQ(run("--isotherm 200 " + nitrogen).status, REFUSED);

  const CliRun plot = run("--plot agua.png --isotherm 373.15 " + water);
  ASSERT_EQ(plot.status, COMPUTED) << plot.err;
  EXPECT_EQ(plot.out, "");
  EXPECT_THAT(test::read_file(dir.file("agua.png")), StartsWith("\x89PNG"));
  EXPECT_EQ(run("--isotherm 90 --table 80:90:5 " + nitrogen).status, USAGE);
  EXPECT_EQ(run("--isotherm 90 " + nitrogen + "90").status, USAGE);
}

TEST_F(SaturationOptions, UsageErrorsOfTheNewOptions) {
  EXPECT_EQ(run("--table 10:0:1 " + water).status, USAGE);
  EXPECT_EQ(run("--table 0:10:0 " + water).status, USAGE);
  EXPECT_EQ(run("--table 0:10 " + water).status, USAGE);
  EXPECT_EQ(run("--table 0:1e7:1 " + water).status, USAGE);
  // Steps that never lead on to TO: infinite, or lost in the doubles' spacing.
  EXPECT_EQ(run("--table 300:300:inf " + water).status, USAGE);
  EXPECT_EQ(run("--table 300:300:1e309 " + water).status, USAGE);
  const CliRun lost = run("--table 1e20:100000000000000016384:1 " + water);
  EXPECT_EQ(lost.status, USAGE);
  EXPECT_EQ(lost.err,
            "quelrin-calc: --table needs FROM:TO:STEP with TO not below FROM, a "
            "positive STEP and at most 1000000 rows\n");
  EXPECT_EQ(run("--table 300:310:5 " + water + "300").status, USAGE);
  EXPECT_EQ(run("--csv " + water + "300").status, USAGE);
  EXPECT_EQ(run("--tsat 1 --table 300:310:5 " + water).status, USAGE);
  const CliRun missing = run(water + "300 --table");
  EXPECT_EQ(missing.status, USAGE);
  EXPECT_EQ(missing.err, "quelrin-calc: --table needs a value\n");
}

}  // namespace
}  // namespace quelrin
