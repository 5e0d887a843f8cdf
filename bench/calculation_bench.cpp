// Whole calculation requests on the shipped database, per equation, for a
// light fluid (nitrogen at 90 K) and a heavy one (n-octane at 0.7 Tc), with
// the log lines formatted and stored as the main window would receive them.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/shipped_fluids.hpp"
#include "calc/calculation_request.hpp"
#include "calc/recorded_report.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

using bench::shipped_fluid_index;
using bench::shipped_fluids;

void run_request(benchmark::State& state, const char* fluid_name, const char* temperature_text) {
  const FluidTable& fluids = shipped_fluids();
  const int fluid = shipped_fluid_index(fluid_name);
  const EquationOfState equation = EQUATIONS[state.range(0)];
  const UnitPrefs units;
  RecordedReport report;
  for (auto _ : state) {
    CalcResult result =
        run_calculation_request(fluids, fluid, equation, temperature_text, units, report);
    benchmark::DoNotOptimize(result);
  }
  if (report.log.empty() || !report.note.empty())
    state.SkipWithError("the request did not converge");
  state.SetLabel(std::string(equation_name(equation)) + ", " + std::to_string(report.log.size()) +
                 " iterations");
}

void BM_RequestNitrogenAt90K(benchmark::State& state) {
  run_request(state, cp1252<"Nitrogênio">, "90");
}
void BM_RequestOctaneAt70PercentOfTc(benchmark::State& state) {
  run_request(state, "n-Octano", "398.118");  // 0.7 x 568.74 K
}

BENCHMARK(BM_RequestNitrogenAt90K)->DenseRange(0, EQUATION_COUNT - 1);
BENCHMARK(BM_RequestOctaneAt70PercentOfTc)->DenseRange(0, EQUATION_COUNT - 1);

}  // namespace
}  // namespace quelrin
