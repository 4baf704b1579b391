#pragma once

#include <QString>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "app/ImplicitWindow.h"

// Rules that the calculator windows share.

// Reads the temperature typed into `field`, in kelvin, by the unit that the window's
// `Kelvin`/`Celsius` pair selects (Celsius tested first, then Kelvin, independently).
// An entry that is empty or not a number is not a temperature in either unit: 0. With
// neither button on, the result is `ifNeither`.
double ReadTemperature(ImplicitWindow& window, std::string_view field, double ifNeither);

// The density hint of a molar volume in cm3/mol: "corresponding density = ... kg/m3", or
// the idle "corresponding density" while no positive volume is known.
QString DensityHintKgM3(double molarVolume);

// The same in g/cm3, as the state-entry panel shows it.
QString DensityHintGcm3(double molarVolume);

// Writes the window's red `warning` label; the empty text takes a message away.
void SetWarning(ImplicitWindow& window, const QString& text = QString());

// The texts of the temperature unit label beside a temperature field.
QString KelvinLabel();
QString CelsiusLabel();

// Puts a TemperatureUnitPair back to kelvin, with its unit label; code raises no Action.
void ResetTemperatureUnit(ImplicitWindow& window, std::string_view unitLabel);

// The rows of a TemperatureUnitPair whose `Kelvin` button (on) stands at (left, top), with
// `Celsius` 21 pixels below; inside the group box `parent`, or on the window when null.
ControlDesign KelvinRow(int left, int top, const char* parent, Handler handler);
ControlDesign CelsiusRow(int left, int top, const char* parent, Handler handler);

// A label of the given text size; more properties can be added to its list.
ControlDesign LabelRow(const char* name, int left, int top, int width, int height, const char* text,
                       int textSize);

// A horizontal separator line from (left, top), `width` long; its end points follow from its box.
ControlDesign HorizontalLineRow(const char* name, int left, int top, int width);

// A label of 16-pixel text, the size of most rows of the calculator windows.
ControlDesign Label16(const char* name, int left, int top, int width, const char* text = "", int height = 25);

// The default button `calculate` at (left, top), and the red `warning` label.
ControlDesign CalculateRow(int left, int top, Handler handler);
ControlDesign WarningRow(int left, int top, int width = 270);
// The small `Clear` button near a window's top right.
ControlDesign ClearRow(int left, int top, Handler handler);

// The start volume of a pressure inversion at (T, P) below the critical temperature: just
// inside the liquid side of the saturated volumes above the vapour pressure, just outside
// the vapour side at or below it, `offset` away from the saturated volume.
double SaturationStartVolume(double T, double P, double offset);

// A design table from parts that follow one another in creation order.
std::vector<ControlDesign> Rows(std::initializer_list<std::vector<ControlDesign>> parts);

// A design table in creation order: the rows named by `order`, taken from `rows`, which
// must hold each name exactly once and nothing else.
std::vector<ControlDesign> InCreationOrder(const std::vector<std::string_view>& order,
                                           const std::vector<ControlDesign>& rows);
