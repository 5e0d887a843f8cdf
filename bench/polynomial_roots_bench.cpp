// The root finder on a quartic shaped like the phase-envelope's, and the
// phase-envelope estimate as a whole.
#include <benchmark/benchmark.h>

#include "calc/envelope_estimate.hpp"
#include "calc/polynomial_roots.hpp"

namespace quelrin {
namespace {

void BM_QuarticRoots(benchmark::State& state) {
  // (v - 0.9)(v + 0.03)(v^2 - 0.02 v + 0.0005): a root near 1 L/mol, a small
  // negative one and a pair close to zero, as the envelope's quartic has.
  const double coefficients[5] = {-1.35e-05, 0.000105, -0.0091, -0.89, 1.0};
  double work[5];
  ComplexRoot roots[4];
  for (auto _ : state) {
    benchmark::DoNotOptimize(find_polynomial_roots(coefficients, work, 4, roots));
    benchmark::DoNotOptimize(roots);
  }
}
BENCHMARK(BM_QuarticRoots);

void BM_EnvelopeEstimateNitrogen(benchmark::State& state) {
  FluidRecord nitrogen;
  nitrogen.tc_k = 126.2;
  nitrogen.pc_bar = 33.98;
  nitrogen.acentric_factor = 0.037;
  double t_k = 88.34;
  for (auto _ : state) {
    benchmark::DoNotOptimize(t_k);
    benchmark::DoNotOptimize(estimate_envelope(t_k, nitrogen));
  }
}
BENCHMARK(BM_EnvelopeEstimateNitrogen);

}  // namespace
}  // namespace quelrin
