#include "calculators/phase/Saturations.h"

#include "app/Pictures.h"

using enum Platform::ControlClass;

const WindowDesign& Saturations::Design() {
  static const WindowDesign design{
      "Saturations",
      {{"Title", "Saturation Formula CH4"}, {"Width", 545}, {"Height", 285}, {"Placement", 0}},
      {
          {StaticText, "StaticText1", 20, 20, 500, 35,
           {{"Text", "Purely empirical equations (auxiliary) to calculate the liquid-vapour "
                     "equilibrium properties between triple and critical point."},
            {"TextSize", 12}, {"Multiline", true}}},
          {Canvas, "Canvas1", 30, 70, 364, 55, {}, nullptr, PLV1},
          {Canvas, "Canvas2", 30, 140, 286, 55, {}, nullptr, RhoLiq1},
          {Canvas, "Canvas3", 30, 210, 496, 55, {{"UseFocusRing", false}}, nullptr, RhoVap1},
      },
      true};
  return design;
}
