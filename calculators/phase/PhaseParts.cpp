#include "calculators/phase/PhaseParts.h"

#include "app/platform/ValStr.h"
#include "eos/Globals.h"

using enum Platform::ControlClass;
using Platform::Str;

std::string CurveLimitsText() {
  return "critical p. temperature 190.564 K (-82.586 \u02DAC)\r"
         "critical p. pressure 4.5922 MPa (45.922 bar)\r"
         "triple p. temperature 90.6941 K (-182.4559 \u02DAC)\r"
         "triple p. pressure 0.011696 MPa (0.11696 bar)";
}

ControlDesign MethodGroup(const char* group, int top) {
  return {GroupBox, group, 20, top, 400, 66,
          {{"Caption", "Select Method "}, {"TextSize", 16}, {"Italic", true}}};
}

ControlDesign MethodRadio(const char* name, const char* group, int top, Handler handler) {
  const bool simple = std::string(name) == "Simple";
  return {RadioButton, name, simple ? 35 : 245, top + 30, simple ? 175 : 160, 25,
          {{"Caption", simple ? "simple correlation*" : "fugacity equality"}, {"TextSize", 16},
           {"InitialParent", group}},
          handler};
}

Platform::PropertyList PhaseWindowProperties(const char* title, int height) {
  return {{"Title", title},   {"Width", 635},    {"Height", height}, {"MinWidth", 635},
          {"MinHeight", 400}, {"MaxWidth", 635}, {"MaxHeight", 925}, {"Placement", 2},
          {"Resizeable", true}};
}

ControlDesign EmpiricalsButton(int top, Handler handler) {
  return {PushButton, "empiricals", 490, top + 20, 120, 20,
          {{"Caption", "* empirical formula"}, {"TextSize", 10}}, handler};
}

void ShowPhaseVolumes(ImplicitWindow& window, double vLiquid, double vVapour, const QString& noDensity) {
  window.Label("MolarV1").SetText(Str(vLiquid));
  window.Label("MolarV2").SetText(Str(vVapour));
  window.Label("Dens1").SetText(vLiquid > 0 ? Str(Globals::MolarMassGmol / vLiquid) : noDensity);
  window.Label("Dens2").SetText(vVapour > 0 ? Str(Globals::MolarMassGmol / vVapour) : noDensity);
}
