#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Isochoric heat capacity of methane at the state fixed in the panel, in J/mol K or kJ/kg K.
class CVWindow : public PropertyCalculatorWindow {
 public:
  CVWindow();
  static const WindowDesign& Design();
};

inline class CVWindow& CVWindow() { return ImplicitWindow::Implicit<class CVWindow>(); }
