#pragma once

#include <QString>
#include <string>

#include "app/ImplicitWindow.h"

// What the homogenisation and the liquid-vapour equilibrium windows have alike: pieces of
// their designs and the writer of their phase columns.

// The window properties of both: fixed width 635, centred, the height `height` when opened and
// then the user's between 400 and 925.
Platform::PropertyList PhaseWindowProperties(const char* title, int height);

// The four lines of `Text12`: the critical and the triple point that bound the curve.
std::string CurveLimitsText();

// The method choice, `top` being that of its group box: "simple correlation*" (`Simple`) or
// "fugacity equality" (`equality`) in the group box `group`, and beside it the button
// `empiricals` that shows the correlation's equations.
ControlDesign MethodGroup(const char* group, int top);
ControlDesign MethodRadio(const char* name, const char* group, int top, Handler handler);
ControlDesign EmpiricalsButton(int top, Handler handler);

// The liquid column (`MolarV1`, `Dens1`) and the vapour column (`MolarV2`, `Dens2`): molar
// volumes in cm3/mol and densities in g/cm3; a volume not above 0 has the density text
// `noDensity`.
void ShowPhaseVolumes(ImplicitWindow& window, double vLiquid, double vVapour, const QString& noDensity);
