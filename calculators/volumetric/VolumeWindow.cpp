#include "calculators/volumetric/VolumeWindow.h"

#include "app/Conventions.h"
#include "app/Pictures.h"
#include "app/platform/ValStr.h"
#include "calculators/volumetric/MathAnal.h"
#include "eos/Globals.h"
#include "eos/PhysicalRoots.h"

using enum Platform::ControlClass;
using Platform::Str;
using Platform::Val;

const WindowDesign& VolumeWindow::Design() {
  static const WindowDesign design{
      "VolumeWindow",
      {{"Title", "Molar Volume CH4"}, {"Width", 460}, {"Height", 560}, {"Placement", 0}},
      {
          {StaticText, "DefVol", 20, 20, 200, 25,
           {{"Text", "Definition Molar Volume:"}, {"TextSize", 16}}},
          {StaticText, "StaticText10", 165, 75, 278, 17,
           {{"Text", "numerically extracted from pressure definition"}, {"TextSize", 12},
            {"Multiline", true}}},
          {StaticText, "PressureText", 20, 110, 130, 25,
           {{"Text", "Pressure"}, {"TextSize", 16}}},
          {EditField, "dataEntryP", 155, 110, 120, 25, {{"TextSize", 16}},
           On(&VolumeWindow::dataEntryP_TextChange)},
          {StaticText, "StaticText7", 285, 110, 80, 25,
           {{"Text", "MPa"}, {"TextSize", 16}}},
          {StaticText, "Temperature", 20, 150, 130, 25,
           {{"Text", "Temperature"}, {"TextSize", 16}}},
          {EditField, "dataEntryT", 155, 150, 120, 25, {{"TextSize", 16}},
           On(&VolumeWindow::dataEntryT_TextChange)},
          {StaticText, "StaticText8", 285, 150, 80, 25,
           {{"Text", "Kelvin"}, {"TextSize", 16}}},
          {PushButton, "Clear", 390, 110, 50, 20, {{"Caption", "clear"}, {"TextSize", 10}},
           On(&VolumeWindow::Clear_Action)},
          {GroupBox, "GroupBox1", 370, 150, 70, 54, {}},
          {RadioButton, "Kelvin", 377, 157, 56, 20,
           {{"Caption", "in K"}, {"TextSize", 12}, {"Value", true},
            {"InitialParent", "GroupBox1"}},
           On(&VolumeWindow::Kelvin_Action)},
          {RadioButton, "Celsius", 377, 178, 56, 20,
           {{"Caption", "in \u02DAC"}, {"TextSize", 12},
            {"InitialParent", "GroupBox1"}},
           On(&VolumeWindow::Celsius_Action)},
          {GroupBox, "GroupBox2", 40, 220, 380, 195,
           {{"Caption", "Select a first approach"}, {"TextSize", 16}, {"Italic", true}}},
          {StaticText, "StaticText9", 60, 250, 340, 31,
           {{"Text", "The complexity of the equation of state can result in a variety of "
                     "solutions for the molar volume"},
            {"TextSize", 12}, {"Multiline", true}, {"InitialParent", "GroupBox2"}}},
          {RadioButton, "Choice0", 60, 290, 20, 20,
           {{"TextFont", "palatino"}, {"TextSize", 18}, {"InitialParent", "GroupBox2"}},
           On(&VolumeWindow::Choice0_Action)},
          {StaticText, "TextChoice0", 85, 290, 180, 20,
           {{"Text", "automatic"}, {"TextSize", 14}, {"Italic", true},
            {"InitialParent", "GroupBox2"}}},
          {RadioButton, "Choice1", 60, 315, 20, 20,
           {{"TextFont", "palatino"}, {"TextSize", 18}, {"InitialParent", "GroupBox2"}},
           On(&VolumeWindow::Choice1_Action)},
          {StaticText, "TextChoice1", 85, 315, 180, 20,
           {{"Text", "manual"}, {"TextSize", 14}, {"Italic", true},
            {"InitialParent", "GroupBox2"}}},
          {StaticText, "MolarVolume1", 100, 340, 100, 20,
           {{"Text", "Molar Volume"}, {"TextSize", 14},
            {"InitialParent", "GroupBox2"}}},
          {EditField, "dataEntryV", 210, 340, 100, 20,
           {{"TextSize", 14}, {"InitialParent", "GroupBox2"}},
           On(&VolumeWindow::dataEntryV_TextChange)},
          {StaticText, "StaticText3", 320, 340, 75, 20,
           {{"Text", "cm /mol"}, {"TextSize", 14},
            {"InitialParent", "GroupBox2"}}},
          {StaticText, "StaticText4", 339, 336, 16, 20,
           {{"Text", "3"}, {"TextSize", 11}, {"InitialParent", "GroupBox2"}}},
          {PushButton, "Analysis", 270, 375, 130, 20,
           {{"Caption", "Mathematical Analysis"}, {"TextSize", 10},
            {"InitialParent", "GroupBox2"}},
           On(&VolumeWindow::Analysis_Action)},
          {PushButton, "calculate", 30, 430, 105, 30,
           {{"Caption", "calculate"}, {"TextSize", 18}, {"Default", true}},
           On(&VolumeWindow::calculate_Action)},
          {StaticText, "warning", 160, 430, 270, 30,
           {{"TextColor", Platform::Red}, {"TextSize", 12}, {"Multiline", true}}},
          {Line, "Line1", 20, 475, 420, 0, {{"X1", 20}, {"Y1", 475}, {"X2", 440}, {"Y2", 475}}},
          {StaticText, "Result", 220, 490, 120, 25, {{"TextSize", 16}}},
          {StaticText, "StaticText1", 350, 490, 75, 25,
           {{"Text", "cm /mol"}, {"TextSize", 16}}},
          {StaticText, "StaticText2", 372, 489, 16, 20,
           {{"Text", "3"}, {"TextSize", 12}}},
          {StaticText, "MolarVolume", 30, 490, 180, 25,
           {{"Text", "Molar Volume"}, {"TextSize", 16}}},
          {StaticText, "Density", 30, 520, 180, 25,
           {{"Text", "Density"}, {"TextSize", 16}}},
          {StaticText, "DensityResult", 220, 520, 120, 25, {{"TextSize", 16}}},
          {StaticText, "StaticText5", 350, 520, 55, 25,
           {{"Text", "g/cm"}, {"TextSize", 16}}},
          {StaticText, "StaticText6", 385, 516, 16, 20,
           {{"Text", "3"}, {"TextSize", 12}}},
          {Canvas, "Canvas1", 230, 20, 184, 50, {}, nullptr, pressure1},
      }};
  return design;
}

void VolumeWindow::EmptyResults() {
  Label("Result").SetText(QString());
  Label("DensityResult").SetText(QString());
}

// A new pressure or temperature asks for a new first approach.
void VolumeWindow::WithdrawFirstApproach() {
  Radio("Choice0").SetValue(false);
  Radio("Choice1").SetValue(false);
}

void VolumeWindow::dataEntryP_TextChange() {
  EmptyResults();
  WithdrawFirstApproach();
  Label("warning").SetText(QString());
  Globals::PresMPa = Val(Field("dataEntryP").Text());
}

void VolumeWindow::dataEntryT_TextChange() {
  EmptyResults();
  WithdrawFirstApproach();
  Label("warning").SetText(QString());
  Globals::TempKelvin = ReadTemperature(*this, "dataEntryT", Globals::TempKelvin);
}

void VolumeWindow::Clear_Action() {
  Field("dataEntryT").SetText(QString());
  Field("dataEntryP").SetText(QString());
  Field("dataEntryV").SetText(QString());
  EmptyResults();
  WithdrawFirstApproach();
  Label("warning").SetText(QString());
}

// The unit label only: the entry is read in the new unit at its next change or calculation.
void VolumeWindow::Kelvin_Action() {
  if (Radio("Kelvin").Value()) Label("StaticText8").SetText(QStringLiteral("Kelvin"));
}

void VolumeWindow::Celsius_Action() {
  if (Radio("Celsius").Value()) Label("StaticText8").SetText(QStringLiteral("\u02DACelsius"));
}

void VolumeWindow::Choice0_Action() {
  if (!Radio("Choice0").Value()) return;
  Field("dataEntryV").SetText(QString());
  EmptyResults();
}

void VolumeWindow::Choice1_Action() {
  if (Radio("Choice1").Value()) EmptyResults();
}

void VolumeWindow::dataEntryV_TextChange() {
  EmptyResults();
  Label("warning").SetText(QString());
}

void VolumeWindow::Analysis_Action() { MathAnal().Show(); }

// The search starts from the ideal gas above the critical temperature; below it the phase
// follows from the vapour pressure, and the start lies just outside the saturated volume on
// the side of the root.
double VolumeWindow::AutomaticVolume(double T, double P) {
  if (T > Globals::CritTempKelvin) return Globals::PhysicalVolume(T, P, T * Globals::GasConstR / P);
  const double Psat = Globals::SaturationP(T);
  const double Vliq = Globals::SaturationV(Globals::SatSelLiquid, T);
  const double Vvap = Globals::SaturationV(Globals::SatSelVapour, T);
  return Globals::PhysicalVolume(T, P, Psat < P ? Vliq - Globals::WinStartOffset : Vvap + Globals::WinStartOffset);
}

void VolumeWindow::calculate_Action() {
  const double T = ReadTemperature(*this, "dataEntryT", 0.0);
  Globals::TempKelvin = T;
  const double P = Val(Field("dataEntryP").Text());
  Globals::PresMPa = P;
  if (!(P > 0) || !(T > 0)) {
    Label("warning").SetText(QStringLiteral("warning: put a number for temperature and pressure"));
    return;
  }
  Label("warning").SetText(QString());

  // With neither approach chosen there is no start, and the search from 0 finds nothing.
  const double V0 = Radio("Choice1").Value() ? Val(Field("dataEntryV").Text()) : 0;
  const double V = Radio("Choice0").Value() ? AutomaticVolume(T, P)
                                            : Globals::Setzmann_Volume(T, P, V0);
  Label("Result").SetText(Str(V));
  if (V > 0) {
    Label("DensityResult").SetText(Str(Globals::MolarMassGmol / V));
  } else {
    Label("warning").SetText(QStringLiteral("Change first approach"));
    EmptyResults();
  }
}

void VolumeWindow::Event_Activate() { Label("warning").SetText(QString()); }
