#pragma once

#include <QString>

#include "app/ImplicitWindow.h"

// The pressure along the current molar volume at up to eleven temperatures, as a table and
// as a text file named after the molar volume.
class Isochore : public WindowOf<Isochore> {
 public:
  static const WindowDesign& Design();

  void calculate_Action();
  void Export_Action();
  void Event_Activate() override;

 private:
  bool RangeAccepted(double tmin, double tmax, double step);
  bool WriteExport(const QString& fileName, double tmin, double tmax, double step, double V);
};

inline class Isochore& Isochore() { return ImplicitWindow::Implicit<class Isochore>(); }
