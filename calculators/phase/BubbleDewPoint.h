#pragma once

#include <QString>

#include "app/ImplicitWindow.h"

// Homogenisation conditions: the pressure on the liquid-vapour curve at a given
// temperature, or the temperature at a given pressure, by the auxiliary equations or by
// equal fugacities, with volume, density and fugacity of both coexisting phases. The
// column of the phase the sample homogenises into gets a red border.
class BubbleDewPoint : public WindowOf<BubbleDewPoint> {
 public:
  static const WindowDesign& Design();

  void RadioButtonTh_Action();
  void dataEntry_TextChange();
  void RadioButtonPh_Action();
  void Clear_Action();
  void calculate_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void Vapour_Action();
  void Liquid_Action();
  void Simple_Action();
  void equality_Action();
  void empiricals_Action();

 private:
  enum class Input { None, Temperature, Pressure };
  struct Entry {
    Input input = Input::None;
    double T = 0, P = 0;
    bool accepted = true;
  };

  Entry ReadEntry();
  void CalculateSimple();
  void CalculateEquality();
  void ResetResults();
  void ChooseInput(const QString& given, const QString& givenUnit, const QString& sought,
                   const QString& soughtUnit);
  void ChoosePhase(const char* radio, const char* picture, const char* otherPicture);
  void SwitchUnit(const QString& unit, double shift);
  QString TemperatureUnit();
  QString TemperatureText(double kelvin);
  void ShowPhases(double vLiquid, double vVapour, double fLiquid, double fVapour);
  void EmptyPhases();
  void ShowCriticalPoint(double T, double P);
  void ShowNoSolution(const QString& note);
  void MarkPhase();
  void SetBorder(const char* rectangle, Platform::Colour colour);
};

inline class BubbleDewPoint& BubbleDewPoint() {
  return ImplicitWindow::Implicit<class BubbleDewPoint>();
}
