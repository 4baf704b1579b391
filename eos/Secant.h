#pragma once

// The damped secant iteration shared by the inversions of the pressure and of the saturation
// equations. It does not bracket: which root it reaches depends on its start points and steps,
// so the steps below are kept exactly as they are.

#include <cmath>
#include <cstdint>

#include "eos/Globals.h"

namespace Globals::detail {

enum class SecantRules {
  // Equal residuals step by half the distance between the two points (or double the last step if
  // the points coincide); a point not above 0 is replaced by half the previous point.
  Standard,
  // Equal residuals step by 1 K; points are kept inside the triple-to-critical temperature range
  // by moving halfway from the previous point to the bound that was crossed.
  SaturationRange,
};

// What a stop point has to satisfy to be returned.
enum class StopPoint {
  MustFitRoot,   // its residual must fit a root (ResidualFitsRoot), otherwise the result is 0
  AsReached,     // returned as it is: the caller knows the iteration cannot reach a root
};

struct SecantState {
  double xCur, fCur;     // the current point and its residual
  double xPrev, fPrev;   // the previous point and its residual
  double dx;             // the last step
};

inline constexpr double SaturationRangeFlatStep = 1.0;   // K

// A stop point is a root only when its residual is small against both the target and the change
// of the residual over the point's own scale; a plain test against the target alone would reject
// a compressed liquid, whose pressure moves a lot per ulp of volume. An infinite target or
// residual would make that scale infinite and let any residual pass: such a point is no root.
inline bool ResidualFitsRoot(const SecantState& s, double target) {
  if (!std::isfinite(target) || !std::isfinite(s.fCur)) return false;
  if (s.fCur == 0) return true;
  const double run = s.xCur - s.xPrev;
  const double slope = run != 0 ? (s.fCur - s.fPrev) / run : 0.0;
  const double scale = std::fmax(std::abs(target), std::abs(s.xCur * slope));
  return std::abs(s.fCur) <= RootResidualTol * scale;
}

// The start of an inversion from the caller's value x0: the second point is x0 + SecantOffset,
// and the point with the smaller residual becomes the current one (the second point when the
// residuals are equal in magnitude).
template <typename Residual>
SecantState CallerStart(const Residual& residual, double x0) {
  const double x1 = x0;
  const double f1 = residual(x1);
  const double x2 = x1 + SecantOffset;
  const double f2 = residual(x2);
  SecantState s = std::abs(f1) < std::abs(f2) ? SecantState{x1, f1, x2, f2, 0} : SecantState{x2, f2, x1, f1, 0};
  s.dx = (s.xCur - s.xPrev) / 2;
  return s;
}

// Iterates from the given start until the relative step is below SolverTol or the residual is 0,
// and returns the point reached if its residual fits a root (target is what the residual is
// measured against) or the caller takes it as reached; otherwise 0. Gives 0 after a step larger
// than SolverDiverge, after a step that is not a number, and after 500 steps. The background-task
// hook runs at the end of every step that does not stop the iteration.
template <typename Residual>
double SecantRun(const Residual& residual, double target, SecantState s, SecantRules rules,
                 StopPoint stop = StopPoint::MustFitRoot) {
  int32_t counter = 1;
  while (counter <= SolverMaxIt) {
    ++counter;
    const bool flat = s.fCur == s.fPrev;
    if (rules == SecantRules::Standard && flat && s.fCur != 0) {
      s.dx = s.xPrev == s.xCur ? 2 * s.dx : (s.xCur - s.xPrev) / 2;
    } else if (rules == SecantRules::SaturationRange && flat) {
      s.dx = SaturationRangeFlatStep;
    } else {
      s.dx = SolverDamping * (s.xPrev - s.xCur) * s.fCur / (s.fCur - s.fPrev);
    }
    s.xPrev = s.xCur;
    s.fPrev = s.fCur;
    s.xCur = s.xCur + s.dx;
    if (rules == SecantRules::Standard) {
      if (!(s.xCur > 0)) s.xCur = (s.xCur - s.dx) / 2;
    } else {
      if (!(s.xCur > TripleTempKelvin)) s.xCur = ((s.xCur - s.dx) + TripleTempKelvin) / 2;
      if (!(s.xCur < CritTempKelvin)) s.xCur = ((s.xCur - s.dx) + CritTempKelvin) / 2;
    }
    if (!std::isfinite(s.xCur)) return 0;
    s.fCur = residual(s.xCur);
    if (std::abs(s.dx) > SolverDiverge) return 0;
    if (std::abs(s.dx / s.xCur) < SolverTol || s.fCur == 0)
      return stop == StopPoint::AsReached || ResidualFitsRoot(s, target) ? s.xCur : 0;
    CallBackgroundTask();
    ++counter;
  }
  return 0;
}

}  // namespace Globals::detail
