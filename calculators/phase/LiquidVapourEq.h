#pragma once

#include "app/ImplicitWindow.h"

// Methane sealed at a total molar volume: its homogenisation temperature, and below it the
// equilibrium pressure, the volumes and densities of the coexisting liquid and vapour and
// their volume fractions.
class LiquidVapourEq : public WindowOf<LiquidVapourEq> {
 public:
  static const WindowDesign& Design();

  void Kelvin_Action();
  void Celsius_Action();
  void Clear_Action();
  void calculate_Action();
  void calTh_Action();
  void DataEntryV_TextChange();
  void Simple_Action();
  void equality_Action();
  void empiricals_Action();

 private:
  void CalculateSimple(double V, double T);
  void CalculateEquality(double V, double T);
  void ShowFractions(double V, double vLiquid, double vVapour);
  void ShowAnswer(const QString& text, Platform::Colour colour);
  void EmptyResults();
};

inline class LiquidVapourEq& LiquidVapourEq() {
  return ImplicitWindow::Implicit<class LiquidVapourEq>();
}
