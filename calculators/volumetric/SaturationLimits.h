#pragma once

#include <QString>

#include <vector>

#include "app/ImplicitWindow.h"

// The three labels of the pressure and temperature windows that tell, below the critical
// point, which molar volumes lie outside the two-phase region: a heading label of the
// window's own name, then `liquidlimit` and `vapourlimit`.
// The three labels, one under the other from `top`.
std::vector<ControlDesign> SaturationLimitRows(const char* headingLabel, int top);

void ShowSaturationLimits(ImplicitWindow& window, const char* headingLabel, const QString& heading,
                          double T);
void EmptySaturationLimits(ImplicitWindow& window, const char* headingLabel);
