#include "calculators/phase/LiquidVapourEq.h"

#include "app/Conventions.h"
#include "app/platform/ValStr.h"
#include "eos/EqualitySearch.h"
#include "calculators/phase/PhaseParts.h"
#include "calculators/phase/Saturations.h"
#include "eos/Globals.h"

using enum Platform::ControlClass;
using Platform::Str;
using Platform::Val;

const WindowDesign& LiquidVapourEq::Design() {
  static const WindowDesign design{
      "LiquidVapourEq",
      PhaseWindowProperties("Liquid Vapour Equilibrium", 585),
      {
          {StaticText, "Temperature", 30, 320, 130, 25, {{"Text", "Temperature"}, {"TextSize", 16}}},
          {StaticText, "StaticText12", 290, 320, 80, 25, {{"Text", "Kelvin"}, {"TextSize", 16}}},
          KelvinRow(407, 327, nullptr, On(&LiquidVapourEq::Kelvin_Action)),
          CelsiusRow(407, 327, nullptr, On(&LiquidVapourEq::Celsius_Action)),
          {GroupBox, "GroupBox1", 400, 320, 70, 54, {}},
          Label16("MolarVolume", 40, 515, 120, "Molar Volume", 20),
          {StaticText, "PhaseX1", 200, 455, 103, 20, {{"Text", "liquid phase"}, {"TextSize", 14}}},
          {StaticText, "PhaseY1", 330, 455, 125, 20, {{"Text", "vapour phase"}, {"TextSize", 14}}},
          Label16("VolFrac", 40, 485, 134, "Volume Fraction", 20),
          Label16("denstext", 40, 545, 120, "Density", 20),
          Label16("MolarV1", 200, 515, 120, "", 20),
          Label16("MolarV2", 330, 515, 120, "", 20),
          Label16("Dens1", 200, 545, 120, "", 20),
          Label16("Dens2", 330, 545, 120, "", 20),
          Label16("frac1", 200, 485, 120, "", 20),
          Label16("frac2", 330, 485, 120, "", 20),
          Label16("StaticText5", 461, 515, 75, "cm /mol", 20),
          {StaticText, "StaticText6", 483, 513, 16, 20, {{"Text", "3"}, {"TextSize", 12}}},
          Label16("StaticText7", 461, 545, 55, "g/cm", 20),
          {StaticText, "StaticText8", 496, 541, 16, 20, {{"Text", "3"}, {"TextSize", 12}}},
          {PushButton, "Clear", 555, 20, 50, 20, {{"Caption", "clear"}, {"TextSize", 10}},
           On(&LiquidVapourEq::Clear_Action)},
          {PushButton, "calculate", 30, 365, 100, 30,
           {{"Caption", "calculate"}, {"TextSize", 18}, {"Default", true}},
           On(&LiquidVapourEq::calculate_Action)},
          Label16("Homogen2", 40, 420, 80, "Pressure", 20),
          Label16("Answer", 190, 420, 120, "", 20),
          Label16("Dimension2", 320, 420, 70, "MPa", 20),
          {StaticText, "Text1", 20, 20, 210, 25,
           {{"Text", "Limits liquid-vapour curve"}, {"TextSize", 16}, {"Multiline", true}}},
          {StaticText, "MolarVolume1", 20, 170, 130, 25, {{"Text", "Molar Volume"}, {"TextSize", 16}}},
          {StaticText, "StaticText1", 285, 170, 80, 25, {{"Text", "cm /mol"}, {"TextSize", 16}}},
          {StaticText, "StaticText11", 307, 169, 16, 20, {{"Text", "3"}, {"TextSize", 12}}},
          {StaticText, "CorTh", 20, 230, 313, 20,
           {{"Text", "Corresponding homogenization temperature:"}, {"TextSize", 14}}},
          {StaticText, "nummerTh", 435, 230, 90, 20, {{"TextSize", 14}}},
          {StaticText, "KelvinTh", 530, 230, 70, 20, {{"Text", "\u02DACelsius"}, {"TextSize", 14}}},
          {PushButton, "calTh", 340, 230, 70, 20, {{"Caption", "calculate"}, {"TextSize", 12}},
           On(&LiquidVapourEq::calTh_Action)},
          {EditField, "DataEntryV", 155, 170, 120, 25, {}, On(&LiquidVapourEq::DataEntryV_TextChange)},
          {StaticText, "Density", 155, 200, 300, 15,
           {{"Text", "corresponding density"}, {"TextSize", 12}}},
          HorizontalLineRow("Line1", 20, 270, 580),
          {StaticText, "Text13", 20, 285, 443, 25,
           {{"Text", "Select temperature below homogenization temperature:"}, {"TextSize", 16},
            {"Multiline", true}}},
          {EditField, "DataEntryT", 160, 320, 120, 25, {}},
          HorizontalLineRow("Line2", 20, 410, 580),
          HorizontalLineRow("Line3", 40, 480, 490),
          WarningRow(153, 365, 230),
          MethodGroup("GroupBox2", 87),
          MethodRadio("Simple", "GroupBox2", 87, On(&LiquidVapourEq::Simple_Action)),
          MethodRadio("equality", "GroupBox2", 87, On(&LiquidVapourEq::equality_Action)),
          EmpiricalsButton(87, On(&LiquidVapourEq::empiricals_Action)),
          {StaticText, "Text12", 250, 20, 285, 60,
           {{"Text", CurveLimitsText()}, {"TextSize", 12}, {"Multiline", true}}},
      }};
  return design;
}

// The typed temperature is read in the unit chosen when it is used; nothing is converted.
void LiquidVapourEq::Kelvin_Action() {
  if (Radio("Kelvin").Value()) Label("StaticText12").SetText(KelvinLabel());
}

void LiquidVapourEq::Celsius_Action() {
  if (Radio("Celsius").Value()) Label("StaticText12").SetText(CelsiusLabel());
}

void LiquidVapourEq::DataEntryV_TextChange() {
  Globals::MolarVol = Val(Field("DataEntryV").Text());
  Label("Density").SetText(DensityHintKgM3(Globals::MolarVol));
  Label("nummerTh").SetText(QString());
  Label("Answer").SetText(QString());
  Field("DataEntryT").SetText(QString());
  EmptyResults();
}

void LiquidVapourEq::calTh_Action() {
  const double Th = Globals::SaturationTV(Val(Field("DataEntryV").Text()));
  Platform::StaticText& shown = Label("nummerTh");
  shown.SetTextColor(Th > 0 ? Platform::Black : Platform::Red);
  shown.SetText(Th > 0 ? Str(Th - Globals::CelsiusOffset) : QStringLiteral("error"));
}

// A change of method also takes the homogenisation temperature away.
void LiquidVapourEq::Simple_Action() { equality_Action(); }

void LiquidVapourEq::equality_Action() {
  for (const char* name : {"warning", "nummerTh", "Answer"}) Label(name).SetText(QString());
  EmptyResults();
}

void LiquidVapourEq::Clear_Action() {
  Radio("Simple").SetValue(false);
  Radio("equality").SetValue(false);
  SetWarning(*this);
  Field("DataEntryV").SetText(QString());
  Field("DataEntryT").SetText(QString());
  for (const char* name : {"nummerTh", "Answer"}) Label(name).SetText(QString());
  EmptyResults();
}

void LiquidVapourEq::empiricals_Action() { Saturations().Show(); }

// Below the homogenisation temperature shown (there is none while `nummerTh` holds no
// number) and above the triple point, at a volume above 0.
void LiquidVapourEq::calculate_Action() {
  const bool simple = Radio("Simple").Value(), equality = Radio("equality").Value();
  if (!simple && !equality) return;
  const double V = Val(Field("DataEntryV").Text());
  const QString shownTh = Label("nummerTh").Text();
  const double Th = Platform::IsNumber(shownTh) ? Val(shownTh) + Globals::CelsiusOffset : 0;
  const double T = ReadTemperature(*this, "DataEntryT", 0);
  if (!(T < Th && T > Globals::TripleTempKelvin && V > 0)) {
    SetWarning(*this, QStringLiteral("warning: put a number for molar volume and temperature (below Th)"));
    for (const char* name : {"Answer", "frac1", "frac2", "MolarV1", "MolarV2", "Dens1", "Dens2"})
      Label(name).SetText(QString());
    return;
  }
  SetWarning(*this);
  if (simple) CalculateSimple(V, T);
  if (equality) CalculateEquality(V, T);
}

void LiquidVapourEq::CalculateSimple(double V, double T) {
  const double vLiquid = Globals::SaturationV(Globals::SatSelLiquid, T);
  const double vVapour = Globals::SaturationV(Globals::SatSelVapour, T);
  ShowAnswer(Str(Globals::SaturationP(T)), Platform::Black);
  ShowPhaseVolumes(*this, vLiquid, vVapour, QStringLiteral("-"));
  ShowFractions(V, vLiquid, vVapour);
}

void LiquidVapourEq::CalculateEquality(double V, double T) {
  using namespace PhaseEquality;
  const Outcome found = Search(Sought::Pressure, T, HalfSteps);
  if (!found.found) {
    // No other calculation's numbers beside "no solution".
    ShowAnswer(QStringLiteral("no solution"), Platform::Red);
    EmptyResults();
    return;
  }
  const double vLiquid = Globals::MolarVolumes[Globals::LVLiquidIndex];
  const double vVapour = Globals::MolarVolumes[Globals::LVVapourIndex];
  ShowAnswer(Str(found.value), Platform::Black);
  ShowPhaseVolumes(*this, vLiquid, vVapour, QStringLiteral("0"));
  ShowFractions(V, vLiquid, vVapour);
}

// The lever rule: the liquid's share of the volume, and the vapour's the rest.
void LiquidVapourEq::ShowFractions(double V, double vLiquid, double vVapour) {
  Platform::StaticText& liquid = Label("frac1");
  if (vLiquid == vVapour) {
    liquid.SetTextColor(Platform::Red);
    liquid.SetText(QStringLiteral("error"));
    return;
  }
  const double phi = vLiquid * (V - vVapour) / (V * (vLiquid - vVapour));
  liquid.SetTextColor(Platform::Black);
  liquid.SetText(Str(phi));
  Label("frac2").SetText(Str(1 - phi));
}

void LiquidVapourEq::ShowAnswer(const QString& text, Platform::Colour colour) {
  Label("Answer").SetTextColor(colour);
  Label("Answer").SetText(text);
}

// The phase volumes, densities and volume fractions.
void LiquidVapourEq::EmptyResults() {
  for (const char* name : {"MolarV1", "MolarV2", "Dens1", "Dens2", "frac1", "frac2"}) Label(name).SetText(QString());
}
