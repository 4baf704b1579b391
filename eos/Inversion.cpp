// Molar volume or temperature at which the pressure equals a wanted value.

#include "eos/Globals.h"
#include "eos/Secant.h"

namespace Globals {

double Setzmann_Volume(double T, double P, double V0) {
  const auto residual = [T, P](double V) { return P - Setzmann_Pressure(T, V); };
  return detail::SecantRun(residual, P, detail::CallerStart(residual, V0), detail::SecantRules::Standard);
}

double Setzmann_Temperature(double P, double V, double T0) {
  const auto residual = [P, V](double T) { return P - Setzmann_Pressure(T, V); };
  return detail::SecantRun(residual, P, detail::CallerStart(residual, T0), detail::SecantRules::Standard);
}

}  // namespace Globals
