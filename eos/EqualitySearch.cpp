#include "eos/EqualitySearch.h"

#include <cmath>

#include "eos/Globals.h"

namespace PhaseEquality {
namespace {

// One evaluation of the fugacity difference; true when it found both phases. A call that
// Function_LV refuses for a temperature or pressure not above 0 writes no phase at all.
bool Evaluate(double T, double P, double& difference) {
  difference = Globals::Function_LV(T, P);
  return T > 0 && P > 0 && Globals::MolarVolumes[Globals::LVLiquidIndex] != 0 &&
         Globals::MolarVolumes[Globals::LVVapourIndex] != 0;
}

struct Problem {
  Sought sought;
  double given;

  // The state at which an estimate x is evaluated; with nothing sought, T = P = 0.
  double Temperature(double x) const {
    return sought == Sought::Temperature ? x : sought == Sought::Pressure ? given : 0;
  }
  double Pressure(double x) const {
    return sought == Sought::Pressure ? x : sought == Sought::Temperature ? given : 0;
  }
  double Critical() const {
    return sought == Sought::Pressure ? Globals::WinCritPresMPa : Globals::CritTempKelvin;
  }
};

}  // namespace

Outcome Search(Sought sought, double given, Stepping stepping) {
  const Problem problem{sought, given};
  double xPrev = 0, x = 0, fPrev = 0, f = 0;
  if (sought == Sought::Pressure) {
    xPrev = Globals::SaturationP(given);
    x = Globals::EqStartFactor * xPrev;
  } else if (sought == Sought::Temperature) {
    xPrev = Globals::SaturationT(given);
    x = xPrev - Globals::EqTempStep;
    // Just above the triple-point pressure that start would lie below the triple point, where
    // Function_LV finds no liquid and the first step would be 0.
    if (x < Globals::TripleTempKelvin) x = xPrev + Globals::EqTempStep;
  }
  if (sought != Sought::Nothing) {
    Evaluate(problem.Temperature(xPrev), problem.Pressure(xPrev), fPrev);
    Evaluate(problem.Temperature(x), problem.Pressure(x), f);
  }

  for (int32_t k = 0; k <= Globals::SolverMaxIt; ++k) {
    const double step = f != fPrev ? (xPrev - x) * stepping.damping * f / (f - fPrev) : 0;
    xPrev = x;
    fPrev = f;
    x += step;
    double at = x;
    if (stepping.stepBackAboveCritical && sought != Sought::Nothing && x > problem.Critical())
      at = x - step / 2;
    const double P = problem.Pressure(at);
    const bool bothPhases = Evaluate(problem.Temperature(at), P, f);
    Globals::CallBackgroundTask();

    if (std::abs(step) > Globals::SolverDiverge) return {};
    if (bothPhases && std::abs(f) <= EqualFugacityTol * P) return {true, at, k};
    // A step of 0 comes from a refused or rejected evaluation, or from two equal values.
    if (std::abs(step / x) < Globals::SolverTol) return {step != 0 && std::isfinite(x), x, k};
  }
  return {};
}

}  // namespace PhaseEquality
