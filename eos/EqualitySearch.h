#pragma once

#include <cstdint>

// The secant search for the state at which the liquid and the vapour of the equation of
// state have equal fugacity (Globals::Function_LV is 0), shared by the homogenisation and
// the closed-volume windows. The phase volumes and fugacities of the last evaluation stay
// in Globals::MolarVolumes and Globals::Fugacity for the windows to show.
namespace PhaseEquality {

// What the search moves; the other quantity stays at the given value. With nothing to
// move, every evaluation is at T = P = 0, which Function_LV refuses, and the search fails.
enum class Sought { Pressure, Temperature, Nothing };

// How a window steps: the share of the secant step it takes, and whether an estimate above
// the critical value (WinCritPresMPa, CritTempKelvin) is evaluated half a step back.
struct Stepping {
  double damping;
  bool stepBackAboveCritical;
};
inline constexpr Stepping FullSteps{1.0, true};
inline constexpr Stepping HalfSteps{0.5, false};

// Besides a relative step below SolverTol, the search has converged where both phases are
// found and their fugacities differ by at most this fraction of the pressure: below about
// 96 K the difference cannot fall below its rounding noise, so the step would never get
// small enough.
inline constexpr double EqualFugacityTol = 1e-10;

struct Outcome {
  bool found = false;
  double value = 0;        // the pressure (MPa) or temperature (K) found
  int32_t iteration = 0;   // index of the iteration that converged, counted from 0
};

// Starts at the auxiliary equations' answer and next to it: at temperature T the pressures
// SaturationP(T) and EqStartFactor times that; at pressure P the temperatures SaturationT(P)
// and EqTempStep below it, or EqTempStep above it where below would lie under the triple
// point. At most SolverMaxIt + 1 iterations.
Outcome Search(Sought sought, double given, Stepping stepping);

}  // namespace PhaseEquality
