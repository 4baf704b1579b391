#include <algorithm>

#include "app/platform/ValStr.h"
#include "calculators/volumetric/MathAnalT.h"
#include "calculators/volumetric/TemperatureWindow.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ReferenceTable.h"

using Platform::Str;
using Platform::Val;

namespace {

const QString kWarning = QStringLiteral("warning: put a number for molar volume and pressure");

class TemperatureWindowTest : public GuiTest::WindowTest<class TemperatureWindow> {
 protected:
  // Types the state, picks the first approach ("Choice0", "Choice1" or none) and calculates.
  void Calculate(const QString& V, const QString& P, const char* choice = "Choice0") {
    GuiTest::Type(*w, "dataEntry", V);
    GuiTest::Type(*w, "dataEntry1", P);
    if (choice) GuiTest::Click(*w, choice);
    GuiTest::Click(*w, "calculate");
  }
  QString Limits() { return Text("pressurelimit") + Text("liquidlimit") + Text("vapourlimit"); }
};

TEST_F(TemperatureWindowTest, TypingWarnsShowsDensityAndSaturationLimits) {
  Globals::TempKelvin = 300;
  for (auto [V, P] : {std::pair{"", "10"}, {"100", "-1"}}) {
    Calculate(V, P);
    EXPECT_EQ(Text("warning"), kWarning) << V << " " << P;
    EXPECT_EQ(Globals::MolarVol, Val(V));
    EXPECT_EQ(Globals::PresMPa, Val(P));
  }
  EXPECT_EQ(Globals::TempKelvin, 300);
  EXPECT_EQ(Text("Density"), "corresponding density = 160.428 kg/m3");

  GuiTest::Type(*w, "dataEntry1", "4.5921");
  const double Ts = Globals::SaturationT(4.5921);
  EXPECT_EQ(Limits(), "At pressures below critical point:  Vm (liquid) < " +
                          Str(Globals::SaturationV(1, Ts)) + " cm3/mol  Vm (vapour) > " +
                          Str(Globals::SaturationV(0, Ts)) + " cm3/mol");
  GuiTest::Type(*w, "dataEntry1", "4.5922");
  EXPECT_EQ(Limits(), "");
}

// States of the reference grid: liquid and supercritical above the critical pressure
// (ideal-gas start), gas below it (saturation start). (How fast: windows_bench.)
TEST_F(TemperatureWindowTest, AutomaticApproachMatchesReferenceTemperatures) {
  const std::vector<std::pair<std::string, std::string>> states{
      {"100", "33"}, {"150", "1490.05"}, {"250", "625.596"}, {"400", "130"}};
  int checked = 0;
  for (const Reference::Row& r : Reference::Table("eos-grid.csv")) {
    if (std::find(states.begin(), states.end(), std::pair{r.Text("T_K"), r.Text("V_cm3mol")}) == states.end()) continue;
    Calculate(QString::fromStdString(r.Text("V_cm3mol")), QString::fromStdString(r.Text("p_MPa")));
    EXPECT_NEAR(Val(Text("Result")), r["T_K"], 1e-6 * r["T_K"]) << r.Text("T_K") << " K, " << r.Text("V_cm3mol");
    ++checked;
  }
  EXPECT_EQ(checked, 4);
  Calculate("130", "4");  // below the critical pressure, with its limits
  GuiTest::Render(*w, "TemperatureWindow.png");
}

// At 50 cm3/mol the pressure 4.5922 MPa has two temperature roots: the saturation start
// (just below 190.5 K) reaches the liquid, the ideal-gas start (28 K) a state inside the
// two-phase region, which "automatic" passes over for the liquid.
TEST_F(TemperatureWindowTest, FirstApproachDecidesTheRoot) {
  Calculate("50", "4.5922");
  EXPECT_NEAR(Val(Text("Result")), 170.4974, 1e-3);
  Calculate("50", "4.59221");
  EXPECT_NEAR(Val(Text("Result")), 170.4977, 1e-3);

  // A manual start is in kelvin whatever the unit of the result.
  GuiTest::Click(*w, "Celsius");
  GuiTest::Type(*w, "dataEntry1", "4.5922");
  GuiTest::Type(*w, "dataEntryT", "110");
  GuiTest::Click(*w, "Choice1");
  GuiTest::Click(*w, "calculate");
  EXPECT_NEAR(Globals::TempKelvin, 109.2891, 1e-3);
  EXPECT_EQ(Text("Result"), Str(Globals::TempKelvin - 273.15));

  GuiTest::Type(*w, "dataEntry1", "4");  // a new pressure keeps the manual start...
  EXPECT_EQ(w->Field("dataEntryT").Text(), "110");
  Calculate("51", "4", nullptr);  // ...a new volume empties it; no approach then fails
  EXPECT_EQ(w->Field("dataEntryT").Text() + "|" + Text("warning") + "|" + Text("Result"), "|Change first approach|");
  EXPECT_EQ(w->Label("warning").TextColor(), Platform::Red);
  EXPECT_EQ(Globals::TempKelvin, 0);
  // With no temperature computed neither unit shows a 0 that reads like one.
  GuiTest::Click(*w, "Kelvin");
  EXPECT_EQ(Text("Result"), "");
  GuiTest::Click(*w, "Celsius");
  EXPECT_EQ(Text("Result"), "");
}

TEST_F(TemperatureWindowTest, UnitButtonsActivationAndClear) {
  Calculate("130", "25.616875647806069");
  EXPECT_EQ(Text("Result"), "400");
  GuiTest::Click(*w, "Celsius");
  EXPECT_EQ(Text("Result"), "126.85");
  Globals::TempKelvin = 300;  // another window's temperature shows at the next switch
  GuiTest::Click(*w, "Kelvin");
  EXPECT_EQ(Text("Result"), "300");

  // Activation empties the warning and the limits only.
  GuiTest::Click(*w, "Celsius");
  GuiTest::Type(*w, "dataEntryT", "150");
  GuiTest::Type(*w, "dataEntry1", "4");
  GuiTest::Click(*w, "calculate");
  ASSERT_EQ(Text("warning"), "Change first approach");
  ASSERT_NE(Limits(), "");
  ASSERT_TRUE(ReturnFrom(MathAnalT()));
  EXPECT_EQ(Text("warning") + Limits(), "");
  EXPECT_NE(Text("Density"), "corresponding density");

  GuiTest::Click(*w, "Clear");
  EXPECT_TRUE(w->Radio("Kelvin").Value() && !w->Radio("Celsius").Value());
  EXPECT_FALSE(w->Radio("Choice0").Value());
  EXPECT_EQ(w->Field("dataEntry").Text() + "|" + w->Field("dataEntry1").Text() + "|" + w->Field("dataEntryT").Text(), "||150");
  EXPECT_EQ(Text("Result") + Limits(), "");
  EXPECT_EQ(Text("Density"), "corresponding density");
  EXPECT_EQ(std::pair(Globals::MolarVol, Globals::PresMPa), std::pair(130.0, 4.0));
}

}  // namespace
