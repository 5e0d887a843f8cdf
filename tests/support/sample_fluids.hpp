// Fluid records the calculation tests share, built in place so that no test
// depends on the shipped database.
#pragma once

#include <array>
#include <string>

#include "fluids/fluid_record.hpp"
#include "text/cp1252_literal.hpp"

namespace quelrin::test {

inline FluidRecord make_fluid(std::string name, std::string kind, std::array<double, 4> constants,
                              double tc, double pc, double omega) {
  FluidRecord fluid;
  fluid.name = std::move(name);
  fluid.kind = std::move(kind);
  fluid.constants = constants;
  fluid.tc_k = tc;
  fluid.pc_bar = pc;
  fluid.acentric_factor = omega;
  return fluid;
}

// Nitrogen's critical constants and acentric factor (Reid, Prausnitz and
// Poling's table), without a correlation of its own.
inline FluidRecord nitrogen() {
  return make_fluid(cp1252<"Nitrogênio">, "Envelope", {}, 126.2, 33.98, 0.037);
}

// log10(P / bar) = 4 - 1000 / (T / K): 100 bar at 500 K by hand.
inline FluidRecord antoine_fluid(double tc = 600.0) {
  return make_fluid("Teste", "Antoine", {4.0, 1000.0, 0.0, 0.0}, tc, 40.0, 0.2);
}

}  // namespace quelrin::test
