#include "calculators/volumetric/TemperatureWindow.h"

#include "app/Conventions.h"
#include "app/Pictures.h"
#include "app/platform/ValStr.h"
#include "calculators/volumetric/FirstApproach.h"
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
      Rows({
          {
              LabelRow("MolarVolume", 20, 115, 130, 25, "Molar Volume", 16),
              {EditField, "dataEntry", 155, 115, 120, 25, {{"TextSize", 16}},
               On(&TemperatureWindow::dataEntry_TextChange)},
              LabelRow("StaticText2", 307, 114, 16, 20, "3", 12),
              LabelRow("StaticText1", 285, 115, 80, 25, "cm /mol", 16),
              // The one element of the control array "Pressure".
              {StaticText, "Pressure", 20, 170, 130, 25,
               {{"Text", "Pressure"}, {"TextSize", 16}, {"Index", 1}}},
              {EditField, "dataEntry1", 155, 170, 120, 25, {{"TextSize", 16}},
               On(&TemperatureWindow::dataEntry1_TextChange)},
              LabelRow("StaticText3", 285, 170, 80, 25, "MPa", 16),
              LabelRow("Temperature", 30, 545, 115, 25, "Temperature", 16),
              LabelRow("Result", 155, 545, 120, 25, "", 16),
              LabelRow("StaticText4", 285, 545, 80, 25, "Kelvin", 16),
              KelvinRow(372, 552, nullptr, On(&TemperatureWindow::Kelvin_Action)),
              CelsiusRow(372, 552, nullptr, On(&TemperatureWindow::Celsius_Action)),
              // Drawn around the unit buttons, which are the window's children, not its own.
              {GroupBox, "GroupBox1", 365, 545, 70, 54, {}},
              ClearRow(400, 110, On(&TemperatureWindow::Clear_Action)),
              LabelRow("DefTemp", 20, 20, 200, 25, "Definition Temperature:", 16),
              {StaticText, "StaticText5", 175, 76, 278, 17,
               {{"Text", "numerically extracted from pressure definition"}, {"TextSize", 12},
                {"Multiline", true}}},
              LabelRow("Density", 155, 145, 300, 15, "corresponding density", 12),
          },
          FirstApproachRows({.left = 45, .top = 275, .noteName = "StaticText6", .quantity = "temperature",
                             .entryLabel = "Temperature", .entryName = "dataEntryT",
                             .unitName = "StaticText7", .unitText = "Kelvin", .superscriptName = nullptr,
                             .choice0 = On(&TemperatureWindow::Choice0_Action),
                             .choice1 = On(&TemperatureWindow::Choice1_Action),
                             .entry = On(&TemperatureWindow::dataEntryT_TextChange),
                             .analysis = On(&TemperatureWindow::Analysis_Action)}),
          {
              CalculateRow(30, 485, On(&TemperatureWindow::calculate_Action)),
              WarningRow(155, 485),
              HorizontalLineRow("Line1", 20, 530, 430),
          },
          SaturationLimitRows("pressurelimit", 205),
          {{Canvas, "Canvas1", 220, 20, 184, 50, {}, nullptr, pressure1}},
      })};
  return design;
}

void TemperatureWindow::dataEntry_TextChange() {
  WithdrawFirstApproach(*this);
  Field("dataEntryT").SetText(QString());
  Globals::MolarVol = Val(Field("dataEntry").Text());
  Label("Density").SetText(DensityHintKgM3(Globals::MolarVol));
  Label("Result").SetText(QString());
  SetWarning(*this);
}

// Below the critical pressure the saturated volumes at that pressure bound the molar
// volumes that lie outside the two-phase region.
void TemperatureWindow::dataEntry1_TextChange() {
  WithdrawFirstApproach(*this);
  Label("Result").SetText(QString());
  SetWarning(*this);
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
  Label("StaticText4").SetText(KelvinLabel());
  Label("Result").SetText(Globals::TempKelvin > 0 ? Str(Globals::TempKelvin) : QString());
}

void TemperatureWindow::Celsius_Action() {
  if (!Radio("Celsius").Value()) return;
  Label("StaticText4").SetText(CelsiusLabel());
  Label("Result").SetText(Globals::TempKelvin > 0 ? Str(Globals::TempKelvin - Globals::CelsiusOffset)
                                                  : QString());
}

// Clear turns "in K" back on, so the unit label follows it: no result in K under "Celsius".
void TemperatureWindow::Clear_Action() {
  WithdrawFirstApproach(*this);
  ResetTemperatureUnit(*this, "StaticText4");
  Field("dataEntry").SetText(QString());
  Field("dataEntry1").SetText(QString());
  Label("Result").SetText(QString());
  SetWarning(*this);
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
  SetWarning(*this);
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
    SetWarning(*this, QStringLiteral("warning: put a number for molar volume and pressure"));
    return;
  }
  SetWarning(*this);

  // With neither approach chosen there is no start, and the search from 0 finds nothing.
  const double T0 = Radio("Choice1").Value() ? Val(Field("dataEntryT").Text()) : 0;
  const double T = Radio("Choice0").Value() ? AutomaticTemperature(P, V) : Globals::Setzmann_Temperature(P, V, T0);
  Globals::TempKelvin = T;
  if (T > 0) {
    if (Radio("Celsius").Value()) Label("Result").SetText(Str(Globals::TempKelvin - Globals::CelsiusOffset));
    if (Radio("Kelvin").Value()) Label("Result").SetText(Str(Globals::TempKelvin));
  } else {
    SetWarning(*this, QStringLiteral("Change first approach"));
    Label("Result").SetText(QString());
  }
}

void TemperatureWindow::Event_Activate() {
  SetWarning(*this);
  EmptySaturationLimits(*this, "pressurelimit");
}
