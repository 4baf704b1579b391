#pragma once

#include "app/ImplicitWindow.h"

// The auxiliary saturation equations, shown as pictures: what "simple correlation*" uses.
class Saturations : public WindowOf<Saturations> {
 public:
  static const WindowDesign& Design();
};

inline class Saturations& Saturations() { return ImplicitWindow::Implicit<class Saturations>(); }
