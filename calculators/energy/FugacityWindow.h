#pragma once

#include "calculators/energy/StateEntryPanel.h"

// Fugacity and fugacity coefficient of methane at the state shown in the panel: the module
// temperature with the pressure and molar volume that the panel's two value fields show.
class FugacityWindow : public WindowOf<FugacityWindow, StateEntryPanel> {
 public:
  FugacityWindow();
  static const WindowDesign& Design();

  void calculate_Action();
};

inline class FugacityWindow& FugacityWindow() { return ImplicitWindow::Implicit<class FugacityWindow>(); }
