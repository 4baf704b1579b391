#pragma once

#include "app/ImplicitWindow.h"

// The first window: the program, its reference, the reduced Helmholtz energy, the limits,
// and the way on to the calculator chooser.
class Start : public WindowOf<Start> {
 public:
  static const WindowDesign& Design();

  void continue1_Action();

  // The menu-item accessors of the window's menu bar.
  QAction* EditMenu();
  QAction* EditSelectAll();
  QAction* UntitledMenu0();
  QAction* EditClear();
  QAction* EditPaste();
  QAction* EditCopy();
  QAction* EditCut();
  QAction* UntitledMenu1();
  QAction* EditUndo();
  QAction* FileMenu();
  QAction* FileQuit();

 protected:
  void BeforeLayout() override;
};

inline class Start& Start() { return ImplicitWindow::Implicit<class Start>(); }
