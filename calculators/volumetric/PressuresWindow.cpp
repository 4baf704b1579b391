#include "calculators/volumetric/PressuresWindow.h"

#include "app/Conventions.h"
#include "app/Pictures.h"
#include "app/platform/ValStr.h"
#include "calculators/volumetric/Isochore.h"
#include "calculators/volumetric/SaturationLimits.h"
#include "eos/Globals.h"

using enum Platform::ControlClass;
using Platform::Str;
using Platform::Val;

const WindowDesign& PressuresWindow::Design() {
  static const WindowDesign design{
      "PressuresWindow",
      {{"Title", "Pressures CH4"}, {"Width", 470}, {"Height", 394}, {"Placement", 0}},
      Rows({
          {
              {StaticText, "PressureText", 22, 309, 100, 25, {{"Text", "Pressure"}, {"TextSize", 16}}},
              {StaticText, "Result", 155, 309, 120, 25, {{"TextSize", 16}}},
              {StaticText, "StaticText1", 290, 309, 45, 25, {{"Text", "MPa"}, {"TextSize", 16}}},
              {StaticText, "MolarVolume", 20, 85, 130, 25, {{"Text", "Molar Volume"}, {"TextSize", 16}}},
              {StaticText, "Temperature", 20, 145, 130, 25, {{"Text", "Temperature"}, {"TextSize", 16}}},
              {EditField, "dataEntry", 155, 85, 120, 25, {{"TextSize", 16}},
               On(&PressuresWindow::dataEntry_TextChange)},
              {EditField, "dataEntry1", 155, 145, 120, 25, {{"TextSize", 16}},
               On(&PressuresWindow::dataEntry1_TextChange)},
              CalculateRow(30, 249, On(&PressuresWindow::calculate_Action)),
              {StaticText, "StaticText2", 285, 85, 75, 25, {{"Text", "cm /mol"}, {"TextSize", 16}}},
              {StaticText, "StaticText3", 307, 84, 16, 20, {{"Text", "3"}, {"TextSize", 12}}},
              {StaticText, "StaticText4", 285, 145, 70, 25, {{"Text", "Kelvin"}, {"TextSize", 16}}},
              KelvinRow(382, 152, nullptr, On(&PressuresWindow::Kelvin_Action)),
              CelsiusRow(382, 152, nullptr, On(&PressuresWindow::Celsius_Action)),
              {GroupBox, "GroupBox1", 375, 145, 70, 54, {}},
              {PushButton, "PushButton1", 305, 349, 140, 25,
               {{"Caption", "Isochore calculation"}, {"TextSize", 12}},
               On(&PressuresWindow::PushButton1_Action)},
              ClearRow(399, 20, On(&PressuresWindow::Clear_Action)),
              {StaticText, "DefPres", 20, 20, 158, 25,
               {{"Text", "Definition Pressure:"}, {"TextSize", 16}}},
              WarningRow(160, 249),
              HorizontalLineRow("Line1", 20, 294, 430),
              {StaticText, "Density", 155, 117, 300, 15,
               {{"Text", "corresponding density"}, {"TextSize", 12}}},
          },
          SaturationLimitRows("temperaturelimit", 180),
          {{Canvas, "Canvas1", 180, 20, 184, 50, {}, nullptr, pressure1}},
      })};
  return design;
}

// With neither unit on, the stored temperature stays as it was.
void PressuresWindow::ReadTemperatureEntry() {
  Globals::TempKelvin = ReadTemperature(*this, "dataEntry1", Globals::TempKelvin);
}

void PressuresWindow::dataEntry_TextChange() {
  Globals::MolarVol = Val(Field("dataEntry").Text());
  Label("Density").SetText(DensityHintKgM3(Globals::MolarVol));
  Label("Result").SetText(QString());
  SetWarning(*this);
}

void PressuresWindow::dataEntry1_TextChange() {
  ReadTemperatureEntry();
  const double T = Globals::TempKelvin;
  if (T < Globals::CritTempKelvin)
    ShowSaturationLimits(*this, "temperaturelimit", QStringLiteral("At temperatures below critical point:"), T);
  else
    EmptySaturationLimits(*this, "temperaturelimit");
  Label("Result").SetText(QString());
  SetWarning(*this);
}

void PressuresWindow::calculate_Action() {
  ReadTemperatureEntry();
  Globals::MolarVol = Val(Field("dataEntry").Text());
  if (!(Globals::MolarVol > 0) || !(Globals::TempKelvin > 0)) {
    SetWarning(*this, QStringLiteral("warning: put a number for temperature and molar volume"));
    return;
  }
  Platform::StaticText& result = Label("Result");
  if (Globals::MolarVol >= Globals::MinMolarVol && Globals::TempKelvin >= Globals::MinTempKelvinPres) {
    const double P = Globals::Setzmann_Pressure(Globals::TempKelvin, Globals::MolarVol);
    Globals::PresMPa = P;
    result.SetTextColor(Platform::Black);
    result.SetTextSize(16);
    result.SetText(Str(P));
  } else {
    result.SetTextColor(Platform::Red);
    result.SetTextSize(14);
    result.SetText(QStringLiteral("no result"));
  }
  SetWarning(*this);
}

void PressuresWindow::Kelvin_Action() {
  if (Radio("Kelvin").Value()) Label("StaticText4").SetText(KelvinLabel());
}

void PressuresWindow::Celsius_Action() {
  if (Radio("Celsius").Value()) Label("StaticText4").SetText(CelsiusLabel());
}

void PressuresWindow::PushButton1_Action() { Isochore().Show(); }

void PressuresWindow::Clear_Action() {
  Field("dataEntry").SetText(QString());
  Field("dataEntry1").SetText(QString());
  Label("Result").SetText(QString());
  ResetTemperatureUnit(*this, "StaticText4");
  SetWarning(*this);
  EmptySaturationLimits(*this, "temperaturelimit");
}

void PressuresWindow::Event_Activate() {
  SetWarning(*this);
  EmptySaturationLimits(*this, "temperaturelimit");
}
