// The liquid-minus-vapour fugacity difference and the arrays it leaves its phase results in.

#include <stdexcept>
#include <string>

#include "eos/Globals.h"

namespace Globals {

void ResultArray::Init() {
  values_.fill(0);
  exists_ = true;
}

void ResultArray::Exit() { exists_ = false; }

std::size_t ResultArray::Checked(int32_t index) const {
  if (!exists_) throw std::logic_error("result array used while it does not exist");
  if (index < 0 || index > UpperBound) throw std::out_of_range("result array index " + std::to_string(index));
  return static_cast<std::size_t>(index);
}

double& ResultArray::operator[](int32_t index) { return values_[Checked(index)]; }

double ResultArray::operator[](int32_t index) const { return values_[Checked(index)]; }

namespace {

// Leaves one phase's molar volume and fugacity in the arrays, or zeros for a rejected phase;
// returns the fugacity.
double WritePhase(int32_t index, bool accepted, double T, double P, double V) {
  MolarVolumes[index] = accepted ? V : 0;
  const double f = accepted ? Setzmann_Fugacity(T, P, V) : 0;
  Fugacity[index] = f;
  return f;
}

}  // namespace

double Function_LV(double T, double P) {
  if (!(T > 0 && P > 0)) return 0;

  // Liquid: start below the saturated liquid and move the start further down while the solve
  // lands on a vapour-like root. A failed solve (0) is no liquid.
  double start = SaturationV(SatSelLiquid, T) - LVLiquidStartOffset;
  double vLiquid = Setzmann_Volume(T, P, start);
  for (int32_t retries = 0; vLiquid > CritMolarVol && retries < LVRetryAccept - 1; ++retries) {
    start -= LVLiquidStartOffset;
    vLiquid = Setzmann_Volume(T, P, start);
    CallBackgroundTask();
  }
  const bool liquidAccepted = vLiquid > 0 && vLiquid <= CritMolarVol;
  const double fLiquid = WritePhase(LVLiquidIndex, liquidAccepted, T, P, vLiquid);

  // Vapour: start above the saturated vapour and move up while the solve fails or lands on a
  // liquid-like root.
  start = SaturationV(SatSelVapour, T) + LVVapourStartOffset;
  double vVapour = Setzmann_Volume(T, P, start);
  for (int32_t retries = 0; vVapour < CritMolarVol && retries < LVRetryAccept - 1; ++retries) {
    start += LVVapourRetryStep;
    vVapour = Setzmann_Volume(T, P, start);
    CallBackgroundTask();
  }
  const bool vapourAccepted = vVapour >= CritMolarVol;
  const double fVapour = WritePhase(LVVapourIndex, vapourAccepted, T, P, vVapour);

  return liquidAccepted && vapourAccepted ? fLiquid - fVapour : 0;
}

}  // namespace Globals
