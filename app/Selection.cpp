#include "app/Selection.h"

#include "calculators/derivatives/CPWindow.h"
#include "calculators/derivatives/CVWindow.h"
#include "calculators/derivatives/JouleWindow.h"
#include "calculators/derivatives/SoundWindow.h"
#include "calculators/energy/EnthalpyWindow.h"
#include "calculators/energy/EntropyWindow.h"
#include "calculators/energy/FugacityWindow.h"
#include "calculators/energy/GibbsWindow.h"
#include "calculators/energy/HelmholtzWindow.h"
#include "calculators/energy/InternalEnergyWindow.h"
#include "calculators/phase/BubbleDewPoint.h"
#include "calculators/phase/LiquidVapourEq.h"
#include "calculators/volumetric/PressuresWindow.h"
#include "calculators/volumetric/TemperatureWindow.h"
#include "calculators/volumetric/VolumeWindow.h"

using enum Platform::ControlClass;

namespace {

ControlDesign Choice(const char* name, int top, const char* caption) {
  return {RadioButton, name, 40, top, 260, 20,
          {{"Caption", caption}, {"TextSize", 14}}};
}

// The calculator that each radio button opens, in the order "continue" tests them.
struct Row {
  const char* radio;
  void (*open)();
};

const Row kRows[] = {
    {"MolarVolumes", [] { VolumeWindow().Show(); }},
    {"Pressures", [] { PressuresWindow().Show(); }},
    {"Temperatures", [] { TemperatureWindow().Show(); }},
    {"Fugacities", [] { FugacityWindow().Show(); }},
    {"Homogenisation", [] { BubbleDewPoint().Show(); }},
    {"LiquidVapour", [] { LiquidVapourEq().Show(); }},
    {"InternalEnergy", [] { InternalEnergyWindow().Show(); }},
    {"Enthalpy", [] { EnthalpyWindow().Show(); }},
    {"Entropy", [] { EntropyWindow().Show(); }},
    {"HelmholtzEnergy", [] { HelmholtzWindow().Show(); }},
    {"GibbsEnergy", [] { GibbsWindow().Show(); }},
    {"HeatCapacityV", [] { CVWindow().Show(); }},
    {"HeatCapacityP", [] { CPWindow().Show(); }},
    {"SpeedSound", [] { SoundWindow().Show(); }},
    {"JouleThomson", [] { JouleWindow().Show(); }},
};

}  // namespace

const WindowDesign& Selection::Design() {
  static const WindowDesign design{
      "Selection",
      {{"Title", "Procedures"}, {"Width", 350}, {"Height", 570}, {"Placement", 0}},
      {
          {StaticText, "StaticText1", 20, 20, 200, 22,
           {{"Text", "Calculation procedure"}, {"TextSize", 18}}},
          {PushButton, "PushButton1", 250, 520, 75, 25,
           {{"Caption", "continue"}, {"TextSize", 12}, {"Default", true}},
           On(&Selection::PushButton1_Action)},
          Choice("Enthalpy", 270, " Relative enthalpy (H)"),
          Choice("Entropy", 300, " Entropy (S)"),
          Choice("HelmholtzEnergy", 330, " Relative Helmholtz energy (A)"),
          Choice("GibbsEnergy", 360, " Relative Gibbs energy (G)"),
          Choice("MolarVolumes", 90, " Molar Volumes"),
          Choice("Pressures", 60, " Pressures"),
          Choice("Temperatures", 120, " Temperatures"),
          Choice("Fugacities", 150, " Fugacities"),
          Choice("Homogenisation", 180, " Homogenization (saturation)"),
          Choice("InternalEnergy", 240, " Relative internal energy (U)"),
          Choice("HeatCapacityV", 390, " Heat Capacity (constant volume)"),
          Choice("HeatCapacityP", 420, " Heat Capacity (constant pressure)"),
          Choice("SpeedSound", 450, " Speed of Sound"),
          Choice("JouleThomson", 480, " Joule-Thomson Coefficient"),
          Choice("LiquidVapour", 210, " Liquid-Vapour Equilibrium"),
      }};
  return design;
}

void Selection::PushButton1_Action() {
  for (const Row& row : kRows)
    if (Radio(row.radio).Value()) row.open();
}
