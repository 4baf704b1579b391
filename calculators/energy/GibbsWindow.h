#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Gibbs energy of methane at the state fixed in the panel, on the equation's own
// reference and on the standard state of 25 ˚C and 1 bar, in J/mol or kJ/kg.
class GibbsWindow : public PropertyWindowOf<GibbsWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class GibbsWindow& GibbsWindow() { return ImplicitWindow::Implicit<class GibbsWindow>(); }
