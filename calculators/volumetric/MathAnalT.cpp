#include "calculators/volumetric/MathAnalT.h"

#include "calculators/volumetric/MathAnal.h"
#include "eos/Globals.h"

const WindowDesign& MathAnalT::Design() {
  // This window's control lists are stored last property first; the controls are the same.
  static const WindowDesign design = RootAnalysis::Design(
      "MathAnalT", "variable temperature", On(&MathAnalT::calculate_Action), true);
  return design;
}

// 1001 temperatures, 91 to 1091 K in steps of 1 K; the module state is read at every pass.
void MathAnalT::calculate_Action() {
  double T = 91.0 - 1.0;
  for (int pass = 0; pass <= 1000; ++pass) {
    T = T + 1.0;
    const double f = Globals::Setzmann_Pressure(T, Globals::MolarVol) - Globals::PresMPa;
    RootAnalysis::AppendRow(*this, T, f);
  }
}

void MathAnalT::Event_Activate() { RootAnalysis::Reset(*this, "Temperature"); }
