#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Internal energy of methane at the state fixed in the panel, on the equation's own
// reference and on the standard state of 25 ˚C and 1 bar, in J/mol or kJ/kg.
class InternalEnergyWindow : public PropertyWindowOf<InternalEnergyWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class InternalEnergyWindow& InternalEnergyWindow() { return ImplicitWindow::Implicit<class InternalEnergyWindow>(); }
