#include "calculators/energy/FugacityWindow.h"

#include <cmath>

#include "app/Conventions.h"
#include "app/Pictures.h"
#include "app/platform/ValStr.h"
#include "eos/Globals.h"

using Platform::Str;
using Platform::Val;

namespace {

const StateWindowFrame kFrame{
    .className = "FugacityWindow",
    .title = "CH4 Fugacities",
    .height = 665,
    .picture = fugacity1,
    .definition = "Definition Fugacity Coefficient:",
    .definitionWidth = 243,
    .canvasLeft = 40, .canvasTop = 50, .canvasWidth = 311, .canvasHeight = 55,
    .canvasFocusRing = true,
    .panel = {.top = 120, .lowerRows = 5, .clearLeft = 390, .clearTop = 24},
    .line = 580,
};

}  // namespace

FugacityWindow::FugacityWindow() : WindowOf({"FugacityResult", "CoefficientResult"}) {}

const WindowDesign& FugacityWindow::Design() {
  static const WindowDesign design = [] {
    const int L = kFrame.line;
    std::vector<ControlDesign> rows = FrameRows(kFrame, On(&FugacityWindow::calculate_Action));
    rows.push_back(LabelRow("Fugacity", 30, L + 10, 180, 25, "Fugacity", 16));
    rows.push_back(LabelRow("Coefficient", 30, L + 40, 180, 25, "Fugacity coefficient", 16));
    rows.push_back(LabelRow("FugacityResult", 210, L + 10, 120, 25, "", 16));
    rows.push_back(LabelRow("CoefficientResult", 210, L + 40, 120, 25, "", 16));
    rows.push_back(LabelRow("StaticText10", 340, L + 10, 40, 25, "MPa", 16));
    return FrameDesign(
        kFrame,
        {"Clear", "Fugacity", "Coefficient", "FugacityResult", "CoefficientResult", "StaticText10",
         "Definition", "Parameter", "dataEntryPV", "Parameter1", "Unit1", "UnitSup1", "PushButton1",
         "Line1", "GroupBox1", "RadioButtonTP", "RadioButtonTV", "Unit0", "Unitsup", "ResultPV",
         "Rectangle1", "sat1", "satliq", "satvap", "Temperature", "dataEntryT", "StaticText1",
         "GroupBox2", "Kelvin", "Density1", "Celsius", "Density2", "warning", "calculate", "Canvas1"},
        rows, /*reversedControlLists=*/true);
  }();
  return design;
}

// The pressure and volume are the numbers the panel shows, not the unrounded module values.
void FugacityWindow::calculate_Action() {
  const double T = Globals::TempKelvin;
  double P = 0, V = 0;
  if (InTPMode()) {
    P = Val(Field("dataEntryPV").Text());
    V = Val(Label("ResultPV").Text());
  }
  if (InTVMode()) {
    V = Val(Field("dataEntryPV").Text());
    P = Val(Label("ResultPV").Text());
  }
  if (!(V > 0) || !(T > 0) || !(P > 0)) return RefuseState();
  // 0 is the core's answer for a coefficient out of reach, not a fugacity.
  const double f = Globals::Setzmann_Fugacity(T, P, V);
  const double phi = f / P;
  if (f == 0 || !std::isfinite(f) || !std::isfinite(phi)) return ShowNoResult();
  Label("FugacityResult").SetText(Str(f));
  Label("CoefficientResult").SetText(Str(phi));
  SetWarning(*this);
}
