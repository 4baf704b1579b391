#include "app/Conventions.h"

#include <cmath>

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
