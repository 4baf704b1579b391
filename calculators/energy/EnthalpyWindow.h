#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Enthalpy of methane at the state fixed in the panel, on the equation's own reference
// and on the standard state of 25 ˚C and 1 bar, in J/mol or kJ/kg.
class EnthalpyWindow : public PropertyWindowOf<EnthalpyWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class EnthalpyWindow& EnthalpyWindow() { return ImplicitWindow::Implicit<class EnthalpyWindow>(); }
