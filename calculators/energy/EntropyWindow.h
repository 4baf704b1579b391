#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Entropy of methane at the state fixed in the panel, on the equation's own reference
// and on the standard state of 25 ˚C and 1 bar, in J/mol K or kJ/kg K.
class EntropyWindow : public PropertyWindowOf<EntropyWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class EntropyWindow& EntropyWindow() { return ImplicitWindow::Implicit<class EntropyWindow>(); }
