#pragma once

#include "app/ImplicitWindow.h"

// Pressure of methane from a molar volume and a temperature. Its entries are the
// program-wide current state, which the isochore table then works from.
class PressuresWindow : public WindowOf<PressuresWindow> {
 public:
  static const WindowDesign& Design();

  void dataEntry_TextChange();
  void dataEntry1_TextChange();
  void calculate_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void PushButton1_Action();
  void Clear_Action();
  void Event_Activate() override;

 private:
  void ReadTemperatureEntry();
};

inline class PressuresWindow& PressuresWindow() {
  return ImplicitWindow::Implicit<class PressuresWindow>();
}
