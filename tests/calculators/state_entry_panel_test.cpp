#include <string>
#include <utility>

#include "app/platform/ValStr.h"
#include "calculators/derivatives/CVWindow.h"
#include "calculators/energy/EnthalpyWindow.h"
#include "eos/Globals.h"
#include "eos/PhysicalRoots.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ReferenceTable.h"

using Platform::Str;
using Platform::Val;

namespace {

const QString kIdle = QStringLiteral("corresponding density");
QString Density(double V) { return QStringLiteral("corresponding density = ") + Str(16.0428 / V) + QStringLiteral(" g/cm3"); }

// The panel is one implementation; the enthalpy window stands for all ten.
class StateEntryPanelTest : public GuiTest::WindowTest<class EnthalpyWindow> {
 protected:
  QString Hints() { return Text("satliq") + "|" + Text("satvap"); }
};

TEST_F(StateEntryPanelTest, ANewWindowHasNoModeAndBuildingItRunsNoHandler) {
  GuiTest::ResetProgram();
  Globals::TempKelvin = 300, Globals::PresMPa = 1, Globals::MolarVol = 2000;
  auto& fresh = EnthalpyWindow();
  EXPECT_EQ(Globals::TempKelvin + Globals::PresMPa + Globals::MolarVol, 2301);
  EXPECT_FALSE(fresh.Radio("RadioButtonTP").Value() || fresh.Radio("RadioButtonTV").Value());
  EXPECT_TRUE(fresh.Radio("Kelvin").Value() && fresh.Radio("Jmol").Value());
  fresh.Label("Result").SetText("1");
  GuiTest::Type(fresh, "dataEntryPV", "50");
  EXPECT_EQ(fresh.Label("Result").Text() + fresh.Label("ResultPV").Text(), "");
  EXPECT_EQ(fresh.Label("Density1").Text(), kIdle);
}

TEST_F(StateEntryPanelTest, ModesRelabelThePanelAndEmptyBothEntries) {
  GuiTest::Click(*w, "Celsius");
  GuiTest::Click(*w, "RadioButtonTP");
  EXPECT_EQ(Text("Parameter") + "|" + Text("Parameter1"), "Pressure|Molar Volume");
  EXPECT_EQ(w->Control<Platform::PushButton>("PushButton1").text(), "volume calculation");
  GuiTest::CompleteState(*w, "RadioButtonTP", "-100", "5");
  // The pressure row takes back the density of a volume solved for the previous pressure.
  GuiTest::Type(*w, "dataEntryPV", "6");
  EXPECT_EQ(Text("ResultPV"), "");
  EXPECT_EQ(Text("Density2"), kIdle);

  GuiTest::Click(*w, "RadioButtonTV");
  EXPECT_EQ(w->Field("dataEntryT").Text() + w->Field("dataEntryPV").Text(), "");
  EXPECT_EQ(Text("Parameter") + "|" + Text("Unit0") + Text("Unitsup") + "|" + Text("Density1"),
            "Molar Volume|cm /mol3|" + kIdle);
  EXPECT_EQ(w->Control<Platform::PushButton>("PushButton1").text(), "pressure calculation");
  EXPECT_TRUE(w->Radio("Celsius").Value());
}

// A molar volume that no longer reads as positive shows no density, not the last one.
TEST_F(StateEntryPanelTest, TypedVolumeShowsItsDensityAtEachKeystroke) {
  GuiTest::Click(*w, "RadioButtonTV");
  GuiTest::Type(*w, "dataEntryPV", "10");
  EXPECT_EQ(Text("Density1"), Density(10));
  EXPECT_EQ(Text("Density2"), "");
  for (const char* typed : {"", "-", "0", "x"}) {
    GuiTest::Type(*w, "dataEntryPV", "100");
    GuiTest::Type(*w, "dataEntryPV", typed);
    EXPECT_EQ(Text("Density1"), kIdle) << typed;
  }
}

TEST_F(StateEntryPanelTest, TemperatureIsStoredAtOnceWithItsSaturationHints) {
  auto twoPhase = [](double T) {
    return "liquid = " + Str(Globals::SaturationV(1, T)) + " cm3/mol|vapour = " + Str(Globals::SaturationV(0, T)) + " cm3/mol";
  };
  const QString super = "super-critical fluid conditions|", sub = "sub-triple fluid conditions (solid CH4)|";
  struct Case { const char* unit; const char* typed; double kelvin; QString hints; };
  for (const Case& c : {Case{"Kelvin", "90.6941", 90.6941, twoPhase(90.6941)}, Case{"Kelvin", "90.69", 90.69, sub},
                        Case{"Kelvin", "190.564", 190.564, twoPhase(190.564)},
                        Case{"Kelvin", "190.5640001", 190.5640001, super}, Case{"Celsius", "0", 273.15, super},
                        Case{"Celsius", "-82.586", -82.586 + 273.15, twoPhase(-82.586 + 273.15)}}) {
    SCOPED_TRACE(std::string(c.unit) + " " + c.typed);
    GuiTest::Click(*w, c.unit);
    GuiTest::Type(*w, "dataEntryT", c.typed);
    EXPECT_EQ(Globals::TempKelvin, c.kelvin);
    EXPECT_EQ(Hints(), c.hints);
    // No temperature leaves the hints as they were; an empty entry is none in either unit.
    const bool celsius = std::string(c.unit) == "Celsius";
    for (const char* none : {"", "abc", "0", "-5"}) {
      if (celsius && QString(none) == "0") break;  // 0 and -5 ˚C are temperatures
      GuiTest::Type(*w, "dataEntryT", none);
      EXPECT_EQ(Hints(), c.hints) << none;
      EXPECT_LE(Globals::TempKelvin, 0) << none;
    }
  }
}

TEST_F(StateEntryPanelTest, EditingTheTemperatureDropsTheSecondQuantityButNotTheSharedState) {
  GuiTest::CompleteState(*w, "RadioButtonTP", "150", "5");
  w->Label("Result").SetText("1");
  const double V = Globals::MolarVol;
  GuiTest::Type(*w, "dataEntryT", "160");
  EXPECT_EQ(w->Field("dataEntryPV").Text() + Text("ResultPV") + Text("Result") + Text("warning"), "");
  EXPECT_EQ(Globals::TempKelvin, 160);
  EXPECT_EQ(Globals::MolarVol, V);
  EXPECT_EQ(Globals::PresMPa, 5);

  GuiTest::Click(*w, "Celsius");  // the typed temperature is dropped, not converted
  EXPECT_EQ(Text("StaticText1"), "\u02DACelsius");
  EXPECT_EQ(w->Field("dataEntryT").Text(), "");
  EXPECT_EQ(Globals::TempKelvin, 0);
  EXPECT_EQ(Hints(), "liquid|vapour");
}

// Volumes solved from (T, P) are the stable roots, from the saturation start below Tc.
TEST_F(StateEntryPanelTest, VolumeCalculationSolvesTheStableRoot) {
  const auto rows = Reference::Table("volume-inversion.csv");
  for (const Reference::Row& r : rows) {
    SCOPED_TRACE(r.Text("T_K") + " K, " + r.Text("p_MPa") + " MPa");
    GuiTest::CompleteState(*w, "RadioButtonTP", QString::fromStdString(r.Text("T_K")),
                           QString::fromStdString(r.Text("p_MPa")));
    EXPECT_EQ(Globals::PresMPa, r["p_MPa"]);
    EXPECT_EQ(Text("ResultPV"), Str(Globals::MolarVol));
    EXPECT_NEAR(Globals::MolarVol, r["V_cm3mol"], 1e-9 * r["V_cm3mol"]);
    EXPECT_EQ(Text("Density2"), Density(Globals::MolarVol));
  }

  // At exactly the critical temperature the start is the critical volume.
  GuiTest::CompleteState(*w, "RadioButtonTP", "190.564", "10");
  EXPECT_EQ(Globals::MolarVol, Globals::PhysicalVolume(190.564, 10, Globals::CritMolarVol));
  // Below the triple point no root is a state: 0, with no message and no density.
  GuiTest::CompleteState(*w, "RadioButtonTP", "50", "1");
  EXPECT_EQ(Text("ResultPV"), "0");
  EXPECT_EQ(Text("Density2") + Text("warning"), "");
  EXPECT_EQ(Globals::MolarVol, 0);
  EXPECT_EQ(Globals::TempKelvin, 50);
}

// The molar volume at which the pressure is P at T, by bisection between 15 cm3/mol and the
// critical volume, where above the critical temperature the pressure falls as the volume grows.
double DenseVolumeByBisection(double T, double P) {
  double dense = Globals::MinMolarVol, light = Globals::CritMolarVol;
  for (int i = 0; i < 60; ++i) {
    const double V = (dense + light) / 2;
    (Globals::Setzmann_Pressure(T, V) > P ? dense : light) = V;
  }
  return (dense + light) / 2;
}

// Above the critical temperature the start is the critical volume, from which the plain
// inversion of these dense states ends on no root at all; the panel goes on to the physical one.
TEST_F(StateEntryPanelTest, DenseSupercriticalStatesCompleteToTheirPhysicalVolume) {
  for (const auto& [T, P] : {std::pair{"450", "160"}, std::pair{"200", "60"}, std::pair{"320", "240"},
                             std::pair{"520", "500"}}) {
    SCOPED_TRACE(std::string(T) + " K, " + P + " MPa");
    GuiTest::CompleteState(*w, "RadioButtonTP", T, P);
    const double expected = DenseVolumeByBisection(Val(T), Val(P));
    EXPECT_NEAR(Globals::MolarVol, expected, 1e-9 * expected);
    EXPECT_EQ(Text("ResultPV"), Str(Globals::MolarVol));
    EXPECT_EQ(Text("Density2"), Density(Globals::MolarVol));
  }
  GuiTest::CompleteState(*w, "RadioButtonTP", "450", "160");
  EXPECT_EQ(Text("ResultPV"), "50.10615");
}

TEST_F(StateEntryPanelTest, PressureCalculationHoldsWithinItsBounds) {
  struct Case { const char *T, *V; bool evaluated; };
  for (const Case& c : {Case{"90", "15", true}, Case{"90.5", "40", true}, Case{"89.99", "40", false},
                        Case{"90", "14.99", false}, Case{"300", "1000", true}}) {
    SCOPED_TRACE(std::string(c.T) + " K, " + c.V);
    GuiTest::CompleteState(*w, "RadioButtonTV", c.T, c.V);
    const double P = c.evaluated ? Globals::Setzmann_Pressure(Val(c.T), Val(c.V)) : 0;
    EXPECT_EQ(Globals::PresMPa, P);
    EXPECT_EQ(Globals::MolarVol, Val(c.V));
    EXPECT_EQ(Text("ResultPV"), Str(P));
    EXPECT_EQ(Text("Density1"), Density(Val(c.V)));
    EXPECT_EQ(Text("Density2"), "");
  }
}

TEST_F(StateEntryPanelTest, IncompleteEntriesWarnByModeAndChangeNothing) {
  GuiTest::CompleteState(*w, "RadioButtonTV", "300", "1000");
  const double P = Globals::PresMPa;
  struct Case { const char *mode, *unit, *T, *x, *message; };
  for (const Case& c : {Case{"RadioButtonTV", "Kelvin", "300", "", "temperature and molar volume"},
                        Case{"RadioButtonTV", "Kelvin", "-1", "50", "temperature and molar volume"},
                        Case{"RadioButtonTP", "Celsius", "", "5", "temperature and pressure"}}) {
    SCOPED_TRACE(std::string(c.mode) + " " + c.unit + " '" + c.T + "' '" + c.x + "'");
    GuiTest::Click(*w, c.unit);
    GuiTest::CompleteState(*w, c.mode, c.T, c.x);
    EXPECT_EQ(Text("warning"), QStringLiteral("warning: put a number for ") + c.message);
    EXPECT_EQ(Globals::PresMPa, P);
    EXPECT_EQ(Globals::MolarVol, 1000);
  }
}

TEST_F(StateEntryPanelTest, ClearEmptiesTheWindowAndTheSharedStateButKeepsTheMode) {
  GuiTest::CompleteState(*w, "RadioButtonTV", "300", "1000");
  GuiTest::Click(*w, "calculate");
  ASSERT_NE(Text("Result"), "");
  GuiTest::Click(*w, "Clear");
  EXPECT_EQ(w->Field("dataEntryT").Text() + w->Field("dataEntryPV").Text() + Text("ResultPV"), "");
  EXPECT_EQ(Text("Density1") + Text("Density2") + Text("Result") + Text("Result1") + Text("warning"), "");
  EXPECT_EQ(Hints(), "liquid|vapour");
  EXPECT_TRUE(w->Radio("RadioButtonTV").Value());
  EXPECT_EQ(Globals::TempKelvin + Globals::PresMPa + Globals::MolarVol, 0);
}

// The state is the program's, not the window's: fixed in one window, calculated in another.
TEST_F(StateEntryPanelTest, AStateFixedInOneWindowIsTheOneEveryOtherUses) {
  GuiTest::CompleteState(*w, "RadioButtonTP", "150", "5");
  auto& cv = CVWindow();
  GuiTest::Click(cv, "calculate");
  EXPECT_EQ(cv.Label("Result").Text(), Str(Globals::Setzmann_Cv(150, Globals::MolarVol)));
  GuiTest::Click(cv, "Clear");
  GuiTest::Click(*w, "calculate");
  EXPECT_EQ(Text("Result"), "");
  EXPECT_NE(Text("warning"), "");
}

}  // namespace
