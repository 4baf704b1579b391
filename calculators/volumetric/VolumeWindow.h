#pragma once

#include "app/ImplicitWindow.h"

// Molar volume of methane from pressure and temperature, by inverting the pressure from a
// first approach that the user chooses: automatic (ideal gas above the critical
// temperature, the saturation curve below it) or a typed start volume.
class VolumeWindow : public WindowOf<VolumeWindow> {
 public:
  static const WindowDesign& Design();

  void dataEntryP_TextChange();
  void dataEntryT_TextChange();
  void Clear_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void Choice0_Action();
  void Choice1_Action();
  void dataEntryV_TextChange();
  void Analysis_Action();
  void calculate_Action();
  void Event_Activate() override;

  // The molar volume that "automatic" shows at (T, P): a stable fluid state, or 0.
  static double AutomaticVolume(double T, double P);

 private:
  void EmptyResults();
};

inline class VolumeWindow& VolumeWindow() { return ImplicitWindow::Implicit<class VolumeWindow>(); }
