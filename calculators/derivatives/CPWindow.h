#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Isobaric heat capacity of methane at the state fixed in the panel, in J/mol K or kJ/kg K.
class CPWindow : public PropertyWindowOf<CPWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class CPWindow& CPWindow() { return ImplicitWindow::Implicit<class CPWindow>(); }
