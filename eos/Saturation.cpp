// Auxiliary saturation equations of Setzmann and Wagner (1991) and their inverses.
//
// The coefficients and exponents are those published with the equation of state (J. Phys.
// Chem. Ref. Data 20, 1061-1155), with theta = 1 - T/Tc and the critical values of Globals.h:
//   vapour pressure     ln(p / pc)         = (Tc / T) (a1 theta + a2 theta^1.5 + a3 theta^2 + a4 theta^4.5)
//   saturated liquid    ln(rho' / rho_c)   = b1 theta^0.354 + b2 theta^0.5 + b3 theta^2.5
//   saturated vapour    ln(rho'' / rho_c)  = c1 theta^0.354 + c2 theta^(5/6) + c3 theta^1.5
//                                            + c4 theta^2.5 + c5 theta^(25/6) + c6 theta^(47/6)
// They stand in for the equation of state's own saturation curve, which needs the search of
// EqualitySearch.h; up to 190 K they agree with it within 2e-4 relative.

#include <cmath>

#include "eos/FiniteOrZero.h"
#include "eos/Globals.h"
#include "eos/Secant.h"

namespace Globals {

double SaturationP(double T) {
  if (!(T >= TripleTempKelvin)) return 0;
  if (T <= CritTempKelvin) {
    const double theta = 1 - T / CritTempKelvin;
    double s = -6.036219 * theta;
    s = s + 1.409353 * std::pow(theta, 1.5);
    s = s - 0.4945199 * std::pow(theta, 2.0);
    s = s - 1.443048 * std::pow(theta, 4.5);
    return FiniteOrZero(CritPresMPa * std::exp(s * CritTempKelvin / T));
  }
  // Continuation above the critical temperature, no part of the published equations. It does
  // not join the curve below: just above Tc it gives about 4.59645 MPa.
  return FiniteOrZero(std::pow(10.0, -492.3749 / T + 3.2462));
}

double SaturationV(int32_t selector, double T) {
  double density = 0;
  if (T >= TripleTempKelvin && T <= CritTempKelvin) {
    const double theta = 1 - T / CritTempKelvin;
    double s = 0;
    if (selector == SatSelVapour) {
      s = -1.880284 * std::pow(theta, 0.354);
      s = s - 2.8526531 * std::pow(theta, 0.8333333333333334);
      s = s - 3.000648 * std::pow(theta, 1.5);
      s = s - 5.251169 * std::pow(theta, 2.5);
      s = s - 13.191859 * std::pow(theta, 4.166666666666667);
      s = s - 37.553961 * std::pow(theta, 7.833333333333333);
    } else if (selector == SatSelLiquid) {
      s = 1.9906389 * std::pow(theta, 0.354);
      s = s - 0.78756197 * std::pow(theta, 0.5);
      s = s + 0.036976723 * std::pow(theta, 2.5);
    }
    density = CritDensity * std::exp(s);
  }
  return density > 0 ? FiniteOrZero(DensKgM3Factor / density) : 0;
}

double SaturationT(double P) {
  if (!(P > 0)) return 0;   // NaN included
  const auto residual = [P](double T) { return SaturationP(T) - P; };
  detail::SecantState s{};
  s.xPrev = CritTempKelvin / 2;
  s.fPrev = residual(s.xPrev);
  s.xCur = TripleTempKelvin;
  s.fCur = residual(s.xCur);
  // Below the vapour pressure at the triple point there is no solution: the iteration runs into
  // the region below the triple point, where the vapour pressure is 0, and the temperature where
  // it stops there is the answer (callers that need the saturation range check the pressure).
  const bool belowTriplePoint = P < SaturationP(TripleTempKelvin);
  return detail::SecantRun(residual, P, s, detail::SecantRules::Standard,
                           belowTriplePoint ? detail::StopPoint::AsReached : detail::StopPoint::MustFitRoot);
}

double SaturationTV(double V) {
  const int32_t branch = V <= DensKgM3Factor / CritDensity ? SatSelLiquid : SatSelVapour;
  const auto residual = [V, branch](double T) { return SaturationV(branch, T) - V; };
  detail::SecantState s{};
  s.xPrev = (TripleTempKelvin + CritTempKelvin) / 2;
  s.fPrev = residual(s.xPrev);
  s.xCur = s.xPrev - 1;
  s.fCur = residual(s.xCur);
  return detail::SecantRun(residual, V, s, detail::SecantRules::SaturationRange);
}

}  // namespace Globals
