#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Isochoric heat capacity of methane at the state fixed in the panel, in J/mol K or kJ/kg K.
class CVWindow : public PropertyWindowOf<CVWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class CVWindow& CVWindow() { return ImplicitWindow::Implicit<class CVWindow>(); }
