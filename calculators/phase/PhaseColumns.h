#pragma once

#include <QString>
#include <string>

#include "app/ImplicitWindow.h"

// What the homogenisation and the liquid-vapour equilibrium windows show alike.

// The four lines of `Text12`: the critical and the triple point that bound the curve.
std::string CurveLimitsText();

// The liquid column (`MolarV1`, `Dens1`) and the vapour column (`MolarV2`, `Dens2`): molar
// volumes in cm3/mol and densities in g/cm3; a volume not above 0 has the density text
// `noDensity`.
void ShowPhaseVolumes(ImplicitWindow& window, double vLiquid, double vVapour, const QString& noDensity);
