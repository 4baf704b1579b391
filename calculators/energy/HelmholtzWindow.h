#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Helmholtz energy of methane at the state fixed in the panel, on the equation's own
// reference and on the standard state of 25 ˚C and 1 bar, in J/mol or kJ/kg.
class HelmholtzWindow : public PropertyWindowOf<HelmholtzWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class HelmholtzWindow& HelmholtzWindow() { return ImplicitWindow::Implicit<class HelmholtzWindow>(); }
