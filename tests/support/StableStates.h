#pragma once

// Stable single-phase states of methane across the program's range, for tests of the
// "automatic" inversions: a logarithmic grid of molar volumes at each temperature, keeping the
// mechanically stable states at pressures up to 1000 MPa and, below the critical temperature,
// 2 % away from the saturated volumes. Plain C++.
#include <cmath>
#include <vector>

#include "eos/Globals.h"

namespace StableStates {

struct State {
  double T, V, P;
};

inline std::vector<State> Grid(int temperatures, int volumes) {
  std::vector<State> states;
  for (int i = 0; i < temperatures; ++i) {
    const double T = 91 + (625.0 - 91) * i / (temperatures - 1);
    for (int j = 0; j < volumes; ++j) {
      const double V = 15 * std::pow(1e5 / 15, double(j) / (volumes - 1));
      const double delta = Globals::CritMolarVol / V, tau = Globals::CritTempKelvin / T;
      const double dPdrho = 1 + 2 * delta * Globals::Setzmann_Residual(3, tau, delta) +
                            delta * delta * Globals::Setzmann_Residual(4, tau, delta);
      const double P = Globals::Setzmann_Pressure(T, V);
      if (!(dPdrho > 0) || !(P > 0) || P > 1000) continue;
      const bool twoPhaseNear = T < Globals::CritTempKelvin &&
                                V > 0.98 * Globals::SaturationV(Globals::SatSelLiquid, T) &&
                                V < 1.02 * Globals::SaturationV(Globals::SatSelVapour, T);
      if (!twoPhaseNear) states.push_back({T, V, P});
    }
  }
  return states;
}

}  // namespace StableStates
