#include "calculators/phase/BubbleDewPoint.h"

#include "app/Conventions.h"
#include "app/Pictures.h"
#include "app/platform/ValStr.h"
#include "eos/EqualitySearch.h"
#include "calculators/phase/PhaseParts.h"
#include "calculators/phase/Saturations.h"
#include "eos/Globals.h"

using enum Platform::ControlClass;
using Platform::Str;
using Platform::Val;

namespace {

ControlDesign ResultLabel(const char* name, int left, int top, const char* rectangle) {
  return {StaticText, name, left, top, 120, 25, {{"TextSize", 16}, {"InitialParent", rectangle}}};
}

ControlDesign ResultFrame(const char* name, int left) {
  using Platform::White;
  return {Rectangle, name, left, 426, 130, 140,
          {{"FillColor", White}, {"TopLeftColor", White}, {"BottomRightColor", White}}};
}

const char* const kPhaseLabels[] = {"MolarV1", "MolarV2", "Dens1", "Dens2", "Fuga1", "Fuga2"};

}  // namespace

const WindowDesign& BubbleDewPoint::Design() {
  static const WindowDesign design{
      "BubbleDewPoint",
      PhaseWindowProperties("Bubble-Dew point", 625),
      {
          ResultFrame("Rectangle1", 174),
          ResultFrame("Rectangle2", 309),
          {GroupBox, "GroupBox6", 20, 165, 290, 95,
           {{"Caption", "Select"}, {"TextSize", 16}, {"Italic", true}}},
          {RadioButton, "RadioButtonTh", 35, 195, 260, 25,
           {{"Caption", "Homogenization Temperature"}, {"TextSize", 16}, {"InitialParent", "GroupBox6"}},
           On(&BubbleDewPoint::RadioButtonTh_Action)},
          {EditField, "dataEntry", 180, 280, 100, 25, {{"TextSize", 16}},
           On(&BubbleDewPoint::dataEntry_TextChange)},
          {StaticText, "unit1", 290, 280, 70, 25, {{"Text", "unit"}, {"TextSize", 16}}},
          {RadioButton, "RadioButtonPh", 35, 225, 260, 25,
           {{"Caption", "Homogenization Pressure"}, {"TextSize", 16}, {"InitialParent", "GroupBox6"}},
           On(&BubbleDewPoint::RadioButtonPh_Action)},
          {PushButton, "Clear", 560, 20, 50, 20, {{"Caption", "clear"}, {"TextSize", 10}},
           On(&BubbleDewPoint::Clear_Action)},
          {PushButton, "calculate", 30, 335, 100, 30,
           {{"Caption", "calculate"}, {"TextSize", 18}, {"Default", true}},
           On(&BubbleDewPoint::calculate_Action)},
          {StaticText, "MolarVolume", 40, 460, 120, 25, {{"Text", "Molar Volume"}, {"TextSize", 16}}},
          {StaticText, "PhaseX1", 180, 430, 103, 20,
           {{"Text", "liquid phase"}, {"TextSize", 14}, {"InitialParent", "Rectangle1"}}},
          {StaticText, "PhaseY1", 315, 430, 125, 20, {{"Text", "vapour phase"}, {"TextSize", 14}}},
          {StaticText, "Parameter2", 20, 385, 240, 25, {{"Text", "parameter"}, {"TextSize", 16}}},
          {StaticText, "Answer", 270, 385, 120, 25, {{"TextSize", 16}}},
          {StaticText, "Unit2", 400, 385, 70, 25, {{"Text", "unit"}, {"TextSize", 16}}},
          {StaticText, "Fugacity", 40, 530, 125, 25, {{"Text", "Fugacity"}, {"TextSize", 16}}},
          {StaticText, "ResultText", 40, 575, 540, 30, {{"TextSize", 10}, {"Multiline", true}}},
          KelvinRow(532, 277, nullptr, On(&BubbleDewPoint::Kelvin_Action)),
          CelsiusRow(532, 277, nullptr, On(&BubbleDewPoint::Celsius_Action)),
          {GroupBox, "GroupBox1", 525, 270, 70, 54, {}},
          {GroupBox, "GroupBox4", 335, 165, 270, 85,
           {{"Caption", "Mode"}, {"TextSize", 16}, {"Italic", true}}},
          {RadioButton, "Vapour", 343, 193, 110, 25,
           {{"Caption", " Vapour"}, {"TextSize", 16}, {"InitialParent", "GroupBox4"}},
           On(&BubbleDewPoint::Vapour_Action)},
          {RadioButton, "Liquid", 343, 216, 110, 25,
           {{"Caption", " Liquid"}, {"TextSize", 16}, {"InitialParent", "GroupBox4"}},
           On(&BubbleDewPoint::Liquid_Action)},
          {ImageWell, "ImageWell1", 470, 195, 120, 45,
           {{"Visible", false}, {"InitialParent", "GroupBox4"}}, nullptr, Liquid2},
          {ImageWell, "ImageWell2", 471, 195, 120, 45,
           {{"Visible", false}, {"InitialParent", "GroupBox4"}}, nullptr, Vapour2},
          {StaticText, "Density", 40, 495, 120, 25, {{"Text", "Density"}, {"TextSize", 16}}},
          ResultLabel("MolarV1", 180, 460, "Rectangle1"),
          ResultLabel("MolarV2", 315, 460, "Rectangle2"),
          ResultLabel("Dens1", 179, 495, "Rectangle1"),
          ResultLabel("Dens2", 315, 495, "Rectangle2"),
          ResultLabel("Fuga1", 179, 530, "Rectangle1"),
          ResultLabel("Fuga2", 315, 530, "Rectangle2"),
          {StaticText, "StaticText5", 450, 460, 75, 25, {{"Text", "cm /mol"}, {"TextSize", 16}}},
          {StaticText, "StaticText6", 472, 459, 16, 20, {{"Text", "3"}, {"TextSize", 12}}},
          {StaticText, "StaticText7", 450, 495, 55, 25, {{"Text", "g/cm"}, {"TextSize", 16}}},
          {StaticText, "StaticText8", 485, 491, 16, 20, {{"Text", "3"}, {"TextSize", 12}}},
          {StaticText, "StaticText9", 450, 530, 40, 25, {{"Text", "MPa"}, {"TextSize", 16}}},
          {StaticText, "Text1", 20, 20, 220, 25,
           {{"Text", "Limits liquid-vapour curve"}, {"TextSize", 16}, {"Multiline", true}}},
          {StaticText, "Text12", 250, 20, 285, 60,
           {{"Text", CurveLimitsText()}, {"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "parameter1", 20, 280, 150, 25, {{"Text", "parameter"}, {"TextSize", 16}}},
          HorizontalLineRow("Line1", 20, 375, 580),
          WarningRow(160, 335, 435),
          HorizontalLineRow("Line2", 40, 455, 480),
          HorizontalLineRow("Line3", 40, 560, 480),
          MethodGroup("GroupBox7", 85),
          MethodRadio("Simple", "GroupBox7", 85, On(&BubbleDewPoint::Simple_Action)),
          MethodRadio("equality", "GroupBox7", 85, On(&BubbleDewPoint::equality_Action)),
          EmpiricalsButton(85, On(&BubbleDewPoint::empiricals_Action)),
      }};
  return design;
}

// ---------------------------------------------------------------- selections

void BubbleDewPoint::RadioButtonTh_Action() {
  if (Radio("RadioButtonTh").Value())
    ChooseInput(QStringLiteral("Temperature"), TemperatureUnit(), QStringLiteral("Homogenization Pressure"),
                QStringLiteral("MPa"));
}

void BubbleDewPoint::RadioButtonPh_Action() {
  if (Radio("RadioButtonPh").Value())
    ChooseInput(QStringLiteral("Pressure"), QStringLiteral("MPa"), QStringLiteral("Homogenization Temperature"),
                TemperatureUnit());
}

// A result belongs to the input it was computed from: the other input empties it, so a
// shown pressure is never converted as a temperature by a later unit switch.
void BubbleDewPoint::ChooseInput(const QString& given, const QString& givenUnit, const QString& sought,
                                 const QString& soughtUnit) {
  Field("dataEntry").SetText(QString());
  Label("parameter1").SetText(given);
  Label("unit1").SetText(givenUnit);
  Label("Parameter2").SetText(sought);
  Label("Unit2").SetText(soughtUnit);
  ResetResults();
}

void BubbleDewPoint::dataEntry_TextChange() { ResetResults(); }
void BubbleDewPoint::Simple_Action() { ResetResults(); }
void BubbleDewPoint::equality_Action() { ResetResults(); }

void BubbleDewPoint::Vapour_Action() { ChoosePhase("Vapour", "ImageWell2", "ImageWell1"); }
void BubbleDewPoint::Liquid_Action() { ChoosePhase("Liquid", "ImageWell1", "ImageWell2"); }

void BubbleDewPoint::ChoosePhase(const char* radio, const char* picture, const char* otherPicture) {
  const bool on = Radio(radio).Value();
  Control<Platform::ImageWell>(picture).setVisible(on);
  if (on) Control<Platform::ImageWell>(otherPicture).setVisible(false);
  ResetResults();
}

void BubbleDewPoint::Kelvin_Action() {
  if (Radio("Kelvin").Value()) SwitchUnit(KelvinLabel(), Globals::CelsiusOffset);
}

void BubbleDewPoint::Celsius_Action() {
  if (Radio("Celsius").Value()) SwitchUnit(CelsiusLabel(), -Globals::CelsiusOffset);
}

// A typed temperature is dropped with its results; a temperature found is converted from
// its shown text (K are always above 0, degrees Celsius are any number but 0).
void BubbleDewPoint::SwitchUnit(const QString& unit, double shift) {
  if (Radio("RadioButtonTh").Value()) {
    Label("unit1").SetText(unit);
    Label("Answer").SetText(QString());
    Field("dataEntry").SetText(QString());
    for (const char* name : {"ResultText", "warning"}) Label(name).SetText(QString());
    EmptyPhases();
  }
  if (Radio("RadioButtonPh").Value()) {
    Label("Unit2").SetText(unit);
    const double shown = Val(Label("Answer").Text());
    const bool converts = shift > 0 ? shown != 0 : shown > 0;
    Label("Answer").SetText(converts ? Str(shown + shift) : QString());
  }
}

void BubbleDewPoint::Clear_Action() {
  for (const char* name : {"Answer", "ResultText", "warning"}) Label(name).SetText(QString());
  Field("dataEntry").SetText(QString());
  for (const char* name : {"Simple", "equality", "RadioButtonTh", "RadioButtonPh", "Liquid", "Vapour"})
    Radio(name).SetValue(false);
  for (const char* name : {"ImageWell1", "ImageWell2"}) Control<Platform::ImageWell>(name).setVisible(false);
  EmptyPhases();
  Globals::TempKelvin = 0;
  Globals::PresMPa = 0;
}

void BubbleDewPoint::empiricals_Action() { Saturations().Show(); }

// ---------------------------------------------------------------- calculation

void BubbleDewPoint::calculate_Action() {
  if (Radio("Simple").Value()) CalculateSimple();
  if (Radio("equality").Value()) CalculateEquality();
}

// The temperature or pressure typed, by the input mode; with no mode nothing is read.
BubbleDewPoint::Entry BubbleDewPoint::ReadEntry() {
  Entry entry;
  if (Radio("RadioButtonTh").Value()) {
    entry.input = Input::Temperature;
    entry.T = ReadTemperature(*this, "dataEntry", 0);
    entry.accepted = entry.T > 0;
  } else if (Radio("RadioButtonPh").Value()) {
    entry.input = Input::Pressure;
    entry.P = Val(Field("dataEntry").Text());
    entry.accepted = entry.P > 0;
  }
  if (!entry.accepted) {
    Label("Answer").SetText(QStringLiteral("no solution"));
    Label("ResultText").SetText(QStringLiteral("Note: put number for the homogenization conditon"));
  }
  return entry;
}

void BubbleDewPoint::CalculateSimple() {
  Entry e = ReadEntry();
  if (!e.accepted) return;
  if (e.input == Input::Temperature) e.P = Globals::SaturationP(e.T);
  if (e.input == Input::Pressure) e.T = Globals::SaturationT(e.P);
  if (e.input != Input::None) {
    Label("Answer").SetText(e.input == Input::Temperature ? Str(e.P) : TemperatureText(e.T));
    Label("ResultText").SetText(QString());
  }
  using namespace Globals;
  if (e.T > TripleTempKelvin && e.T < CritTempKelvin) {
    // This method keeps the phases in the order of the saturation selector.
    MolarVolumes[SatSelVapour] = SaturationV(SatSelVapour, e.T);
    Fugacity[SatSelVapour] = Setzmann_Fugacity(e.T, e.P, MolarVolumes[SatSelVapour]);
    MolarVolumes[SatSelLiquid] = SaturationV(SatSelLiquid, e.T);
    Fugacity[SatSelLiquid] = Setzmann_Fugacity(e.T, e.P, MolarVolumes[SatSelLiquid]);
    ShowPhases(MolarVolumes[SatSelLiquid], MolarVolumes[SatSelVapour], Fugacity[SatSelLiquid],
               Fugacity[SatSelVapour]);
    MarkPhase();
  } else if (e.T == CritTempKelvin) {
    ShowCriticalPoint(e.T, e.P);
  } else {
    ShowNoSolution(QStringLiteral("Note: Conditions exceed limits of liquid-vapour curve"));
  }
}

void BubbleDewPoint::CalculateEquality() {
  const Entry e = ReadEntry();
  if (!e.accepted) return;
  using namespace Globals;
  const bool byT = e.input == Input::Temperature;
  const double given = byT ? e.T : e.P, low = byT ? TripleTempKelvin : TriplePresMPa;
  const double critical = byT ? CritTempKelvin : WinCritPresMPa;
  if (e.input != Input::None && (given <= low || given > critical))
    return ShowNoSolution(QStringLiteral("Note: Conditions exceed critical point "));
  if (e.input != Input::None && given == critical) {
    Label("Answer").SetText(byT ? Str(WinCritPresMPa) : TemperatureText(CritTempKelvin));
    return ShowCriticalPoint(CritTempKelvin, WinCritPresMPa);
  }
  using PhaseEquality::Sought;
  const Sought sought = e.input == Input::None ? Sought::Nothing
                        : byT                   ? Sought::Pressure
                                                : Sought::Temperature;
  const PhaseEquality::Outcome found = PhaseEquality::Search(sought, given, PhaseEquality::FullSteps);
  if (!found.found) return ShowNoSolution(QStringLiteral("Note: no solution for the sectant method"));
  Label("Answer").SetText(byT ? Str(found.value) : TemperatureText(found.value));
  ShowPhases(MolarVolumes[LVLiquidIndex], MolarVolumes[LVVapourIndex], Fugacity[LVLiquidIndex],
             Fugacity[LVVapourIndex]);
  Label("ResultText").SetText(
      QStringLiteral("Solution after ") + Str(found.iteration) +
      QStringLiteral(" iterations, phase within red rectangle illustrate homogenization conditions, whereas the "
                     "other phase is coexistent and disappears at the moment of homogenization"));
  MarkPhase();
}

// ---------------------------------------------------------------- display

QString BubbleDewPoint::TemperatureUnit() {
  return Radio("Celsius").Value() ? CelsiusLabel() : KelvinLabel();
}

QString BubbleDewPoint::TemperatureText(double kelvin) {
  return Str(Radio("Celsius").Value() ? kelvin - Globals::CelsiusOffset : kelvin);
}

// Empties the answer and every result and removes the red border; entry and selections stay.
void BubbleDewPoint::ResetResults() {
  Label("Answer").SetText(QString());
  EmptyPhases();
  for (const char* name : {"ResultText", "warning"}) Label(name).SetText(QString());
  for (const char* name : {"Rectangle1", "Rectangle2"}) SetBorder(name, Platform::White);
}

void BubbleDewPoint::ShowPhases(double vLiquid, double vVapour, double fLiquid, double fVapour) {
  ShowPhaseVolumes(*this, vLiquid, vVapour, QString());
  Label("Fuga1").SetText(Str(fLiquid));
  Label("Fuga2").SetText(Str(fVapour));
}

void BubbleDewPoint::EmptyPhases() {
  for (const char* name : kPhaseLabels) Label(name).SetText(QString());
}

// Both phases are one at the critical point: the critical volume and its one fugacity.
void BubbleDewPoint::ShowCriticalPoint(double T, double P) {
  const double f = Globals::Setzmann_Fugacity(T, P, Globals::CritMolarVol);
  Globals::Fugacity[0] = f;
  Globals::Fugacity[1] = f;
  ShowPhases(Globals::CritMolarVol, Globals::CritMolarVol, f, f);
  Label("ResultText").SetText(QStringLiteral("Note: Critical Point"));
}

void BubbleDewPoint::ShowNoSolution(const QString& note) {
  Label("Answer").SetText(QStringLiteral("no solution"));
  SetWarning(*this);
  EmptyPhases();
  Label("ResultText").SetText(note);
}

// The column of the phase the sample homogenises into, liquid or (also with no phase
// chosen) vapour, gets the red border.
void BubbleDewPoint::MarkPhase() {
  const bool liquid = Radio("Liquid").Value();
  SetBorder("Rectangle1", liquid ? Platform::Red : Platform::White);
  SetBorder("Rectangle2", liquid ? Platform::White : Platform::Red);
}

// White is the colour of the fill and of the window: no border to be seen.
void BubbleDewPoint::SetBorder(const char* rectangle, Platform::Colour colour) {
  Control<Platform::Rectangle>(rectangle).SetTopLeftColor(colour);
  Control<Platform::Rectangle>(rectangle).SetBottomRightColor(colour);
}
