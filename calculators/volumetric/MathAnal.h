#pragma once

#include "app/ImplicitWindow.h"

// The root function p(T, v) - P of the volume inversion, listed over the molar volume at
// the temperature and pressure last entered in any window, so that the user can see where
// the roots lie and pick a start value by hand.
class MathAnal : public WindowOf<MathAnal> {
 public:
  static const WindowDesign& Design();

  void calculate_Action();
  void Event_Activate() override;
};

inline class MathAnal& MathAnal() { return ImplicitWindow::Implicit<class MathAnal>(); }

// What the two root-analysis windows share: one design but for the caption's second line,
// the row append, and the empty list that each activation leaves.
namespace RootAnalysis {

WindowDesign Design(const char* className, const char* variableLine, Handler calculate,
                    bool reversedControlLists);

// Adds the row (x, f) after those already in the list; one pass of a window loop.
void AppendRow(ImplicitWindow& window, double x, double f);

// Empties the list and names its columns.
void Reset(ImplicitWindow& window, const char* variableHeading);

}  // namespace RootAnalysis
