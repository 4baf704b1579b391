#include "calculators/volumetric/TemperatureWindow.h"

#include "app/Conventions.h"
#include "app/Pictures.h"
#include "app/platform/ValStr.h"
#include "calculators/volumetric/MathAnalT.h"
#include "calculators/volumetric/SaturationLimits.h"
#include "eos/Globals.h"
#include "eos/PhysicalRoots.h"

using enum Platform::ControlClass;
using Platform::Str;
using Platform::Val;

const WindowDesign& TemperatureWindow::Design() {
  static const WindowDesign design{
      "TemperatureWindow",
      // Built hidden and centred; the chooser shows it.
      {{"Title", "Temperatures CH4"}, {"Width", 470}, {"Height", 620}, {"Placement", 2},
       {"Visible", false}},
      {
          {StaticText, "MolarVolume", 20, 115, 130, 25,
           {{"Text", "Molar Volume"}, {"TextSize", 16}}},
          {EditField, "dataEntry", 155, 115, 120, 25, {{"TextSize", 16}},
           On(&TemperatureWindow::dataEntry_TextChange)},
          {StaticText, "StaticText2", 307, 114, 16, 20,
           {{"Text", "3"}, {"TextSize", 12}}},
          {StaticText, "StaticText1", 285, 115, 80, 25,
           {{"Text", "cm /mol"}, {"TextSize", 16}}},
          // The one element of the control array "Pressure".
          {StaticText, "Pressure", 20, 170, 130, 25,
           {{"Text", "Pressure"}, {"TextSize", 16}, {"Index", 1}}},
          {EditField, "dataEntry1", 155, 170, 120, 25, {{"TextSize", 16}},
           On(&TemperatureWindow::dataEntry1_TextChange)},
          {StaticText, "StaticText3", 285, 170, 80, 25,
           {{"Text", "MPa"}, {"TextSize", 16}}},
          {StaticText, "Temperature", 30, 545, 115, 25,
           {{"Text", "Temperature"}, {"TextSize", 16}}},
          {StaticText, "Result", 155, 545, 120, 25, {{"TextSize", 16}}},
          {StaticText, "StaticText4", 285, 545, 80, 25,
           {{"Text", "Kelvin"}, {"TextSize", 16}}},
          {RadioButton, "Kelvin", 372, 552, 56, 20,
           {{"Caption", "in K"}, {"TextSize", 12}, {"Value", true}},
           On(&TemperatureWindow::Kelvin_Action)},
          {RadioButton, "Celsius", 372, 573, 56, 20,
           {{"Caption", "in \u02DAC"}, {"TextSize", 12}},
           On(&TemperatureWindow::Celsius_Action)},
          // Drawn around the unit buttons, which are the window's children, not its own.
          {GroupBox, "GroupBox1", 365, 545, 70, 54, {}},
          {PushButton, "Clear", 400, 110, 50, 20, {{"Caption", "clear"}, {"TextSize", 10}},
           On(&TemperatureWindow::Clear_Action)},
          {StaticText, "DefTemp", 20, 20, 200, 25,
           {{"Text", "Definition Temperature:"}, {"TextSize", 16}}},
          {StaticText, "StaticText5", 175, 76, 278, 17,
           {{"Text", "numerically extracted from pressure definition"}, {"TextSize", 12},
            {"Multiline", true}}},
          {StaticText, "Density", 155, 145, 300, 15,
           {{"Text", "corresponding density"}, {"TextSize", 12}}},
          {GroupBox, "GroupBox2", 45, 275, 380, 195,
           {{"Caption", "Select a first approach"}, {"TextSize", 16}, {"Italic", true}}},
          {StaticText, "StaticText6", 65, 305, 340, 31,
           {{"Text", "The complexity of the equation of state can result in a variety of "
                     "solutions for the temperature"},
            {"TextSize", 12}, {"Multiline", true}, {"InitialParent", "GroupBox2"}}},
          {RadioButton, "Choice0", 65, 345, 20, 20,
           {{"TextFont", "palatino"}, {"TextSize", 18}, {"InitialParent", "GroupBox2"}},
           On(&TemperatureWindow::Choice0_Action)},
          {StaticText, "TextChoice0", 90, 345, 180, 20,
           {{"Text", "automatic"}, {"TextSize", 14}, {"Italic", true},
            {"InitialParent", "GroupBox2"}}},
          {RadioButton, "Choice1", 65, 370, 20, 20,
           {{"TextFont", "palatino"}, {"TextSize", 18}, {"InitialParent", "GroupBox2"}},
           On(&TemperatureWindow::Choice1_Action)},
          {StaticText, "TextChoice1", 90, 370, 180, 20,
           {{"Text", "manual"}, {"TextSize", 14}, {"Italic", true},
            {"InitialParent", "GroupBox2"}}},
          {StaticText, "MolarVolume1", 105, 395, 100, 20,
           {{"Text", "Temperature"}, {"TextSize", 14},
            {"InitialParent", "GroupBox2"}}},
          {EditField, "dataEntryT", 215, 395, 100, 20,
           {{"TextSize", 14}, {"InitialParent", "GroupBox2"}},
           On(&TemperatureWindow::dataEntryT_TextChange)},
          {StaticText, "StaticText7", 325, 395, 75, 20,
           {{"Text", "Kelvin"}, {"TextSize", 14},
            {"InitialParent", "GroupBox2"}}},
          {PushButton, "Analysis", 275, 430, 130, 20,
           {{"Caption", "Mathematical Analysis"}, {"TextSize", 10},
            {"InitialParent", "GroupBox2"}},
           On(&TemperatureWindow::Analysis_Action)},
          {PushButton, "calculate", 30, 485, 105, 30,
           {{"Caption", "calculate"}, {"TextSize", 18}, {"Default", true}},
           On(&TemperatureWindow::calculate_Action)},
          {StaticText, "warning", 155, 485, 270, 30,
           {{"TextColor", Platform::Red}, {"TextSize", 12}, {"Multiline", true}}},
          {Line, "Line1", 20, 530, 430, 0, {{"X1", 20}, {"Y1", 530}, {"X2", 450}, {"Y2", 530}}},
          {StaticText, "pressurelimit", 40, 205, 310, 16, {{"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "liquidlimit", 40, 225, 310, 16, {{"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "vapourlimit", 40, 245, 310, 16, {{"TextSize", 12}, {"Multiline", true}}},
          {Canvas, "Canvas1", 220, 20, 184, 50, {}, nullptr, pressure1},
      }};
  return design;
}

// A new molar volume or pressure asks for a new first approach.
void TemperatureWindow::WithdrawFirstApproach() {
  Radio("Choice0").SetValue(false);
  Radio("Choice1").SetValue(false);
}

void TemperatureWindow::dataEntry_TextChange() {
  WithdrawFirstApproach();
  Field("dataEntryT").SetText(QString());
  Globals::MolarVol = Val(Field("dataEntry").Text());
  Label("Density").SetText(DensityHintKgM3(Globals::MolarVol));
  Label("Result").SetText(QString());
  Label("warning").SetText(QString());
}

// Below the critical pressure the saturated volumes at that pressure bound the molar
// volumes that lie outside the two-phase region.
void TemperatureWindow::dataEntry1_TextChange() {
  WithdrawFirstApproach();
  Label("Result").SetText(QString());
  Label("warning").SetText(QString());
  Globals::PresMPa = Val(Field("dataEntry1").Text());
  if (Globals::PresMPa < Globals::WinCritPresMPa)
    ShowSaturationLimits(*this, "pressurelimit", QStringLiteral("At pressures below critical point:"),
                         Globals::SaturationT(Globals::PresMPa));
  else
    EmptySaturationLimits(*this, "pressurelimit");
}

// The result is redisplayed from the module temperature; with none computed (0) the
// result stays empty rather than showing a 0 that reads as a real temperature.
void TemperatureWindow::Kelvin_Action() {
  if (!Radio("Kelvin").Value()) return;
  Label("StaticText4").SetText(QStringLiteral("Kelvin"));
  Label("Result").SetText(Globals::TempKelvin > 0 ? Str(Globals::TempKelvin) : QString());
}

void TemperatureWindow::Celsius_Action() {
  if (!Radio("Celsius").Value()) return;
  Label("StaticText4").SetText(QStringLiteral("\u02DACelsius"));
  Label("Result").SetText(Globals::TempKelvin > 0 ? Str(Globals::TempKelvin - Globals::CelsiusOffset)
                                                  : QString());
}

// Clear turns "in K" back on, so the unit label follows it: no result in K under "Celsius".
void TemperatureWindow::Clear_Action() {
  WithdrawFirstApproach();
  Radio("Celsius").SetValue(false);
  Radio("Kelvin").SetValue(true);
  Label("StaticText4").SetText(QStringLiteral("Kelvin"));
  Field("dataEntry").SetText(QString());
  Field("dataEntry1").SetText(QString());
  Label("Result").SetText(QString());
  Label("warning").SetText(QString());
  Label("Density").SetText(QStringLiteral("corresponding density"));
  EmptySaturationLimits(*this, "pressurelimit");
}

void TemperatureWindow::Choice0_Action() {
  if (!Radio("Choice0").Value()) return;
  Field("dataEntryT").SetText(QString());
  Label("Result").SetText(QString());
}

void TemperatureWindow::Choice1_Action() {
  if (Radio("Choice1").Value()) Label("Result").SetText(QString());
}

void TemperatureWindow::dataEntryT_TextChange() {
  Label("Result").SetText(QString());
  Label("warning").SetText(QString());
}

void TemperatureWindow::Analysis_Action() { MathAnalT().Show(); }

// Above the critical pressure the ideal gas starts the search. Below it the start lies just
// below the saturation temperature for a liquid-like volume and just above it for a gas-like
// one; a volume between the saturated ones is a two-phase state, which the start on the
// saturation temperature itself is meant for, and its root is shown as it comes.
double TemperatureWindow::AutomaticTemperature(double P, double V) {
  if (P > Globals::WinCritPresMPa) return Globals::PhysicalTemperature(P, V, P * V / Globals::GasConstR);
  const double Ts = Globals::SaturationT(P);
  const double Vvap = Globals::SaturationV(Globals::SatSelVapour, Ts);
  const double Vliq = Globals::SaturationV(Globals::SatSelLiquid, Ts);
  if (V < Vliq) return Globals::PhysicalTemperature(P, V, Ts - Globals::WinStartOffset);
  if (Vvap < V) return Globals::PhysicalTemperature(P, V, Ts + Globals::WinStartOffset);
  return Globals::Setzmann_Temperature(P, V, Ts);
}

void TemperatureWindow::calculate_Action() {
  Globals::MolarVol = Val(Field("dataEntry").Text());
  Globals::PresMPa = Val(Field("dataEntry1").Text());
  const double V = Globals::MolarVol;
  const double P = Globals::PresMPa;
  if (!(V > 0) || !(P > 0)) {
    Label("warning").SetText(QStringLiteral("warning: put a number for molar volume and pressure"));
    return;
  }
  Label("warning").SetText(QString());

  // With neither approach chosen there is no start, and the search from 0 finds nothing.
  const double T0 = Radio("Choice1").Value() ? Val(Field("dataEntryT").Text()) : 0;
  const double T = Radio("Choice0").Value() ? AutomaticTemperature(P, V) : Globals::Setzmann_Temperature(P, V, T0);
  Globals::TempKelvin = T;
  if (T > 0) {
    if (Radio("Celsius").Value()) Label("Result").SetText(Str(Globals::TempKelvin - Globals::CelsiusOffset));
    if (Radio("Kelvin").Value()) Label("Result").SetText(Str(Globals::TempKelvin));
  } else {
    Label("warning").SetText(QStringLiteral("Change first approach"));
    Label("Result").SetText(QString());
  }
}

void TemperatureWindow::Event_Activate() {
  Label("warning").SetText(QString());
  EmptySaturationLimits(*this, "pressurelimit");
}
