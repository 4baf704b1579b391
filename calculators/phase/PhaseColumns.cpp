#include "calculators/phase/PhaseColumns.h"

#include "app/platform/ValStr.h"
#include "eos/Globals.h"

using Platform::Str;

std::string CurveLimitsText() {
  return "critical p. temperature 190.564 K (-82.586 \u02DAC)\r"
         "critical p. pressure 4.5922 MPa (45.922 bar)\r"
         "triple p. temperature 90.6941 K (-182.4559 \u02DAC)\r"
         "triple p. pressure 0.011696 MPa (0.11696 bar)";
}

void ShowPhaseVolumes(ImplicitWindow& window, double vLiquid, double vVapour, const QString& noDensity) {
  window.Label("MolarV1").SetText(Str(vLiquid));
  window.Label("MolarV2").SetText(Str(vVapour));
  window.Label("Dens1").SetText(vLiquid > 0 ? Str(Globals::MolarMassGmol / vLiquid) : noDensity);
  window.Label("Dens2").SetText(vVapour > 0 ? Str(Globals::MolarMassGmol / vVapour) : noDensity);
}
