#include "calculators/volumetric/VolumeWindow.h"

#include "app/Conventions.h"
#include "app/Pictures.h"
#include "app/platform/ValStr.h"
#include "calculators/volumetric/FirstApproach.h"
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
      Rows({
          {
              LabelRow("DefVol", 20, 20, 200, 25, "Definition Molar Volume:", 16),
              {StaticText, "StaticText10", 165, 75, 278, 17,
               {{"Text", "numerically extracted from pressure definition"}, {"TextSize", 12},
                {"Multiline", true}}},
              LabelRow("PressureText", 20, 110, 130, 25, "Pressure", 16),
              {EditField, "dataEntryP", 155, 110, 120, 25, {{"TextSize", 16}},
               On(&VolumeWindow::dataEntryP_TextChange)},
              LabelRow("StaticText7", 285, 110, 80, 25, "MPa", 16),
              LabelRow("Temperature", 20, 150, 130, 25, "Temperature", 16),
              {EditField, "dataEntryT", 155, 150, 120, 25, {{"TextSize", 16}},
               On(&VolumeWindow::dataEntryT_TextChange)},
              LabelRow("StaticText8", 285, 150, 80, 25, "Kelvin", 16),
              ClearRow(390, 110, On(&VolumeWindow::Clear_Action)),
              {GroupBox, "GroupBox1", 370, 150, 70, 54, {}},
              KelvinRow(377, 157, "GroupBox1", On(&VolumeWindow::Kelvin_Action)),
              CelsiusRow(377, 157, "GroupBox1", On(&VolumeWindow::Celsius_Action)),
          },
          FirstApproachRows({.left = 40, .top = 220, .noteName = "StaticText9", .quantity = "molar volume",
                             .entryLabel = "Molar Volume", .entryName = "dataEntryV",
                             .unitName = "StaticText3", .unitText = "cm /mol", .superscriptName = "StaticText4",
                             .choice0 = On(&VolumeWindow::Choice0_Action),
                             .choice1 = On(&VolumeWindow::Choice1_Action),
                             .entry = On(&VolumeWindow::dataEntryV_TextChange),
                             .analysis = On(&VolumeWindow::Analysis_Action)}),
          {
              CalculateRow(30, 430, On(&VolumeWindow::calculate_Action)),
              WarningRow(160, 430),
              HorizontalLineRow("Line1", 20, 475, 420),
              LabelRow("Result", 220, 490, 120, 25, "", 16),
              LabelRow("StaticText1", 350, 490, 75, 25, "cm /mol", 16),
              LabelRow("StaticText2", 372, 489, 16, 20, "3", 12),
              LabelRow("MolarVolume", 30, 490, 180, 25, "Molar Volume", 16),
              LabelRow("Density", 30, 520, 180, 25, "Density", 16),
              LabelRow("DensityResult", 220, 520, 120, 25, "", 16),
              LabelRow("StaticText5", 350, 520, 55, 25, "g/cm", 16),
              LabelRow("StaticText6", 385, 516, 16, 20, "3", 12),
              {Canvas, "Canvas1", 230, 20, 184, 50, {}, nullptr, pressure1},
          },
      })};
  return design;
}

void VolumeWindow::EmptyResults() {
  Label("Result").SetText(QString());
  Label("DensityResult").SetText(QString());
}

void VolumeWindow::dataEntryP_TextChange() {
  EmptyResults();
  WithdrawFirstApproach(*this);
  SetWarning(*this);
  Globals::PresMPa = Val(Field("dataEntryP").Text());
}

void VolumeWindow::dataEntryT_TextChange() {
  EmptyResults();
  WithdrawFirstApproach(*this);
  SetWarning(*this);
  Globals::TempKelvin = ReadTemperature(*this, "dataEntryT", Globals::TempKelvin);
}

void VolumeWindow::Clear_Action() {
  Field("dataEntryT").SetText(QString());
  Field("dataEntryP").SetText(QString());
  Field("dataEntryV").SetText(QString());
  EmptyResults();
  WithdrawFirstApproach(*this);
  SetWarning(*this);
}

// The unit label only: the entry is read in the new unit at its next change or calculation.
void VolumeWindow::Kelvin_Action() {
  if (Radio("Kelvin").Value()) Label("StaticText8").SetText(KelvinLabel());
}

void VolumeWindow::Celsius_Action() {
  if (Radio("Celsius").Value()) Label("StaticText8").SetText(CelsiusLabel());
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
  SetWarning(*this);
}

void VolumeWindow::Analysis_Action() { MathAnal().Show(); }

// The search starts from the ideal gas above the critical temperature; below it the phase
// follows from the vapour pressure, and the start lies just outside the saturated volume on
// the side of the root.
double VolumeWindow::AutomaticVolume(double T, double P) {
  if (T > Globals::CritTempKelvin) return Globals::PhysicalVolume(T, P, T * Globals::GasConstR / P);
  return Globals::PhysicalVolume(T, P, SaturationStartVolume(T, P, Globals::WinStartOffset));
}

void VolumeWindow::calculate_Action() {
  const double T = ReadTemperature(*this, "dataEntryT", 0.0);
  Globals::TempKelvin = T;
  const double P = Val(Field("dataEntryP").Text());
  Globals::PresMPa = P;
  if (!(P > 0) || !(T > 0)) {
    SetWarning(*this, QStringLiteral("warning: put a number for temperature and pressure"));
    return;
  }
  SetWarning(*this);

  // With neither approach chosen there is no start, and the search from 0 finds nothing.
  const double V0 = Radio("Choice1").Value() ? Val(Field("dataEntryV").Text()) : 0;
  const double V = Radio("Choice0").Value() ? AutomaticVolume(T, P)
                                            : Globals::Setzmann_Volume(T, P, V0);
  Label("Result").SetText(Str(V));
  if (V > 0) {
    Label("DensityResult").SetText(Str(Globals::MolarMassGmol / V));
  } else {
    SetWarning(*this, QStringLiteral("Change first approach"));
    EmptyResults();
  }
}

void VolumeWindow::Event_Activate() { SetWarning(*this); }
