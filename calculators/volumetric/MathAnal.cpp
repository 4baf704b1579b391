#include "calculators/volumetric/MathAnal.h"

#include "app/platform/ValStr.h"
#include "eos/Globals.h"

using enum Platform::ControlClass;
using Platform::Str;

namespace RootAnalysis {

WindowDesign Design(const char* className, const char* variableLine, Handler calculate,
                    bool reversedControlLists) {
  const std::string caption = std::string("Zero function = p(v,T,x) - Pressure\r") + variableLine;
  return WindowDesign{
      className,
      {{"Title", "Mathematical Analysis"}, {"Width", 260}, {"Height", 425}, {"Placement", 0}},
      {
          {Listbox, "ListBox1", 20, 105, 220, 300, {}},
          {PushButton, "calculate", 80, 60, 100, 30,
           {{"Caption", "calculate"}, {"TextSize", 16}, {"Default", true}},
           calculate},
          {StaticText, "StaticText1", 20, 20, 215, 30,
           {{"Text", caption}, {"TextSize", 12}, {"Multiline", true}}},
      },
      reversedControlLists};
}

void AppendRow(ImplicitWindow& window, double x, double f) {
  window.List("ListBox1").AddRow(Str(x), Str(f));
  Globals::CallBackgroundTask();
}

void Reset(ImplicitWindow& window, const char* variableHeading) {
  window.List("ListBox1").DeleteAllRows();
  window.List("ListBox1").SetHeading(0, QString::fromUtf8(variableHeading));
  window.List("ListBox1").SetHeading(1, QStringLiteral("Zero-function"));
}

}  // namespace RootAnalysis

const WindowDesign& MathAnal::Design() {
  static const WindowDesign design = RootAnalysis::Design(
      "MathAnal", "variable molar volume", On(&MathAnal::calculate_Action), false);
  return design;
}

// 501 volumes from 16.16 to about 2340 cm3/mol, each 1 % above the last: the liquid, the
// two-phase and the gas roots all fall inside. The module state is read at every pass.
void MathAnal::calculate_Action() {
  double v = 16.0;
  for (int pass = 0; pass <= 500; ++pass) {
    v = v * 1.01;
    const double f = Globals::Setzmann_Pressure(Globals::TempKelvin, v) - Globals::PresMPa;
    RootAnalysis::AppendRow(*this, v, f);
  }
}

void MathAnal::Event_Activate() { RootAnalysis::Reset(*this, "Molar Volume"); }
