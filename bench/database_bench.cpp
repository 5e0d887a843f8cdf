// Reading and writing a generated database of 10,000 fluids.
#include <benchmark/benchmark.h>

#include <string>

#include "fluids/fluid_database.hpp"

namespace quelrin {
namespace {

constexpr int FLUID_COUNT = 10000;

FluidTable generated_fluids() {
  FluidTable table(FLUID_COUNT);
  for (int i = 0; i < FLUID_COUNT; ++i) {
    FluidRecord& fluid = table[static_cast<std::size_t>(i)];
    const double x = 1.0 + i / 7919.0;
    fluid.name = "Fluido-" + std::to_string(i);
    fluid.kind = i % 3 == 0 ? KIND_ANTOINE : i % 3 == 1 ? KIND_WAGNER : KIND_ENVELOPE;
    fluid.constants = {-6.5 * x, 1175.581 * x, -2.5e-3 * x, 0.0};
    fluid.pc_bar = 33.9961 * x;
    fluid.tc_k = 126.2 * x;
    fluid.acentric_factor = 0.0372 * x;
  }
  return table;
}

void BM_ParseDatabase(benchmark::State& state) {
  const std::string text = format_fluid_database(generated_fluids());
  for (auto _ : state) {
    FluidTable table;
    std::string reason;
    benchmark::DoNotOptimize(parse_fluid_database(text, table, reason));
    benchmark::DoNotOptimize(table.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseDatabase)->Unit(benchmark::kMillisecond);

void BM_FormatDatabase(benchmark::State& state) {
  const FluidTable table = generated_fluids();
  for (auto _ : state) benchmark::DoNotOptimize(format_fluid_database(table));
}
BENCHMARK(BM_FormatDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelrin
