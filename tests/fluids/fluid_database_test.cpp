// The dados.txt format: field order, token reading, malformed files refused
// whole, the writer's exact text, and whole-file replacement.
#include "fluids/fluid_database.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "tests/support/double_bits.hpp"
#include "tests/support/sample_fluids.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

constexpr const char* FIELDS_ONE_TO_SEVEN = "1\nX Antoine 1 2 3 4 5 6 7\n";

FluidTable parse(std::string_view text) {
  FluidTable table;
  std::string reason;
  EXPECT_TRUE(parse_fluid_database(text, table, reason)) << reason;
  return table;
}

TEST(FluidDatabase, FieldsKeepTheirPlacesBothWays) {
  const FluidTable table = parse(FIELDS_ONE_TO_SEVEN);
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0], test::make_fluid("X", "Antoine", {1, 2, 3, 4}, 6.0, 5.0, 7.0));
  EXPECT_EQ(format_fluid_database(table), FIELDS_ONE_TO_SEVEN);
}

TEST(FluidDatabase, ReadingIsByTokensWhateverTheLayout) {
  const std::string lines = cp1252<
      "2\nÁgua Wagner -7.76451 1.45838 -2.7758 -1.23303 221.223 647.35 0.344292\n"
      "R-22 Envelope 0 0 0 0 49.9 369.3 0.221\n">;
  const FluidTable expected = parse(lines);
  ASSERT_EQ(expected.size(), 2u);
  EXPECT_EQ(
      parse(cp1252<"2\r\nÁgua Wagner -7.76451 1.45838 -2.7758 -1.23303 221.223 647.35 0.344292\r\n"
                   "R-22 Envelope 0 0 0 0 49.9 369.3 0.221\r\n">),
      expected);
  EXPECT_EQ(parse(cp1252<"2 Água Wagner -7.76451 1.45838 -2.7758 -1.23303 221.223 647.35 0.344292 "
                         "R-22 Envelope 0 0 0 0 49.9 369.3 0.221">),
            expected);
  EXPECT_EQ(
      parse(cp1252<
            "  2\n\nÁgua\tWagner -7.76451\n1.45838 -2.7758 -1.23303 221.223 647.35 0.344292 R-22\n"
            "Envelope 0 0 0 0 49.9 369.3 0.221 and whatever follows\n">),
      expected);
}

TEST(FluidDatabase, CountZeroGivesAnEmptyTable) {
  FluidTable table = {test::nitrogen()};
  std::string reason;
  ASSERT_TRUE(parse_fluid_database("0\n", table, reason));
  EXPECT_TRUE(table.empty());
}

TEST(FluidDatabase, MalformedFileFailsWholeAndNamesRecordAndField) {
  const std::string name_64(64, 'n');
  const std::string kind_24(24, 'k');
  const std::pair<std::string, std::string> cases[] = {
      {"", "falta a contagem de registros"},
      {"dois\n", cp1252<"contagem de registros inválida">},
      {"-1\n", cp1252<"contagem de registros inválida">},
      {"99999999999999999999999\n", cp1252<"contagem de registros inválida">},
      {"3\nA Antoine 1 2 3 0 5 6 0.1\nB Antoine 1 2 3 0 5 6 0.1\nC Antoine 1 2 3 0 5 seis 0.1\n",
       cp1252<"registro 3, campo Tc: não é um número">},
      {"2\nA Antoine 1 2 3 0 5 6 0.1\n", "registro 2, campo nome: fim do arquivo"},
      {"1000000000\nA Antoine 1 2 3 0 5 6\n",
       cp1252<"registro 1, campo fator acêntrico: fim do arquivo">},
      {"1\n" + name_64 + " Antoine 1 2 3 0 5 6 0.1\n", "registro 1, campo nome: mais de 63 bytes"},
      {"1\nA " + kind_24 + " 1 2 3 0 5 6 0.1\n", "registro 1, campo tipo: mais de 23 bytes"},
      {"1\nA Antoine 1 2 3 0 5,5 6 0.1\n", cp1252<"registro 1, campo Pc: não é um número">},
      {"1\nA Antoine 1 2 3 0 5 6 0.1x\n",
       cp1252<"registro 1, campo fator acêntrico: não é um número">},
      {"1\nA Antoine 1 2e 3 0 5 6 0.1\n", cp1252<"registro 1, campo constante 2: não é um número">},
      {"1\nA Antoine 1 2 3 -inf 5 6 0.1\n",
       cp1252<"registro 1, campo constante 4: não é um número finito">},
      {"1\nA Antoine 1 2 3 0 5 1e400 0.1\n",
       cp1252<"registro 1, campo Tc: não é um número finito">},
      {"1\nA Antoine nan 2 3 0 5 6 0.1\n",
       cp1252<"registro 1, campo constante 1: não é um número finito">},
  };
  for (const auto& [text, why] : cases) {
    FluidTable table = {test::nitrogen()};
    std::string reason;
    EXPECT_FALSE(parse_fluid_database(text, table, reason)) << text;
    EXPECT_EQ(reason, why) << text;
    EXPECT_EQ(table, FluidTable{test::nitrogen()}) << text;
  }
}

TEST(FluidDatabase, LongestNameAndKindAreAccepted) {
  const std::string name(MAX_NAME_BYTES, 'n');
  const std::string kind(MAX_KIND_BYTES, 'k');
  const FluidTable table = parse("1\n" + name + " " + kind + " 1 2 3 0 5 6 0.1\n");
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].name, name);
  EXPECT_EQ(table[0].kind, kind);
}

TEST(FluidDatabase, SixDigitFileIsWrittenBackByteForByte) {
  const std::string text = cp1252<
      "3\n"
      "Água Wagner -7.76451 1.45838 -2.7758 -1.23303 221.223 647.35 0.344292\n"
      "n-Butano Antoine 4.35576 1175.58 -2.071 0 37.96 425.125 0.20081\n"
      "Extremo Envelope 100000 1e-05 1.2e+06 -0 1e+300 2.5e-300 -0.00219\n">;
  EXPECT_EQ(format_fluid_database(parse(text)), text);
}

TEST(FluidDatabase, EveryDoubleSurvivesWriteAndRead) {
  std::mt19937_64 bits(7);
  auto any_double = [&bits] {
    for (;;) {
      const double value = test::double_from_bits(static_cast<std::uint64_t>(bits()));
      if (std::isfinite(value)) return value;
    }
  };
  FluidTable table;
  for (int i = 0; i < 200; ++i) {
    table.push_back(test::make_fluid("F" + std::to_string(i), "Wagner",
                                     {any_double(), any_double(), any_double(), any_double()},
                                     any_double(), any_double(), any_double()));
  }
  EXPECT_EQ(parse(format_fluid_database(table)), table);
}

}  // namespace
}  // namespace quelrin
