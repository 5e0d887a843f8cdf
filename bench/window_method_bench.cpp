// The window's request against the floor of its method, in one run: the whole
// request (estimate, iteration, every log line formed and handed on, result
// texts) against the same estimate and iteration with a report that keeps no
// lines and no result texts. Nitrogen at 90 K, Peng-Robinson. The counter
// `ratio` is the request's time over the floor's.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string_view>

#include "bench/shipped_fluids.hpp"
#include "calc/calculation_request.hpp"
#include "calc/fugacity_iteration.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin {
namespace {

// What a list box does with a line, short of drawing it: reads it.
class ReadingReport : public CalcReport {
 public:
  void clear_log() override {}
  void append_fugacities(double phi_v, double phi_l) override {
    const FugacityLine line(phi_v, phi_l);
    benchmark::DoNotOptimize(line.text().data());
  }
  void select_log_line(int) override {}
  void set_note(std::string_view) override {}
  void show_message(const Message&) override {}
};

class DiscardingReport : public ReadingReport {
 public:
  void append_fugacities(double, double) override {}
};

// Time this thread has run, in ns: the machine is shared, and time spent
// waiting for a core belongs to neither side.
double thread_ns() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

void BM_WindowRequestOverItsFloor(benchmark::State& state) {
  const FluidTable& fluids = bench::shipped_fluids();
  const int index = bench::shipped_fluid_index(cp1252<"Nitrogênio">);
  const FluidRecord& nitrogen = fluids[static_cast<std::size_t>(index)];
  const UnitPrefs units;
  ReadingReport reading;
  DiscardingReport discarding;
  constexpr int ROUNDS = 100;  // alternated so that both see the same machine
  // Read afresh each time, as the request reads its text; DoNotOptimize on a
  // double input can hand the compiler a clobbered value.
  volatile double typed_t_k = 90.0;
  double last_p_bar = 0.0;
  double request_ns = 0.0;
  double floor_ns = 0.0;
  for (auto _ : state) {
    const double start = thread_ns();
    for (int i = 0; i < ROUNDS; ++i) {
      CalcResult result = run_calculation_request(fluids, index, EquationOfState::peng_robinson,
                                                  "90", units, reading);
      benchmark::DoNotOptimize(result);
    }
    const double middle = thread_ns();
    for (int i = 0; i < ROUNDS; ++i) {
      const double t_k = typed_t_k;
      double p_bar =
          iterate_peng_robinson(t_k, first_estimate(t_k, nitrogen), nitrogen, discarding);
      benchmark::DoNotOptimize(p_bar);
      last_p_bar = p_bar;
    }
    request_ns += middle - start;
    floor_ns += thread_ns() - middle;
  }
  if (!(last_p_bar > 3.6 && last_p_bar < 3.7)) state.SkipWithError("the floor did not converge");
  const double calls = static_cast<double>(state.iterations()) * ROUNDS;
  state.counters["request_ns"] = request_ns / calls;
  state.counters["floor_ns"] = floor_ns / calls;
  state.counters["ratio"] = request_ns / floor_ns;
}

BENCHMARK(BM_WindowRequestOverItsFloor);

}  // namespace
}  // namespace quelrin
