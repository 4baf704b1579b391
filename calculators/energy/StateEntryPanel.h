#pragma once

#include <QString>
#include <string_view>
#include <vector>

#include "app/ImplicitWindow.h"

// Where a window puts its state-entry panel: the top of `GroupBox1`, how much lower than
// usual the rows from the saturation hints down stand, and the place of `Clear`.
struct PanelPlace {
  int top;
  int lowerRows;
  int clearLeft, clearTop;
};

// What the ten state-entry windows' designs differ in above their results: the window, its
// definition header, the place of the panel and the top of the separator `Line1`, from which
// `calculate`, `warning` and the result rows are placed.
struct StateWindowFrame {
  const char* className;
  const char* title;
  int height;
  PictureAccessor picture;
  const char* definition;
  int definitionWidth;
  int canvasLeft, canvasTop, canvasWidth, canvasHeight;
  bool canvasFocusRing;
  PanelPlace panel;
  int line;
};

// The state-entry panel of the ten state-based calculators: a temperature with either a
// pressure or a molar volume, and the button that solves the missing one. It works on the
// shared module state, so that a state fixed in one of these windows is the one that
// "calculate" in any other uses. A window of this kind derives from it, places its rows
// with PanelRows and names the result labels that every new entry empties.
class StateEntryPanel : public WindowOf<StateEntryPanel> {
 public:
  void Clear_Action();
  void dataEntryT_TextChange();
  void dataEntryPV_TextChange();
  void PushButton1_Action();
  void RadioButtonTP_Action();
  void RadioButtonTV_Action();
  void Kelvin_Action();
  void Celsius_Action();

  // The panel's 25 rows at the frame's place, `Clear` included, and the frame's own:
  // `Definition`, `Canvas1`, `warning`, `calculate` (bound to `calculate`) and `Line1`.
  static std::vector<ControlDesign> FrameRows(const StateWindowFrame& frame, Handler calculate);
  // The window: its properties and `rows` in the creation `order`.
  static WindowDesign FrameDesign(const StateWindowFrame& frame, const std::vector<std::string_view>& order,
                                  const std::vector<ControlDesign>& rows, bool reversedControlLists = false);

  // What a calculation shows when the state is incomplete.
  static QString StateWarning();

 protected:
  explicit StateEntryPanel(std::vector<const char*> resultLabels);

  bool InTPMode() { return Radio("RadioButtonTP").Value(); }
  bool InTVMode() { return Radio("RadioButtonTV").Value(); }
  // Every result label of the window, emptied in the window's order.
  void EmptyResults();
  // An incomplete state: the warning, and no result.
  void RefuseState();
  // A calculation that gave no usable value: no result, and the failure text.
  void ShowNoResult();

 private:
  struct ModeTexts;
  void ShowMode(const ModeTexts& mode);
  void ShowSaturationHints(double T);
  void ResetSaturationHints();
  void SwitchTemperatureUnit(const QString& unitLabel);
  void CompleteVolume(double T, double P);
  void CompletePressure(double T, double V);

  std::vector<const char*> resultLabels_;
};
