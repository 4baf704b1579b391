#include "app/Conventions.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "app/platform/ValStr.h"
#include "eos/Globals.h"

using namespace Platform;

double ReadTemperature(ImplicitWindow& window, std::string_view field, double ifNeither) {
  const QString text = window.Control<EditField>(field).Text();
  // A typed "0" in degrees Celsius is 273.15 K; an empty entry is no temperature at all.
  const double typed = IsNumber(text) ? Val(text) : 0.0;
  double kelvin = ifNeither;
  if (window.Control<RadioButton>("Celsius").Value())
    kelvin = IsNumber(text) ? typed + Globals::CelsiusOffset : 0.0;
  if (window.Control<RadioButton>("Kelvin").Value()) kelvin = typed;
  return kelvin;
}

QString DensityHintKgM3(double molarVolume) {
  const double density = Globals::DensKgM3Factor / molarVolume;
  if (!(molarVolume > 0) || !std::isfinite(density)) return QStringLiteral("corresponding density");
  return QStringLiteral("corresponding density = ") + Str(density) + QStringLiteral(" kg/m3");
}

QString DensityHintGcm3(double molarVolume) {
  const double density = Globals::MolarMassGmol / molarVolume;
  if (!(molarVolume > 0) || !std::isfinite(density)) return QStringLiteral("corresponding density");
  return QStringLiteral("corresponding density = ") + Str(density) + QStringLiteral(" g/cm3");
}

void SetWarning(ImplicitWindow& window, const QString& text) { window.Label("warning").SetText(text); }

QString KelvinLabel() { return QStringLiteral("Kelvin"); }
QString CelsiusLabel() { return QStringLiteral("\u02DACelsius"); }

void ResetTemperatureUnit(ImplicitWindow& window, std::string_view unitLabel) {
  window.Radio("Celsius").SetValue(false);
  window.Radio("Kelvin").SetValue(true);
  window.Label(unitLabel).SetText(KelvinLabel());
}

namespace {

ControlDesign UnitRow(const char* name, const char* caption, bool on, int left, int top,
                      const char* parent, Handler handler) {
  PropertyList props{{"Caption", caption}, {"TextSize", 12}, {"Value", on}};
  if (parent) props.emplace_back("InitialParent", parent);
  return {ControlClass::RadioButton, name, left, top, 56, 20, std::move(props), handler};
}

}  // namespace

ControlDesign KelvinRow(int left, int top, const char* parent, Handler handler) {
  return UnitRow("Kelvin", "in K", true, left, top, parent, handler);
}

ControlDesign CelsiusRow(int left, int top, const char* parent, Handler handler) {
  return UnitRow("Celsius", "in \u02DAC", false, left, top + 21, parent, handler);
}

ControlDesign LabelRow(const char* name, int left, int top, int width, int height, const char* text,
                       int textSize) {
  return {ControlClass::StaticText, name, left, top, width, height, {{"Text", text}, {"TextSize", textSize}}};
}

ControlDesign HorizontalLineRow(const char* name, int left, int top, int width) {
  return {ControlClass::Line, name, left, top, width, 0,
          {{"X1", left}, {"Y1", top}, {"X2", left + width}, {"Y2", top}}};
}

ControlDesign Label16(const char* name, int left, int top, int width, const char* text, int height) {
  return LabelRow(name, left, top, width, height, text, 16);
}

ControlDesign CalculateRow(int left, int top, Handler handler) {
  return {ControlClass::PushButton, "calculate", left, top, 105, 30,
          {{"Caption", "calculate"}, {"TextSize", 18}, {"Default", true}}, handler};
}

ControlDesign WarningRow(int left, int top, int width) {
  return {ControlClass::StaticText, "warning", left, top, width, 30,
          {{"TextColor", Red}, {"TextSize", 12}, {"Multiline", true}}};
}

ControlDesign ClearRow(int left, int top, Handler handler) {
  return {ControlClass::PushButton, "Clear", left, top, 50, 20,
          {{"Caption", "clear"}, {"TextSize", 10}}, handler};
}

double SaturationStartVolume(double T, double P, double offset) {
  const double Psat = Globals::SaturationP(T);
  const double Vliq = Globals::SaturationV(Globals::SatSelLiquid, T);
  const double Vvap = Globals::SaturationV(Globals::SatSelVapour, T);
  return Psat < P ? Vliq - offset : Vvap + offset;
}

std::vector<ControlDesign> Rows(std::initializer_list<std::vector<ControlDesign>> parts) {
  std::vector<ControlDesign> table;
  for (const auto& part : parts) table.insert(table.end(), part.begin(), part.end());
  return table;
}

std::vector<ControlDesign> InCreationOrder(const std::vector<std::string_view>& order,
                                           const std::vector<ControlDesign>& rows) {
  if (order.size() != rows.size()) throw std::logic_error("a design row without its place in the order");
  std::vector<ControlDesign> table;
  table.reserve(order.size());
  for (std::string_view name : order) {
    auto row = std::find_if(rows.begin(), rows.end(), [&](const ControlDesign& r) { return r.name == name; });
    if (row == rows.end()) throw std::logic_error("no design row named " + std::string(name));
    table.push_back(*row);
  }
  return table;
}
