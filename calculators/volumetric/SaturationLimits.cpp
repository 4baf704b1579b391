#include "calculators/volumetric/SaturationLimits.h"

#include "app/platform/ValStr.h"
#include "eos/Globals.h"

using Platform::Str;

std::vector<ControlDesign> SaturationLimitRows(const char* headingLabel, int top) {
  std::vector<ControlDesign> rows;
  for (const char* name : {headingLabel, "liquidlimit", "vapourlimit"}) {
    rows.push_back(
        {Platform::ControlClass::StaticText, name, 40, top, 310, 16, {{"TextSize", 12}, {"Multiline", true}}});
    top += 20;
  }
  return rows;
}

void ShowSaturationLimits(ImplicitWindow& window, const char* headingLabel, const QString& heading,
                          double T) {
  const double vapour = Globals::SaturationV(Globals::SatSelVapour, T);
  const double liquid = Globals::SaturationV(Globals::SatSelLiquid, T);
  window.Label(headingLabel).SetText(heading);
  window.Label("liquidlimit").SetText(QStringLiteral("  Vm (liquid) < ") + Str(liquid) + QStringLiteral(" cm3/mol"));
  window.Label("vapourlimit").SetText(QStringLiteral("  Vm (vapour) > ") + Str(vapour) + QStringLiteral(" cm3/mol"));
}

void EmptySaturationLimits(ImplicitWindow& window, const char* headingLabel) {
  window.Label(headingLabel).SetText(QString());
  window.Label("liquidlimit").SetText(QString());
  window.Label("vapourlimit").SetText(QString());
}
