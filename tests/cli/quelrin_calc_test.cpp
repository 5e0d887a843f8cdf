// quelrin-calc run as a separate program in its own working directory.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/calc_program.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

using testing::HasSubstr;
using testing::StartsWith;

constexpr int COMPUTED = 0;
constexpr int REFUSED = 1;
constexpr int USAGE = 2;

using test::CliRun;
using test::utf8;

class QuelrinCalc : public testing::Test, protected test::CalcProgram {};

TEST_F(QuelrinCalc, PrintsTheKeyLinesOfACalculation) {
  const CliRun result = run("'" + utf8(cp1252<"Nitrogênio">) + "' 90");
  EXPECT_EQ(result.status, COMPUTED) << result.err;
  EXPECT_EQ(result.out, utf8(cp1252<"fluid: Nitrogênio\n"
                                    "equation: Peng-Robinson\n"
                                    "estimate: Valor por Wagner: 3.60713 bar.\n"
                                    "pressure: 3.61916\n"
                                    "iterations: 6\n"
                                    "note:\n">));
  EXPECT_EQ(result.err, "");
}

TEST_F(QuelrinCalc, LogOptionAddsOneLineAnIteration) {
  const CliRun result = run("--log --eos vdw '" + utf8(cp1252<"Nitrogênio">) + "' 90");
  EXPECT_EQ(result.status, COMPUTED) << result.err;
  EXPECT_THAT(result.out, HasSubstr("equation: Van der Waals\n"));
  int log_lines = 0;
  std::size_t start = 0;
  for (std::size_t end; (end = result.out.find('\n', start)) != std::string::npos;
       start = end + 1) {
    const std::string line = result.out.substr(start, end - start);
    if (line.starts_with("log: ")) {
      ++log_lines;
      EXPECT_THAT(line,
                  testing::MatchesRegex("log: f\\(v\\) = [0-9.e+-]+;    f\\(l\\) = [0-9.e+-]+"));
    }
  }
  EXPECT_THAT(result.out, HasSubstr("iterations: 12\nnote:\nlog: "));
  EXPECT_EQ(log_lines, 12);
}

TEST_F(QuelrinCalc, FluidNameIgnoresLetterCaseAccentsIncluded) {
  const CliRun result = run("'" + utf8(cp1252<"ÁGUA">) + "' 373.15");
  EXPECT_EQ(result.status, COMPUTED) << result.err;
  EXPECT_THAT(result.out, StartsWith(utf8(cp1252<"fluid: Água\n">)));
}

TEST_F(QuelrinCalc, NameInTheSameLetterCaseWinsOverAnEarlierCaseInsensitiveMatch) {
  test::write_file(dir.file("dados.txt"),
                   "2\nagua Antoine 4 1000 0 0 10 600 0.1\nAGUA Antoine 4 1000 0 0 10 600 0.1\n");
  EXPECT_THAT(run("AGUA 300").out, StartsWith("fluid: AGUA\n"));
  EXPECT_THAT(run("agua 300").out, StartsWith("fluid: agua\n"));
  EXPECT_THAT(run("Agua 300").out, StartsWith("fluid: agua\n"));
}

TEST_F(QuelrinCalc, PrefsFileSetsTheUnitsAndOptionsWin) {
  test::write_file(dir.file("prefs.dat"), "2 2");  // kPa, °C
  const std::string nitrogen = "'" + utf8(cp1252<"Nitrogênio">) + "' ";
  EXPECT_THAT(run(nitrogen + "-183,15").out,
              HasSubstr("estimate: Valor por Wagner: 360.713 kPa.\n"));
  EXPECT_THAT(run("--pressure-unit bar " + nitrogen + "-183,15").out,
              HasSubstr("estimate: Valor por Wagner: 3.60713 bar.\n"));
  EXPECT_THAT(run("--temperature-unit K " + nitrogen + "90").out,
              HasSubstr("estimate: Valor por Wagner: 360.713 kPa.\n"));
}

TEST_F(QuelrinCalc, RefusedTemperatureExitsOneWithTheMessage) {
  const CliRun result = run("'" + utf8(cp1252<"Nitrogênio">) + "' 200");
  EXPECT_EQ(result.status, REFUSED);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, utf8(cp1252<"T maior que Tc de Nitrogênio ( Tc = 126.2K )\n">));
  EXPECT_EQ(run("'" + utf8(cp1252<"Nitrogênio">) + "' 9e1").status, REFUSED);
}

TEST_F(QuelrinCalc, FailedIterationPrintsErroAndExitsOne) {
  test::write_file(dir.file("alta.txt"), "1\nAlta Antoine 2 0 0 0 33.98 126.2 0.037\n");
  const CliRun result = run("--db alta.txt alta 90");
  EXPECT_EQ(result.status, REFUSED);
  EXPECT_THAT(result.out, HasSubstr("pressure: Erro!\n"));
  EXPECT_THAT(result.err, HasSubstr(utf8(cp1252<"Provável causa: raízes complexas.">)));
}

// Output that a full disk refuses is a failure, said once, whatever was
// being written; a table stops at the first refused row.
TEST_F(QuelrinCalc, FullDiskIsAFailure) {
  const std::string nitrogen = "'" + utf8(cp1252<"Nitrogênio">) + "' ";
  for (const std::string& arguments :
       {nitrogen + "90", "--log " + nitrogen + "90", "--table 80:90:5 " + nitrogen,
        "--csv --table 60:120:0.0001 " + nitrogen, std::string("--help")}) {
    const CliRun full = run(arguments + " >/dev/full");
    EXPECT_EQ(full.status, REFUSED) << arguments;
    EXPECT_EQ(full.err, "quelrin-calc: cannot write standard output\n") << arguments;
  }
  // Nothing to write: a closed standard output is no failure.
  EXPECT_EQ(run(nitrogen + "200 >&-").err,
            utf8(cp1252<"T maior que Tc de Nitrogênio ( Tc = 126.2K )\n">));
}

TEST_F(QuelrinCalc, HelpExitsZero) {
  const CliRun result = run("--help");
  EXPECT_EQ(result.status, COMPUTED);
  EXPECT_THAT(result.out, StartsWith("Usage: quelrin-calc"));
}

TEST_F(QuelrinCalc, UsageErrorsAndBadDatabasesExitTwo) {
  const std::string nitrogen = "'" + utf8(cp1252<"Nitrogênio">) + "' 90";
  EXPECT_EQ(run("Xenon 90").status, USAGE);
  EXPECT_EQ(run("--verbose " + nitrogen).status, USAGE);
  EXPECT_EQ(run("--eos pengrobinson " + nitrogen).status, USAGE);
  EXPECT_EQ(run("--pressure-unit").status, USAGE);
  EXPECT_EQ(run("'" + utf8(cp1252<"Nitrogênio">) + "'").status, USAGE);
  EXPECT_EQ(run("--db missing.txt " + nitrogen).status, USAGE);

  test::write_file(dir.file("bad.txt"), "1\nX Antoine 1 2 3 0 5 seis 0.1\n");
  const CliRun bad = run("--db bad.txt X 90");
  EXPECT_EQ(bad.status, USAGE);
  EXPECT_THAT(bad.err, HasSubstr(utf8(cp1252<"registro 1, campo Tc: não é um número">)));
}

}  // namespace
}  // namespace quelrin
