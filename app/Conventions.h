#pragma once

#include <QString>
#include <string_view>

#include "app/ImplicitWindow.h"

// Rules that the calculator windows share.

// Reads the temperature typed into `field`, in kelvin, by the unit that the window's
// `Kelvin`/`Celsius` pair selects (Celsius tested first, then Kelvin, independently).
// An entry that is empty or not a number is not a temperature in either unit: 0. With
// neither button on, the result is `ifNeither`.
double ReadTemperature(ImplicitWindow& window, std::string_view field, double ifNeither);

// The density hint of a molar volume in cm3/mol: "corresponding density = ... kg/m3", or
// the idle "corresponding density" while no positive volume is known.
QString DensityHintKgM3(double molarVolume);
