#pragma once

#include "calculators/energy/PropertyCalculatorWindow.h"

// Speed of sound in methane at the state fixed in the panel, in m/s.
class SoundWindow : public PropertyWindowOf<SoundWindow> {
 public:
  static const PropertyWindowParticulars kParticulars;
};

inline class SoundWindow& SoundWindow() { return ImplicitWindow::Implicit<class SoundWindow>(); }
