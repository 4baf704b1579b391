#include "calculators/volumetric/FirstApproach.h"

#include <string>

#include "app/Conventions.h"

using enum Platform::ControlClass;

namespace {

ControlDesign Inside(ControlDesign row) {
  row.props.emplace_back("InitialParent", "GroupBox2");
  return row;
}

ControlDesign Choice(const char* name, int left, int top, Handler handler) {
  return Inside({RadioButton, name, left, top, 20, 20, {{"TextFont", "palatino"}, {"TextSize", 18}}, handler});
}

ControlDesign ChoiceText(const char* name, int left, int top, const char* text) {
  ControlDesign row = LabelRow(name, left, top, 180, 20, text, 14);
  row.props.emplace_back("Italic", true);
  return Inside(row);
}

}  // namespace

std::vector<ControlDesign> FirstApproachRows(const FirstApproachDesign& d) {
  const int x = d.left, y = d.top;
  const std::string note =
      "The complexity of the equation of state can result in a variety of solutions for the " + std::string(d.quantity);
  ControlDesign noteRow{StaticText, d.noteName, x + 20, y + 30, 340, 31,
                        {{"Text", note}, {"TextSize", 12}, {"Multiline", true}}};
  std::vector<ControlDesign> rows{
      {GroupBox, "GroupBox2", x, y, 380, 195,
       {{"Caption", "Select a first approach"}, {"TextSize", 16}, {"Italic", true}}},
      Inside(noteRow),
      Choice("Choice0", x + 20, y + 70, d.choice0),
      ChoiceText("TextChoice0", x + 45, y + 70, "automatic"),
      Choice("Choice1", x + 20, y + 95, d.choice1),
      ChoiceText("TextChoice1", x + 45, y + 95, "manual"),
      Inside(LabelRow("MolarVolume1", x + 60, y + 120, 100, 20, d.entryLabel, 14)),
      Inside({EditField, d.entryName, x + 170, y + 120, 100, 20, {{"TextSize", 14}}, d.entry}),
      Inside(LabelRow(d.unitName, x + 280, y + 120, 75, 20, d.unitText, 14)),
  };
  if (d.superscriptName) rows.push_back(Inside(LabelRow(d.superscriptName, x + 299, y + 116, 16, 20, "3", 11)));
  rows.push_back(Inside({PushButton, "Analysis", x + 230, y + 155, 130, 20,
                         {{"Caption", "Mathematical Analysis"}, {"TextSize", 10}}, d.analysis}));
  return rows;
}

void WithdrawFirstApproach(ImplicitWindow& window) {
  window.Radio("Choice0").SetValue(false);
  window.Radio("Choice1").SetValue(false);
}
