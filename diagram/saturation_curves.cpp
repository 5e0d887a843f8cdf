// Sampling of the saturation curves.
#include "diagram/saturation_curves.hpp"

#include <algorithm>
#include <cmath>

#include "calc/saturation.hpp"

namespace quelrin {
namespace {

constexpr int SAMPLES = 400;

// The fluid's Tc and the equations' own, in kelvin: the sampled range ends
// at the highest of them.
std::vector<double> sample_temperatures(const FluidRecord& fluid, TemperatureUnit t_unit,
                                        double from, double to) {
  std::vector<double> t;
  for (int i = 0; i <= SAMPLES; ++i) t.push_back(from + (to - from) * i / SAMPLES);
  // Each curve ends at its critical point; put that point in when it falls inside.
  for (const EquationOfState e : EQUATIONS) {
    const double tc =
        kelvin_to_temperature_unit(t_unit, equation_critical_temperature(e, fluid) * (1.0 - 1e-9));
    if (tc > from && tc < to) t.push_back(tc);
  }
  const double tc = kelvin_to_temperature_unit(t_unit, fluid.tc_k * (1.0 - 1e-9));
  if (tc > from && tc < to) t.push_back(tc);
  std::sort(t.begin(), t.end());
  return t;
}

void add_point(SaturationCurve& curve, double t, double p) {
  if (p > 0.0 && std::isfinite(p)) {
    curve.t.push_back(t);
    curve.p.push_back(p);
  }
}

}  // namespace

std::array<SaturationCurve, EQUATION_COUNT + 1> sample_saturation_curves(const FluidRecord& fluid,
                                                                         const UnitPrefs& units,
                                                                         double from, double to) {
  std::array<SaturationCurve, EQUATION_COUNT + 1> curves;
  for (const double t : sample_temperatures(fluid, units.temperature_unit, from, to)) {
    const double t_k = temperature_to_kelvin(units.temperature_unit, t);
    if (!(t_k > 0.0)) continue;
    for (const EquationOfState e : EQUATIONS) {
      SaturationState state;
      if (solve_saturation(e, t_k, fluid, state) == SATURATION_SOLVED) {
        add_point(curves[list_index(e)], t, bar_to_pressure_unit(units.pressure_unit, state.p_bar));
      }
    }
    if (t_k < fluid.tc_k) {
      add_point(curves[EQUATION_COUNT], t,
                bar_to_pressure_unit(units.pressure_unit, first_estimate(t_k, fluid)));
    }
  }
  return curves;
}

}  // namespace quelrin
