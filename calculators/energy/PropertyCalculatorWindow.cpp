#include "calculators/energy/PropertyCalculatorWindow.h"

#include <cmath>
#include <string>

#include "app/Conventions.h"
#include "app/platform/ValStr.h"
#include "eos/Globals.h"

using enum Platform::ControlClass;
using Platform::Str;
using Platform::Val;

namespace {

// The rows that every property window creates first, in this order.
const std::vector<std::string_view> kCommonOrder{
    "Clear",       "Definition", "Parameter",     "dataEntryT",    "dataEntryPV", "Parameter1",
    "Unit1",       "UnitSup1",   "PushButton1",   "Line1",         "GroupBox1",   "RadioButtonTP",
    "RadioButtonTV", "Unit0",    "Unitsup",       "ResultPV",      "Rectangle1",  "sat1",
    "satliq",      "satvap",     "Temperature",   "StaticText1",   "GroupBox2",   "Kelvin",
    "Density1",    "Celsius",    "Density2",      "warning",       "calculate"};

ControlDesign Note(const char* name, int left, int top, int width, int height, const char* text) {
  ControlDesign row = LabelRow(name, left, top, width, height, text, 12);
  row.props.emplace_back("Multiline", true);
  return row;
}

ControlDesign UnitRadio(const char* name, int left, int top, int width, const char* unit, bool on,
                        Handler handler) {
  return {RadioButton, name, left, top, width, 20,
          {{"Caption", "in " + std::string(unit)}, {"TextSize", 12}, {"Value", on},
           {"InitialParent", "GroupBox3"}},
          handler};
}

// The result row, and under it the unit pair and the standard-state rows of the windows that
// have them; `L` is the top of the separator.
void AddResultRows(std::vector<ControlDesign>& rows, const PropertyWindowParticulars& s) {
  const int L = s.frame.line;
  rows.push_back(Label16("Textfunc", 20, L + 10, s.nameWidth, s.name));
  rows.push_back(Label16("Result", s.resultLeft, L + 10, s.resultWidth, ""));
  rows.push_back(Label16("StaticText11", s.unitLeft, L + 10, s.unitWidth, s.unit));
  if (s.specificUnit) {
    const int left = s.pairLeft + 7, width = s.pairWidth - 15;
    rows.push_back({GroupBox, "GroupBox3", s.pairLeft, L + 11, s.pairWidth, 54, {}});
    rows.push_back(UnitRadio("Jmol", left, L + 18, width, s.unit, true,
                             PropertyCalculatorWindow::On(&PropertyCalculatorWindow::Jmol_Action)));
    rows.push_back(UnitRadio("kJkg", left, L + 39, width, s.specificUnit, false,
                             PropertyCalculatorWindow::On(&PropertyCalculatorWindow::kJkg_Action)));
  }
  if (const StandardStateRows* r = s.standardState) {
    rows.push_back(Note(r->referenceNote, 30, L + 40, r->referenceNoteWidth, 15, r->referenceNoteText));
    rows.push_back(Label16("EnergyText", 20, L + 65, r->nameWidth, r->name));
    rows.push_back(Label16("Result1", r->resultLeft, L + 65, 110, ""));
    rows.push_back(Label16("StaticText12", r->unitLeft, L + 65, r->unitWidth, s.unit));
    rows.push_back(Note(r->standardNote, 30, L + 95, 367, r->standardNoteHeight, r->standardNoteText));
  }
}

}  // namespace

PropertyCalculatorWindow::PropertyCalculatorWindow(const PropertyWindowParticulars& particulars)
    : WindowOf(particulars.standardState ? std::vector<const char*>{"Result", "Result1"}
                                         : std::vector<const char*>{"Result"}),
      particulars_(particulars) {}

WindowDesign PropertyCalculatorWindow::MakeDesign(const PropertyWindowParticulars& s) {
  std::vector<ControlDesign> rows = FrameRows(s.frame, On(&PropertyCalculatorWindow::calculate_Action));
  AddResultRows(rows, s);
  std::vector<std::string_view> order = kCommonOrder;
  order.insert(order.end(), s.ownOrder.begin(), s.ownOrder.end());
  return FrameDesign(s.frame, order, rows);
}

// Only the state counts, never the fields: a state fixed in any window is used here.
void PropertyCalculatorWindow::calculate_Action() {
  const double T = Globals::TempKelvin, V = Globals::MolarVol;
  if (!(V > 0) || !(T > 0) || !(Globals::PresMPa > 0)) return RefuseState();
  const StandardStateRows* standard = particulars_.standardState;
  const double F0 = standard ? particulars_.property(Globals::RefTempKelvin, Globals::RefMolarVol) : 0.0;
  const double F = particulars_.property(T, V);
  if (!std::isfinite(F) || (particulars_.zeroIsFailure && F == 0)) return ShowNoResult();
  ShowValue("Result", F);
  if (standard) {
    const double Ftab = standard->tabulated;
    ShowValue("Result1", standard->addTabulatedFirst ? (Ftab + F) - F0 : (F - F0) + Ftab);
  }
  SetWarning(*this);
}

// In the unit that the pair selects; a window without the pair shows the value as it is.
void PropertyCalculatorWindow::ShowValue(const char* label, double molarValue) {
  if (!particulars_.specificUnit) return Label(label).SetText(Str(molarValue));
  if (Radio("Jmol").Value()) Label(label).SetText(Str(molarValue));
  if (Radio("kJkg").Value()) Label(label).SetText(Str(molarValue / Globals::MolarMassGmol));
}

// The shown values are converted from the other unit: the pair raises one Action per change
// of selection, so each switch converts exactly once.
void PropertyCalculatorWindow::SwitchUnit(const char* radio, const char* unit, bool toSpecific) {
  if (!Radio(radio).Value()) return;
  Label("StaticText11").SetText(unit);
  if (particulars_.standardState) Label("StaticText12").SetText(unit);
  auto convert = [toSpecific](double x) {
    return toSpecific ? x / Globals::MolarMassGmol : x * Globals::MolarMassGmol;
  };
  const double x = Val(Label("Result").Text());
  if (x == 0) return EmptyResults();
  Label("Result").SetText(Str(convert(x)));
  if (particulars_.standardState) Label("Result1").SetText(Str(convert(Val(Label("Result1").Text()))));
}

void PropertyCalculatorWindow::Jmol_Action() { SwitchUnit("Jmol", particulars_.unit, false); }

void PropertyCalculatorWindow::kJkg_Action() { SwitchUnit("kJkg", particulars_.specificUnit, true); }
