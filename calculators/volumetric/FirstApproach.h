#pragma once

#include <vector>

#include "app/ImplicitWindow.h"

// The group box "Select a first approach" of the molar-volume and temperature windows: a
// note on the many roots, "automatic" (`Choice0`) and "manual" (`Choice1`) with the typed
// start value, and "Mathematical Analysis". Its top left is at (left, top).
struct FirstApproachDesign {
  int left, top;
  const char* noteName;
  const char* quantity;          // what the note says has many solutions
  const char* entryLabel;        // text of `MolarVolume1`, beside the start entry
  const char* entryName;
  const char* unitName;
  const char* unitText;
  const char* superscriptName;   // the raised "3" of a volume unit, or null
  Handler choice0, choice1, entry, analysis;
};

std::vector<ControlDesign> FirstApproachRows(const FirstApproachDesign& d);

// A new input asks for a new first approach: neither choice stays on.
void WithdrawFirstApproach(ImplicitWindow& window);
