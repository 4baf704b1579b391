#include "eos/PhysicalRoots.h"

#include "eos/Globals.h"

namespace Globals {

bool IsPhysicalState(double T, double V) {
  if (!(V >= MinMolarVol) || !(T >= TripleTempKelvin)) return false;
  const ResidualDerivatives r = Setzmann_ResidualAll(CritTempKelvin / T, CritMolarVol / V);
  // (dP/d rho) / RT; positive where the pressure falls with molar volume.
  if (!(1 + 2 * r.delta_phir_delta + r.delta2_phir_deltadelta > 0)) return false;
  if (T >= CritTempKelvin) return true;
  return !(SaturationV(SatSelLiquid, T) < V && V < SaturationV(SatSelVapour, T));
}

double PhysicalVolume(double T, double P, double V0) {
  const double V = Setzmann_Volume(T, P, V0);
  return IsPhysicalState(T, V) ? V : 0;
}

double PhysicalTemperature(double P, double V, double T0) {
  const double T = Setzmann_Temperature(P, V, T0);
  return IsPhysicalState(T, V) ? T : 0;
}

}  // namespace Globals
