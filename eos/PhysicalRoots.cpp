#include "eos/PhysicalRoots.h"

#include "eos/Globals.h"

namespace Globals {
namespace {

// Where the caller's start leads to another root, these reach the physical one: the dense liquid
// of the triple point approaches a compressed fluid from the dense side, the critical volume
// lies between liquid-like and gas-like states, and the ideal gas approaches a vapour from the
// gas side. For the temperature, the critical temperature and the top of the range come down on
// a state from above, past the roots below the triple point.
constexpr double DenseStartVol = 35.0;   // cm3/mol, near the liquid at the triple point
constexpr double TopTempKelvin = 625.0;
constexpr double SaturatedVolTol = 1e-3;   // relative error of the auxiliary saturated volumes

}  // namespace

bool IsPhysicalState(double T, double V) {
  if (!(V >= MinMolarVol) || !(T >= TripleTempKelvin)) return false;
  const ResidualDerivatives r = Setzmann_ResidualAll(CritTempKelvin / T, CritMolarVol / V);
  // (dP/d rho) / RT; positive where the pressure falls with molar volume.
  if (!(1 + 2 * r.delta_phir_delta + r.delta2_phir_deltadelta > 0)) return false;
  if (T >= CritTempKelvin) return true;
  // Between the saturated volumes lies the two-phase region, where the equation also has
  // stable-looking loops; only within the auxiliary equations' error of a saturated volume does
  // the pressure decide, since a compressed liquid lies closer to its saturated volume than that.
  const double Vliq = SaturationV(SatSelLiquid, T), Vvap = SaturationV(SatSelVapour, T);
  if (!(Vliq < V && V < Vvap)) return true;
  const double P = GasConstR * T / V * (1 + r.delta_phir_delta);
  if (V < Vliq * (1 + SaturatedVolTol)) return P >= SaturationP(T);
  if (V > Vvap * (1 - SaturatedVolTol)) return P <= SaturationP(T);
  return false;
}

double PhysicalVolume(double T, double P, double V0) {
  for (const double start : {V0, DenseStartVol, CritMolarVol, GasConstR * T / P}) {
    const double V = Setzmann_Volume(T, P, start);
    if (IsPhysicalState(T, V)) return V;
  }
  return 0;
}

double PhysicalTemperature(double P, double V, double T0) {
  for (const double start : {T0, CritTempKelvin, TopTempKelvin}) {
    const double T = Setzmann_Temperature(P, V, start);
    if (IsPhysicalState(T, V)) return T;
  }
  return 0;
}

}  // namespace Globals
