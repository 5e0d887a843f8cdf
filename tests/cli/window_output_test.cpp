// quelrin-calc --log over every shipped fluid, every equation and four
// temperatures, byte for byte against a transcript kept beside this test:
// what the window shows must not change when its calculation is reworked.
// QUELRIN_UPDATE_GOLDEN=1 rewrites the transcript (only after a deliberate change).
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <string>

#include "tests/support/calc_program.hpp"
#include "tests/support/shipped_fluids.hpp"

namespace quelrin {
namespace {

constexpr const char* GOLDEN_FILE = QUELRIN_SOURCE_DIR "/tests/cli/window_output.golden";
constexpr const char* EQUATION_OPTIONS[] = {"pr", "srk", "rk", "vdw"};
// 0.95 Tc adds the failures near the critical point ("Erro!" and its message).
constexpr double REDUCED_TEMPERATURES[] = {0.6, 0.7, 0.8, 0.95};

std::string temperature_text(double t_k) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, t_k, std::chars_format::fixed, 6);
  return std::string(buffer, end.ptr);
}

TEST(WindowOutput, EveryShippedFluidEquationAndTemperatureMatchesTheTranscript) {
  const FluidTable fluids = test::read_shipped_fluids();
  ASSERT_FALSE(fluids.empty());

  const test::CalcProgram program;
  std::string transcript;
  for (const FluidRecord& fluid : fluids) {
    for (const char* equation : EQUATION_OPTIONS) {
      for (const double reduced : REDUCED_TEMPERATURES) {
        const std::string arguments = "--log --eos " + std::string(equation) + " '" +
                                      test::utf8(fluid.name) + "' " +
                                      temperature_text(reduced * fluid.tc_k);
        const test::CliRun run = program.run(arguments);
        transcript +=
            "$ " + arguments + "\nstatus: " + std::to_string(run.status) + "\n" + run.out + run.err;
      }
    }
  }

  if (std::getenv("QUELRIN_UPDATE_GOLDEN")) test::write_file(GOLDEN_FILE, transcript);
  EXPECT_TRUE(transcript == test::read_file(GOLDEN_FILE))
      << "quelrin-calc output differs from " << GOLDEN_FILE;
}

}  // namespace
}  // namespace quelrin
