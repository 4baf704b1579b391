#pragma once

#include "app/ImplicitWindow.h"

// The root function p(T, V) - P of the temperature inversion, listed over the temperature
// at the molar volume and pressure last entered in any window.
class MathAnalT : public WindowOf<MathAnalT> {
 public:
  static const WindowDesign& Design();

  void calculate_Action();
  void Event_Activate() override;
};

inline class MathAnalT& MathAnalT() { return ImplicitWindow::Implicit<class MathAnalT>(); }
