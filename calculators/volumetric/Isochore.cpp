#include "calculators/volumetric/Isochore.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#include "app/platform/Runtime.h"
#include "app/platform/ValStr.h"
#include "eos/Globals.h"

using enum Platform::ControlClass;
using Platform::Str;
using Platform::Val;

namespace {

// One table or file never holds more than this many temperatures.
constexpr int kLastPass = 10;

// One line in Windows ANSI with its line end; false if any of it failed to reach the file.
bool WriteLine(QFile& file, const QString& line) {
  const QByteArray bytes = Platform::ToWindowsAnsi(line) + '\n';
  return file.write(bytes) == bytes.size();
}

// The isochore's temperatures: from `before` (one step below the first) up by `step` while
// they stay at or below `last`, at most kLastPass + 1 of them; `row` gets each and may end
// the series by returning false. False when a row ended it.
template <class Row>
bool StepIsochore(double before, double last, double step, Row row) {
  double t = before;
  for (int pass = 0; pass <= kLastPass; ++pass) {
    t += step;
    const bool inRange = t <= last;
    if (inRange && !row(t)) return false;
    Globals::CallBackgroundTask();
    if (!inRange) break;
  }
  return true;
}

// Closing flushes what the stream still holds, so a full disk shows up only here.
bool CloseChecked(QFile& file) {
  file.close();
  return file.error() == QFileDevice::NoError;
}

}  // namespace

const WindowDesign& Isochore::Design() {
  static const WindowDesign design{
      "Isochore",
      {{"Title", "Isochore"}, {"Width", 300}, {"Height", 511}, {"Placement", 0}},
      {
          {Listbox, "ListBox1", 50, 228, 200, 195, {}},
          {StaticText, "StaticText1", 20, 90, 110, 18,
           {{"Text", "min. temperature"}, {"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "StaticText2", 240, 140, 45, 18,
           {{"Text", "degree"}, {"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "MolarVolume", 20, 20, 100, 20, {{"Text", "Molar Volume"}, {"TextSize", 14}}},
          {StaticText, "StaticText3", 220, 20, 65, 20, {{"Text", "cm /mol"}, {"TextSize", 14}}},
          {StaticText, "StaticText4", 240, 16, 16, 20, {{"Text", "3"}, {"TextSize", 11}}},
          {StaticText, "ResultV", 135, 20, 70, 20, {}},
          {StaticText, "StaticText5", 20, 115, 110, 18,
           {{"Text", "max. temperature"}, {"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "StaticText6", 20, 140, 110, 18,
           {{"Text", "step temperature"}, {"TextSize", 12}, {"Multiline", true}}},
          {PushButton, "calculate", 100, 178, 100, 30,
           {{"Caption", "calculate"}, {"TextSize", 16}, {"Default", true}},
           On(&Isochore::calculate_Action)},
          {EditField, "minimum", 150, 90, 80, 18, {{"TextSize", 12}}},
          {EditField, "maximum", 150, 115, 80, 18, {{"TextSize", 12}}},
          {EditField, "interval", 150, 140, 80, 18, {{"TextSize", 12}}},
          {StaticText, "StaticText7", 240, 90, 25, 18,
           {{"Text", "\u02DAC"}, {"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "StaticText8", 240, 115, 25, 18,
           {{"Text", "\u02DAC"}, {"TextSize", 12}, {"Multiline", true}}},
          {StaticText, "MolarVolume1", 20, 50, 100, 20, {{"Text", "Density"}, {"TextSize", 14}}},
          {StaticText, "StaticText9", 220, 50, 65, 20, {{"Text", "g/cm"}, {"TextSize", 14}}},
          {StaticText, "StaticText10", 251, 46, 16, 20, {{"Text", "3"}, {"TextSize", 11}}},
          {StaticText, "ResultV1", 135, 50, 70, 20, {}},
          {Rectangle, "Rectangle1", 20, 440, 260, 50, {}},
          {PushButton, "Export", 45, 453, 60, 20,
           {{"Caption", "export"}, {"TextSize", 12}, {"InitialParent", "Rectangle1"}},
           On(&Isochore::Export_Action)},
          {StaticText, "filename1", 130, 467, 120, 16,
           {{"TextSize", 12}, {"Multiline", true}, {"InitialParent", "Rectangle1"}}},
          {StaticText, "filename0", 130, 447, 120, 16,
           {{"TextSize", 12}, {"Multiline", true}, {"InitialParent", "Rectangle1"}}},
      },
      /*reversedControlLists=*/true};
  return design;
}

void Isochore::Event_Activate() {
  const double V = Globals::MolarVol;
  Label("ResultV").SetText(Str(V));
  Label("ResultV1").SetText(Str(V > 0 ? Globals::MolarMassGmol / V : 0.0));
  Label("filename0").SetText(QString());
  Label("filename1").SetText(QString());
  Platform::Listbox& list = List("ListBox1");
  list.DeleteAllRows();
  list.SetHeading(0, QStringLiteral("Temperature (\u02DAC)"));
  list.SetHeading(1, QStringLiteral("Pressure (MPa)"));
}

// Each entry that holds no usable value asks for a number; true when all three hold one.
bool Isochore::RangeAccepted(double tmin, double tmax, double step) {
  const bool minimum = !(tmin < 0), maximum = tmax > tmin, interval = step > 0;
  if (!minimum) Field("minimum").SetText(QStringLiteral("put number"));
  if (!maximum) Field("maximum").SetText(QStringLiteral("put number"));
  if (!interval) Field("interval").SetText(QStringLiteral("put number"));
  return minimum && maximum && interval;
}

void Isochore::calculate_Action() {
  const double tmin = Val(Field("minimum").Text());
  const double tmax = Val(Field("maximum").Text());
  const double step = Val(Field("interval").Text());
  List("ListBox1").DeleteAllRows();

  if (RangeAccepted(tmin, tmax, step)) {
    const double V = Globals::MolarVol;
    // Accumulated in kelvin, so the last row can differ from the file's series by rounding.
    StepIsochore(tmin - step + Globals::CelsiusOffset, tmax + Globals::CelsiusOffset, step, [&](double T) {
      List("ListBox1").AddRow(Str(T - Globals::CelsiusOffset), Str(Globals::Setzmann_Pressure(T, V)));
      return true;
    });
  }
  Label("filename1").SetText(QString());
  Label("filename0").SetText(QString());
}

void Isochore::Export_Action() {
  const double tmin = Val(Field("minimum").Text());
  const double tmax = Val(Field("maximum").Text());
  const double step = Val(Field("interval").Text());
  const double V = Globals::MolarVol;
  const QString fileName = Str(V) + QStringLiteral(".txt");

  const bool written = WriteExport(fileName, tmin, tmax, step, V);
  Label("filename0").SetText(written ? QStringLiteral("data is available in:")
                                     : QStringLiteral("export failed:"));
  Label("filename1").SetText(fileName);
}

// The header goes in one stream, each data line in a stream of its own; the first step
// that fails ends the export, so a file is never left growing after an error.
bool Isochore::WriteExport(const QString& fileName, double tmin, double tmax, double step,
                           double V) {
  const double rho = V > 0 ? Globals::MolarMassGmol / V : 0.0;
  QFile file(QDir::current().filePath(fileName));

  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  const QStringList header{
      QStringLiteral("Gas: CH4"),
      QStringLiteral("reference: Setzmann and Wagner (1991)"),
      QString(),
      QStringLiteral("Molar Volume = ") + Str(V) + QStringLiteral(" cm3/mol"),
      QStringLiteral("Density = ") + Str(rho) + QStringLiteral(" g/cm3"),
      QString(),
      QStringLiteral("Temperature, Pressure"),
      QStringLiteral("(Celsius), (MPa)"),
  };
  for (const QString& line : header)
    if (!WriteLine(file, line)) return false;
  if (!CloseChecked(file)) return false;

  return StepIsochore(tmin - step, tmax, step, [&](double t) {
    const double P = Globals::Setzmann_Pressure(t + Globals::CelsiusOffset, V);
    return file.open(QIODevice::WriteOnly | QIODevice::Append) &&
           WriteLine(file, Str(t) + QStringLiteral(", ") + Str(P)) && CloseChecked(file);
  });
}
