#pragma once

#include <string_view>
#include <vector>

#include "app/ImplicitWindow.h"
#include "calculators/energy/StateEntryPanel.h"

// The rows that the five energy windows add under their result: the note on the equation's
// own reference, the value shifted to the standard state of 25 ˚C and 1 bar, and the note
// that cites the tabulated values.
struct StandardStateRows {
  const char* referenceNote;        // control name of the first note
  int referenceNoteWidth;
  const char* referenceNoteText;
  const char* name;                 // text of `EnergyText`
  int nameWidth;
  int resultLeft;                   // `Result1`
  int unitLeft, unitWidth;          // `StaticText12`
  const char* standardNote;         // control name of the second note
  int standardNoteHeight;
  const char* standardNoteText;
  // The tabulated value at 25 ˚C and 1 bar, in the molar unit.
  double tabulated;
  // The internal energy adds the tabulated value before it subtracts F(T0, V0); the other
  // four take the difference first.
  bool addTabulatedFirst;
};

// What one property window has of its own; everything else is the pattern's.
struct PropertyWindowParticulars {
  StateWindowFrame frame;
  const char* name;                 // `Textfunc`
  int nameWidth;
  int resultLeft, resultWidth;
  const char* unit;                 // `StaticText11`, the molar unit
  int unitLeft, unitWidth;
  const char* specificUnit;         // the unit of the `Jmol`/`kJkg` pair; null without one
  int pairLeft, pairWidth;          // `GroupBox3`
  const StandardStateRows* standardState;  // null but in the energy windows
  double (*property)(double T, double V);
  // The speed of sound returns 0 where its square is not positive: a failure, not a value.
  bool zeroIsFailure;
  // The window's own rows after the 29 that every property window creates first.
  std::vector<std::string_view> ownOrder;
};

// The window around the state-entry panel of the nine property calculators: the definition
// header, the panel, `calculate` with `warning`, the separator, the result row, and in the
// windows that have them the standard-state rows and the unit pair.
class PropertyCalculatorWindow : public WindowOf<PropertyCalculatorWindow, StateEntryPanel> {
 public:
  void calculate_Action();
  void Jmol_Action();
  void kJkg_Action();

 protected:
  explicit PropertyCalculatorWindow(const PropertyWindowParticulars& particulars);
  static WindowDesign MakeDesign(const PropertyWindowParticulars& particulars);

 private:
  void ShowValue(const char* label, double molarValue);
  void SwitchUnit(const char* radio, const char* unit, bool toSpecific);

  const PropertyWindowParticulars& particulars_;
};

// A property window class of its own: W names its particulars in `W::kParticulars`.
template <class W>
class PropertyWindowOf : public PropertyCalculatorWindow {
 public:
  static const WindowDesign& Design() {
    static const WindowDesign design = MakeDesign(W::kParticulars);
    return design;
  }

 protected:
  PropertyWindowOf() : PropertyCalculatorWindow(W::kParticulars) {}
};
