#pragma once

#include "app/ImplicitWindow.h"

// The chooser of the fifteen calculators: one radio button each, and "continue".
class Selection : public WindowOf<Selection> {
 public:
  static const WindowDesign& Design();

  void PushButton1_Action();
};

inline class Selection& Selection() { return ImplicitWindow::Implicit<class Selection>(); }
