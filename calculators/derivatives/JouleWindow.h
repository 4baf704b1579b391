#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Joule-Thomson coefficient of methane at the state fixed in the panel, in K/MPa.
class JouleWindow : public PropertyWindowOf<JouleWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class JouleWindow& JouleWindow() { return ImplicitWindow::Implicit<class JouleWindow>(); }
