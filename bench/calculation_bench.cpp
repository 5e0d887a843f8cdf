// Whole calculation requests on the shipped database, per equation, for a
// light fluid (nitrogen at 90 K) and a heavy one (n-octane at 0.7 Tc), with
// the log lines formatted and stored as the main window would receive them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "calc/calculation_request.hpp"
#include "calc/recorded_report.hpp"
#include "fluids/fluid_database.hpp"

namespace quelrin {
namespace {

const FluidTable& shipped_fluids() {
  static const FluidTable fluids = [] {
    FluidTable table;
    std::string reason;
    std::FILE* file = std::fopen(QUELRIN_DATA_DIR "/dados.txt", "rb");
    if (!file || !parse_fluid_database(file, table, reason)) {
      throw std::runtime_error("cannot read the shipped database: " + reason);
    }
    std::fclose(file);
    return table;
  }();
  return fluids;
}

int index_of(const char* name) {
  const FluidTable& fluids = shipped_fluids();
  for (std::size_t i = 0; i < fluids.size(); ++i) {
    if (fluids[i].name == name) return static_cast<int>(i);
  }
  throw std::runtime_error("fluid missing from the shipped database");
}

void run_request(benchmark::State& state, const char* fluid_name, const char* temperature_text) {
  const FluidTable& fluids = shipped_fluids();
  const int fluid = index_of(fluid_name);
  const int equation = static_cast<int>(state.range(0));
  const UnitPrefs units;
  RecordedReport report;
  for (auto _ : state) {
    CalcResult result = run_calculation_request(fluids, fluid, equation, temperature_text, units, report);
    benchmark::DoNotOptimize(result);
  }
  if (report.log.empty() || !report.note.empty()) state.SkipWithError("the request did not converge");
  state.SetLabel(std::string(EQUATION_NAMES[equation]) + ", " + std::to_string(report.log.size()) +
                 " iterations");
}

void BM_RequestNitrogenAt90K(benchmark::State& state) { run_request(state, "Nitrogênio", "90"); }
void BM_RequestOctaneAt70PercentOfTc(benchmark::State& state) {
  run_request(state, "n-Octano", "398.118");  // 0.7 x 568.74 K
}

BENCHMARK(BM_RequestNitrogenAt90K)->DenseRange(0, EQUATION_COUNT - 1);
BENCHMARK(BM_RequestOctaneAt70PercentOfTc)->DenseRange(0, EQUATION_COUNT - 1);

}  // namespace
}  // namespace quelrin
