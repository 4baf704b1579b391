#pragma once

#include "app/ImplicitWindow.h"

// Temperature of methane from molar volume and pressure, by inverting the pressure from a
// first approach that the user chooses: automatic (ideal gas above the critical pressure,
// the saturation curve below it) or a typed start temperature. While the pressure is
// typed, the saturated volumes at that pressure are shown as limits.
class TemperatureWindow : public WindowOf<TemperatureWindow> {
 public:
  static const WindowDesign& Design();

  void dataEntry_TextChange();
  void dataEntry1_TextChange();
  void Kelvin_Action();
  void Celsius_Action();
  void Clear_Action();
  void Choice0_Action();
  void Choice1_Action();
  void dataEntryT_TextChange();
  void Analysis_Action();
  void calculate_Action();
  void Event_Activate() override;

  // The temperature that "automatic" shows at (P, V): a stable fluid state, or 0; a volume
  // between the saturated volumes at P gets the root from the saturation temperature.
  static double AutomaticTemperature(double P, double V);
};

inline class TemperatureWindow& TemperatureWindow() {
  return ImplicitWindow::Implicit<class TemperatureWindow>();
}
