#include <cmath>
#include <string>

#include "app/platform/ValStr.h"
#include "calculators/phase/BubbleDewPoint.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ReferenceTable.h"

using Platform::Str;
using Platform::Val;

namespace {

const char* const kPhaseLabels[] = {"MolarV1", "MolarV2", "Dens1", "Dens2", "Fuga1", "Fuga2"};
const QString kEntryNote = QStringLiteral("Note: put number for the homogenization conditon");
const QString kCurveNote = QStringLiteral("Note: Conditions exceed limits of liquid-vapour curve");
const QString kCriticalNote = QStringLiteral("Note: Conditions exceed critical point ");
const QString kSecantNote = QStringLiteral("Note: no solution for the sectant method");

class BubbleDewPointTest : public GuiTest::WindowTest<class BubbleDewPoint> {
 protected:
  // Chooses the input ("RadioButtonTh", "RadioButtonPh"), the method ("Simple", "equality")
  // and the unit, types the entry and calculates.
  void Calculate(const char* input, const char* method, const QString& entry, const char* unit = "Kelvin") {
    GuiTest::Click(*w, unit);
    GuiTest::Click(*w, input);
    GuiTest::Click(*w, method);
    GuiTest::Type(*w, "dataEntry", entry);
    GuiTest::Click(*w, "calculate");
  }
  QString Phases() {
    QString all;
    for (const char* name : kPhaseLabels) all += Text(name) + QStringLiteral("|");
    return all;
  }
  bool Red(const char* rectangle) {
    auto& r = w->Control<Platform::Rectangle>(rectangle);
    if (r.TopLeftColor() != r.BottomRightColor()) ADD_FAILURE() << rectangle << " has two border colours";
    return r.TopLeftColor() == Platform::Red;
  }
  bool Visible(const char* well) { return w->Control<Platform::ImageWell>(well).isVisible(); }
};

// Both methods show the curve of the equation of state in the columns: the liquid in the
// first, the vapour in the second, to the digits the window shows.
TEST_F(BubbleDewPointTest, FugacityEqualityShowsTheReferenceCurveInBothDirections) {
  for (const Reference::Row& r : Reference::Table("saturation.csv")) {
    const double T = r["T_K"], P = r["p_sat_MPa"];
    if (T <= 91 || T > 190) continue;
    SCOPED_TRACE(T);
    Calculate("RadioButtonTh", "equality", QString::fromStdString(r.Text("T_K")));
    EXPECT_NEAR(Val(Text("Answer")), P, 6e-7 * P);
    EXPECT_NEAR(Val(Text("MolarV1")), r["V_liq_cm3mol"], 6e-7 * r["V_liq_cm3mol"]);
    EXPECT_NEAR(Val(Text("MolarV2")), r["V_vap_cm3mol"], 6e-7 * r["V_vap_cm3mol"]);
    EXPECT_NEAR(Val(Text("Dens2")) * r["V_vap_cm3mol"], 16.0428, 6e-7 * 16.0428);
    EXPECT_NEAR(Val(Text("Fuga1")), Val(Text("Fuga2")), 1e-6 * P);
    EXPECT_TRUE(Text("ResultText").startsWith("Solution after ")) << Text("ResultText").toStdString();
    EXPECT_TRUE(Red("Rectangle2") && !Red("Rectangle1"));  // no phase chosen: the vapour
    Calculate("RadioButtonPh", "equality", QString::fromStdString(r.Text("p_sat_MPa")), "Celsius");
    EXPECT_NEAR(Val(Text("Answer")), T - 273.15, 1e-4);
  }
}

// The correlation writes the vapour at index 0 and the liquid at 1, fugacity equality the
// other way round; each window column still shows its own phase.
TEST_F(BubbleDewPointTest, EachMethodWritesTheArraysInItsOwnOrder) {
  GuiTest::Click(*w, "Liquid");
  for (const char* method : {"Simple", "equality"}) {
    Calculate("RadioButtonTh", method, "150");
    const int liquid = std::string(method) == "Simple" ? 1 : Globals::LVLiquidIndex;
    EXPECT_LT(Globals::MolarVolumes[liquid], Globals::MolarVolumes[1 - liquid]) << method;
    EXPECT_EQ(Text("MolarV1") + Text("Fuga2"), Str(Globals::MolarVolumes[liquid]) + Str(Globals::Fugacity[1 - liquid]));
    EXPECT_TRUE(Red("Rectangle1") && !Red("Rectangle2"));
  }
  GuiTest::Render(*w, QStringLiteral("BubbleDewPoint.png"));
}

TEST_F(BubbleDewPointTest, EntryErrorsLimitsAndTheCriticalPointHaveTheirNotes) {
  for (const char* method : {"Simple", "equality"}) {
    Calculate("RadioButtonTh", method, "");
    w->Label("MolarV1").SetText(QStringLiteral("shown"));
    GuiTest::Click(*w, "calculate");
    EXPECT_EQ(Text("MolarV1"), "shown");  // an entry error keeps the phase labels
    EXPECT_EQ(Text("Answer") + Text("ResultText"), "no solution" + kEntryNote);
  }
  struct Case { const char *input, *method, *entry, *unit; QString answer, note; };
  for (const Case& c : {Case{"RadioButtonTh", "Simple", "90.6941", "Kelvin", "no solution", kCurveNote},
                        Case{"RadioButtonTh", "equality", "190.6", "Kelvin", "no solution", kCriticalNote},
                        Case{"RadioButtonPh", "equality", "0.011696", "Kelvin", "no solution", kCriticalNote},
                        Case{"RadioButtonPh", "Simple", "5", "Kelvin", "no solution", kCurveNote},
                        Case{"RadioButtonTh", "equality", "190.564", "Kelvin", "4.5922", "Note: Critical Point"},
                        Case{"RadioButtonPh", "equality", "4.5922", "Celsius", Str(190.564 - 273.15), "Note: Critical Point"}}) {
    SCOPED_TRACE(std::string(c.method) + " " + c.entry);
    Calculate(c.input, c.method, c.entry, c.unit);
    // As left by an earlier result (typing removed them): the border stays, the volume goes.
    w->Label("MolarV2").SetText(QStringLiteral("stale"));
    w->Control<Platform::Rectangle>("Rectangle2").SetTopLeftColor(Platform::Red);
    w->Control<Platform::Rectangle>("Rectangle2").SetBottomRightColor(Platform::Red);
    GuiTest::Click(*w, "calculate");
    EXPECT_EQ(Text("Answer"), c.answer);
    EXPECT_EQ(Text("ResultText"), c.note);
    EXPECT_TRUE(Red("Rectangle2"));
    if (c.answer == "no solution") {
      EXPECT_EQ(Phases(), "||||||");
    } else {
      const QString V = Str(Globals::CritMolarVol), f = Text("Fuga1");
      EXPECT_EQ(Phases(), V + "|" + V + "|" + Str(16.0428 / Globals::CritMolarVol) + "|" + Str(16.0428 / Globals::CritMolarVol) + "|" + f + "|" + f + "|");
      EXPECT_EQ(Globals::Fugacity[0], Globals::Fugacity[1]);
    }
  }
  // -82.586 degrees Celsius lies just below 190.564 K: a regular result.
  Calculate("RadioButtonTh", "Simple", "-82.586", "Celsius");
  EXPECT_EQ(Text("ResultText"), "");
  EXPECT_NE(Text("MolarV1"), Text("MolarV2"));
}

TEST_F(BubbleDewPointTest, WithoutInputModeOrMethodNothingIsFound) {
  GuiTest::Click(*w, "equality");
  GuiTest::Click(*w, "calculate");
  EXPECT_EQ(Text("Answer") + Text("ResultText"), "no solution" + kSecantNote);
  GuiTest::Click(*w, "Simple");
  GuiTest::Click(*w, "calculate");
  EXPECT_EQ(Text("Answer") + Text("ResultText"), "no solution" + kCurveNote);
  GuiTest::Click(*w, "Clear");
  w->Label("Answer").SetText(QStringLiteral("kept"));
  GuiTest::Click(*w, "calculate");
  EXPECT_EQ(Text("Answer"), "kept");
}

// A shown temperature is converted once per change of unit; a shown pressure never is,
// since choosing the other input empties it.
TEST_F(BubbleDewPointTest, TheUnitSwitchConvertsAFoundTemperatureOnly) {
  Calculate("RadioButtonPh", "Simple", "1");
  const QString kelvin = Text("Answer");
  EXPECT_EQ(kelvin, Str(Globals::SaturationT(1)));
  GuiTest::Click(*w, "Celsius");
  GuiTest::Click(*w, "Celsius");  // already on: nothing happens
  EXPECT_EQ(Text("Answer"), Str(Val(kelvin) - 273.15));
  GuiTest::Click(*w, "Kelvin");
  EXPECT_EQ(Text("Answer"), Str(Val(Str(Val(kelvin) - 273.15)) + 273.15));

  Calculate("RadioButtonTh", "Simple", "150");
  EXPECT_TRUE(Red("Rectangle2"));
  GuiTest::Click(*w, "RadioButtonPh");  // the pressure goes with its input
  EXPECT_EQ(Text("Answer") + Phases() + Text("ResultText"), "||||||");
  EXPECT_FALSE(Red("Rectangle2"));

  // With a temperature typed, a unit switch drops it with the results but not the border.
  Calculate("RadioButtonTh", "Simple", "-120", "Celsius");
  GuiTest::Click(*w, "Kelvin");
  EXPECT_EQ(w->Field("dataEntry").Text() + Text("Answer") + Phases(), "||||||");
  EXPECT_TRUE(Red("Rectangle2"));
  Calculate("RadioButtonTh", "equality", "300");
  GuiTest::Click(*w, "RadioButtonPh");
  GuiTest::Click(*w, "Celsius");
  EXPECT_EQ(Text("Answer"), "");  // "no solution" is no temperature
}

TEST_F(BubbleDewPointTest, PhaseChoiceShowsItsPictureAndClearKeepsOnlyTheBorder) {
  EXPECT_FALSE(Visible("ImageWell1") || Visible("ImageWell2"));
  Calculate("RadioButtonTh", "Simple", "150");
  GuiTest::Click(*w, "Liquid");
  EXPECT_TRUE(Visible("ImageWell1") && !Visible("ImageWell2"));
  EXPECT_EQ(Text("Answer") + Phases(), "||||||");
  EXPECT_FALSE(Red("Rectangle1") || Red("Rectangle2"));
  GuiTest::Click(*w, "Vapour");
  EXPECT_TRUE(Visible("ImageWell2") && !Visible("ImageWell1"));

  GuiTest::Click(*w, "calculate");
  Globals::TempKelvin = 150;
  Globals::PresMPa = 1;
  GuiTest::Click(*w, "Clear");
  EXPECT_EQ(Text("Answer") + w->Field("dataEntry").Text() + Phases() + Text("ResultText"), "||||||");
  for (const char* radio : {"Simple", "equality", "RadioButtonTh", "RadioButtonPh", "Liquid", "Vapour"})
    EXPECT_FALSE(w->Radio(radio).Value()) << radio;
  EXPECT_FALSE(Visible("ImageWell1") || Visible("ImageWell2"));
  EXPECT_TRUE(Red("Rectangle2"));
  EXPECT_EQ(Globals::TempKelvin + Globals::PresMPa, 0);
}

}  // namespace
