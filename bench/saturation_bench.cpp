// Saturation pressure per call, on the same requests: every shipped fluid
// with every equation at eight temperatures from 0.25 to 0.9999 of the
// equation's own Tc. The exact solver from a start that knows nothing of the
// curve, the exact state as the program computes it (the superancillary's
// start confirmed), the superancillary, its floor (one degree-16 Chebyshev
// expansion evaluated at each request's temperature, nothing else), and the
// window's method (first estimate and successive substitution, no log lines;
// it fails near Tc, at its own cost).
#include <benchmark/benchmark.h>

#include <string_view>
#include <vector>

#include "bench/shipped_fluids.hpp"
#include "calc/calculation_request.hpp"
#include "calc/fugacity_iteration.hpp"
#include "calc/reduced_saturation.hpp"
#include "calc/saturation.hpp"
#include "calc/superancillary.hpp"

namespace quelrin {
namespace {

struct Request {
  EquationOfState equation;
  double t_k;
  const FluidRecord* fluid;
};

const std::vector<Request>& requests() {
  static const std::vector<Request> all = [] {
    std::vector<Request> list;
    for (const FluidRecord& fluid : bench::shipped_fluids()) {
      for (const EquationOfState e : EQUATIONS) {
        const double tc = equation_critical_temperature(e, fluid);
        for (const double reduced : {0.25, 0.4, 0.55, 0.7, 0.85, 0.95, 0.99, 0.9999}) {
          list.push_back({e, reduced * tc, &fluid});
        }
      }
    }
    return list;
  }();
  return all;
}

class SilentReport : public CalcReport {
 public:
  void clear_log() override {}
  void append_fugacities(double, double) override {}
  void select_log_line(int) override {}
  void set_note(std::string_view) override {}
  void show_message(const Message&) override {}
};

template <class Pressure>
void per_request(benchmark::State& state, Pressure pressure) {
  const std::vector<Request>& list = requests();
  for (auto _ : state) {
    for (const Request& r : list) benchmark::DoNotOptimize(pressure(r));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
  state.counters["ns_per_call"] = benchmark::Counter(
      static_cast<double>(state.iterations() * list.size()),
      benchmark::Counter::kIsRate | benchmark::Counter::kInvert, benchmark::Counter::OneK::kIs1000);
}

void BM_SaturationIterativeSolver(benchmark::State& state) {
  per_request(state, [](const Request& r) {
    return iterative_saturation_pressure(r.equation, r.t_k, *r.fluid);
  });
}

void BM_SaturationSuperancillary(benchmark::State& state) {
  per_request(
      state, [](const Request& r) { return superancillary_pressure(r.equation, r.t_k, *r.fluid); });
}

void BM_SaturationPolished(benchmark::State& state) {
  per_request(state, [](const Request& r) {
    SaturationState saturation;
    solve_saturation(r.equation, r.t_k, *r.fluid, saturation);
    return saturation.p_bar;
  });
}

// Clenshaw's recurrence over the 17 numbers of the first Peng-Robinson piece
// (what they are does not change the cost), at x from the temperature.
void BM_ChebyshevBareLoop(benchmark::State& state) {
  const double* c =
      SUPERANCILLARY_CURVES[table_row(EquationFamily::peng_robinson)].pieces[0].powers;
  per_request(state, [c](const Request& r) {
    const double x = (2.0 * r.t_k - 1000.0) / 1000.0;
    double b1 = 0.0;
    double b2 = 0.0;
    for (int k = SUPERANCILLARY_DEGREE; k >= 1; --k) {
      const double b0 = c[k] + 2.0 * x * b1 - b2;
      b2 = b1;
      b1 = b0;
    }
    return c[0] + x * b1 - b2;
  });
}

void BM_SaturationWindowMethod(benchmark::State& state) {
  SilentReport report;
  per_request(state, [&report](const Request& r) {
    return iteration_for(r.equation)(r.t_k, first_estimate(r.t_k, *r.fluid), *r.fluid, report);
  });
}

BENCHMARK(BM_SaturationIterativeSolver);
BENCHMARK(BM_SaturationPolished);
BENCHMARK(BM_SaturationSuperancillary);
BENCHMARK(BM_ChebyshevBareLoop);
BENCHMARK(BM_SaturationWindowMethod);

}  // namespace
}  // namespace quelrin
