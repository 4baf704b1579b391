#include "calculators/energy/StateEntryPanel.h"

#include <cmath>

#include "app/Conventions.h"
#include "app/platform/ValStr.h"
#include "eos/FiniteOrZero.h"
#include "eos/Globals.h"
#include "eos/PhysicalRoots.h"

using enum Platform::ControlClass;
using Platform::Str;
using Platform::Val;

namespace {

const QString kIdleDensity = QStringLiteral("corresponding density");

ControlDesign Text12(const char* name, int left, int top, int width, int height, const char* text,
                     const char* parent = nullptr) {
  ControlDesign row = LabelRow(name, left, top, width, height, text, 12);
  if (parent) row.props.emplace_back("InitialParent", parent);
  return row;
}

}  // namespace

// The texts that the two input modes give the panel's rows.
struct StateEntryPanel::ModeTexts {
  const char *parameter, *unit0, *unitSup, *density1;
  const char *parameter1, *unit1, *unitSup1, *density2;
  const char* button;
};

StateEntryPanel::StateEntryPanel(std::vector<const char*> resultLabels)
    : resultLabels_(std::move(resultLabels)) {}

QString StateEntryPanel::StateWarning() {
  return QStringLiteral("warning: put a number for temperature, molar volume, and pressure");
}

std::vector<ControlDesign> StateEntryPanel::FrameRows(const StateWindowFrame& f, Handler calculate) {
  const PanelPlace& place = f.panel;
  const int t = place.top;
  const int r = place.top + place.lowerRows;  // rows from the hint box down
  const int L = f.line;
  return {
      Label16("Definition", 20, 20, f.definitionWidth, f.definition),
      {Canvas, "Canvas1", f.canvasLeft, f.canvasTop, f.canvasWidth, f.canvasHeight,
       {{"UseFocusRing", f.canvasFocusRing}}, nullptr, f.picture},
      WarningRow(160, L - 40),
      CalculateRow(30, L - 40, calculate),
      HorizontalLineRow("Line1", 20, L, 420),
      ClearRow(place.clearLeft, place.clearTop, On(&StateEntryPanel::Clear_Action)),
      {GroupBox, "GroupBox1", 20, t, 292, 95,
       {{"Caption", "Select Parameters"}, {"TextSize", 16}, {"Italic", true}}},
      {RadioButton, "RadioButtonTP", 40, t + 29, 250, 25,
       {{"Caption", " Temperature and Pressure"}, {"TextSize", 14}, {"InitialParent", "GroupBox1"}},
       On(&StateEntryPanel::RadioButtonTP_Action)},
      {RadioButton, "RadioButtonTV", 40, t + 59, 250, 25,
       {{"Caption", " Temperature and Molar Volume"}, {"TextSize", 14}, {"InitialParent", "GroupBox1"}},
       On(&StateEntryPanel::RadioButtonTV_Action)},
      Label16("Temperature", 20, t + 110, 119, "Temperature"),
      {EditField, "dataEntryT", 145, t + 110, 120, 25, {{"TextSize", 16}},
       On(&StateEntryPanel::dataEntryT_TextChange)},
      Label16("StaticText1", 275, t + 110, 80, "Kelvin"),
      {GroupBox, "GroupBox2", 365, t + 100, 70, 54, {}},
      KelvinRow(372, t + 107, "GroupBox2", On(&StateEntryPanel::Kelvin_Action)),
      CelsiusRow(372, t + 107, "GroupBox2", On(&StateEntryPanel::Celsius_Action)),
      {Rectangle, "Rectangle1", 20, r + 155, 335, 85, {}},
      Text12("sat1", 30, r + 160, 320, 30,
             "Saturation properties below critical point (190.564 K)\rLimits to molar volumes:",
             "Rectangle1"),
      Text12("satliq", 40, r + 195, 266, 15, "liquid", "Rectangle1"),
      Text12("satvap", 40, r + 215, 266, 15, "vapour", "Rectangle1"),
      Label16("Parameter", 20, r + 255, 130, "parameter"),
      {EditField, "dataEntryPV", 160, r + 255, 120, 25, {{"TextSize", 16}},
       On(&StateEntryPanel::dataEntryPV_TextChange)},
      Label16("Unit0", 290, r + 255, 75, "unit"),
      Text12("Unitsup", 312, r + 254, 16, 20, ""),
      Text12("Density1", 160, r + 285, 280, 15, "corresponding density"),
      {PushButton, "PushButton1", 135, r + 310, 171, 25, {{"Caption", "calculation"}},
       On(&StateEntryPanel::PushButton1_Action)},
      Label16("Parameter1", 20, r + 355, 130, "parameter"),
      Label16("ResultPV", 160, r + 355, 120, ""),
      Label16("Unit1", 290, r + 355, 75, "unit"),
      Text12("UnitSup1", 312, r + 354, 16, 20, ""),
      Text12("Density2", 160, r + 385, 280, 15, "corresponding density"),
  };
}

WindowDesign StateEntryPanel::FrameDesign(const StateWindowFrame& f, const std::vector<std::string_view>& order,
                                          const std::vector<ControlDesign>& rows, bool reversedControlLists) {
  return {f.className,
          {{"Title", f.title}, {"Width", 460}, {"Height", f.height}, {"Placement", 2}},
          InCreationOrder(order, rows),
          reversedControlLists};
}

void StateEntryPanel::EmptyResults() {
  for (const char* label : resultLabels_) Label(label).SetText(QString());
}

void StateEntryPanel::RefuseState() {
  SetWarning(*this, StateWarning());
  EmptyResults();
}

void StateEntryPanel::ShowNoResult() {
  EmptyResults();
  SetWarning(*this, QStringLiteral("no result"));
}

void StateEntryPanel::ResetSaturationHints() {
  Label("satliq").SetText(QStringLiteral("liquid"));
  Label("satvap").SetText(QStringLiteral("vapour"));
}

// The entries are typed anew in the new mode; the temperature unit and the shared state stay.
void StateEntryPanel::ShowMode(const ModeTexts& m) {
  ResetSaturationHints();
  Field("dataEntryPV").SetText(QString());
  Field("dataEntryT").SetText(QString());
  Label("Parameter").SetText(m.parameter);
  Label("Unit0").SetText(m.unit0);
  Label("Unitsup").SetText(m.unitSup);
  Label("Density1").SetText(m.density1);
  Label("Parameter1").SetText(m.parameter1);
  Label("Unit1").SetText(m.unit1);
  Label("UnitSup1").SetText(m.unitSup1);
  Label("Density2").SetText(m.density2);
  Control<Platform::PushButton>("PushButton1").setText(m.button);
}

void StateEntryPanel::RadioButtonTP_Action() {
  static const ModeTexts kTP{"Pressure", "MPa", "", "",
                             "Molar Volume", "cm /mol", "3", "corresponding density",
                             "volume calculation"};
  if (InTPMode()) ShowMode(kTP);
}

void StateEntryPanel::RadioButtonTV_Action() {
  static const ModeTexts kTV{"Molar Volume", "cm /mol", "3", "corresponding density",
                             "Pressure", "MPa", "", "",
                             "pressure calculation"};
  if (InTVMode()) ShowMode(kTV);
}

// The typed pressure or volume reaches the module state only through PushButton1.
void StateEntryPanel::dataEntryPV_TextChange() {
  Label("ResultPV").SetText(QString());
  EmptyResults();
  SetWarning(*this);
  if (InTVMode()) Label("Density1").SetText(DensityHintGcm3(Val(Field("dataEntryPV").Text())));
  if (InTPMode()) Label("Density2").SetText(kIdleDensity);
}

void StateEntryPanel::Clear_Action() {
  Field("dataEntryT").SetText(QString());
  Field("dataEntryPV").SetText(QString());
  Label("ResultPV").SetText(QString());
  ResetSaturationHints();
  Label("Density1").SetText(QString());
  Label("Density2").SetText(QString());
  EmptyResults();
  SetWarning(*this);
  Globals::TempKelvin = 0;
  Globals::PresMPa = 0;
  Globals::MolarVol = 0;
}

// The temperature is stored at every change; the second quantity belongs to the old one.
void StateEntryPanel::dataEntryT_TextChange() {
  Field("dataEntryPV").SetText(QString());
  Label("ResultPV").SetText(QString());
  SetWarning(*this);
  EmptyResults();
  Globals::TempKelvin = ReadTemperature(*this, "dataEntryT", Globals::TempKelvin);
  ShowSaturationHints(Globals::TempKelvin);
}

// Where T lies against the triple and the critical point; no temperature leaves the hints.
void StateEntryPanel::ShowSaturationHints(double T) {
  if (Globals::TripleTempKelvin <= T && T <= Globals::CritTempKelvin) {
    const double Vl = Globals::SaturationV(Globals::SatSelLiquid, T);
    const double Vv = Globals::SaturationV(Globals::SatSelVapour, T);
    Label("satliq").SetText(QStringLiteral("liquid = ") + Str(Vl) + QStringLiteral(" cm3/mol"));
    Label("satvap").SetText(QStringLiteral("vapour = ") + Str(Vv) + QStringLiteral(" cm3/mol"));
  }
  if (Globals::CritTempKelvin < T) {
    Label("satliq").SetText(QStringLiteral("super-critical fluid conditions"));
    Label("satvap").SetText(QString());
  }
  if (0 < T && T < Globals::TripleTempKelvin) {
    Label("satliq").SetText(QStringLiteral("sub-triple fluid conditions (solid CH4)"));
    Label("satvap").SetText(QString());
  }
}

// The typed temperature is dropped, not converted.
void StateEntryPanel::SwitchTemperatureUnit(const QString& unitLabel) {
  Label("StaticText1").SetText(unitLabel);
  Field("dataEntryT").SetText(QString());
  Globals::TempKelvin = 0;
  ResetSaturationHints();
}

void StateEntryPanel::Kelvin_Action() {
  if (Radio("Kelvin").Value()) SwitchTemperatureUnit(KelvinLabel());
}

void StateEntryPanel::Celsius_Action() {
  if (Radio("Celsius").Value()) SwitchTemperatureUnit(CelsiusLabel());
}

void StateEntryPanel::PushButton1_Action() {
  const double T = ReadTemperature(*this, "dataEntryT", 0.0);
  const double x = Val(Field("dataEntryPV").Text());
  if (!(T > 0) || !(x > 0)) {
    if (InTPMode()) SetWarning(*this, QStringLiteral("warning: put a number for temperature and pressure"));
    if (InTVMode()) SetWarning(*this, QStringLiteral("warning: put a number for temperature and molar volume"));
    return;
  }
  SetWarning(*this);
  Globals::TempKelvin = T;
  if (InTPMode()) CompleteVolume(T, x);
  if (InTVMode()) CompletePressure(T, x);
}

// Only a root that is a stable fluid state is shown; none is 0, with no message.
void StateEntryPanel::CompleteVolume(double T, double P) {
  Globals::PresMPa = P;
  const double V0 = T < Globals::CritTempKelvin
                        ? SaturationStartVolume(T, P, Globals::PanelStartOffset)
                        : Globals::CritMolarVol;
  const double V = Globals::FiniteOrZero(Globals::PhysicalVolume(T, P, V0));
  Globals::MolarVol = V;
  Label("ResultPV").SetText(Str(V));
  Label("Density2").SetText(V > 0 ? DensityHintGcm3(V) : QString());
}

// The pressure is evaluated only where the equation holds: V >= 15, T >= 90.
void StateEntryPanel::CompletePressure(double T, double V) {
  Globals::MolarVol = V;
  const bool inRange = V >= Globals::MinMolarVol && T >= Globals::MinTempKelvinPanel;
  Globals::PresMPa = inRange ? Globals::FiniteOrZero(Globals::Setzmann_Pressure(T, V)) : 0.0;
  Label("ResultPV").SetText(Str(Globals::PresMPa));
  Label("Density2").SetText(QString());
}
