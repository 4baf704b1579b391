#include <cmath>
#include <tuple>

#include "app/platform/ValStr.h"
#include "calculators/volumetric/Isochore.h"
#include "calculators/volumetric/PressuresWindow.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ReferenceTable.h"

using Platform::Str;
using Platform::Val;

namespace {

class PressuresWindowTest : public GuiTest::WindowTest<class PressuresWindow> {
 protected:
  void Calculate(const QString& volume, const QString& temperature, bool celsius = false) {
    GuiTest::Click(*w, celsius ? "Celsius" : "Kelvin");
    GuiTest::Type(*w, "dataEntry", volume);
    GuiTest::Type(*w, "dataEntry1", temperature);
    GuiTest::Click(*w, "calculate");
  }
};

TEST_F(PressuresWindowTest, MissingInputWarnsAndKeepsThePreviousResult) {
  struct Case { const char *volume, *temperature; bool celsius; double kelvin; };
  for (const Case& c : {Case{"", "300", false, 300}, Case{"50", "", true, 0}, Case{"-5", "300", false, 300}}) {
    SCOPED_TRACE(std::string(c.volume) + " / " + c.temperature);
    Calculate("50", "300");
    const QString shown = Text("Result");
    Calculate(c.volume, c.temperature, c.celsius);
    EXPECT_EQ(Text("warning"), "warning: put a number for temperature and molar volume");
    EXPECT_EQ(Text("Result"), "");  // emptied by typing, not refilled
    EXPECT_EQ(Globals::TempKelvin, c.kelvin);
    EXPECT_EQ(Globals::MolarVol, Val(c.volume));
    w->Label("Result").SetText(shown);
    GuiTest::PressReturn(*w, "dataEntry1");  // Return in a field is "calculate"
    EXPECT_EQ(Text("Result"), shown);
  }
}

TEST_F(PressuresWindowTest, BoundsGivePressureOrRedNoResult) {
  struct Case { const char *volume, *temperature; bool celsius, pressure; };
  for (const Case& c : {Case{"15", "85", false, true}, Case{"14.99", "85", false, false},
                        Case{"15", "84.99", false, false}, Case{"15", "-188", true, true},
                        Case{"100", "-200", true, false}, Case{"1e6", "625", false, true}}) {
    SCOPED_TRACE(std::string(c.volume) + " / " + c.temperature);
    Globals::PresMPa = -1;
    Calculate(c.volume, c.temperature, c.celsius);
    w->Label("warning").SetText(QStringLiteral("stale"));
    GuiTest::PressReturn(*w);
    const auto& result = w->Label("Result");
    EXPECT_EQ(Text("warning"), "");
    EXPECT_EQ(result.TextColor(), c.pressure ? Platform::Black : Platform::Red);
    EXPECT_EQ(result.TextSize(), c.pressure ? 16 : 14);
    EXPECT_EQ(result.Text(), c.pressure ? Str(Globals::PresMPa) : "no result");
    if (!c.pressure) { EXPECT_EQ(Globals::PresMPa, -1); }
  }
}

// Every state of the reference grid, typed exactly as the file writes it.
TEST_F(PressuresWindowTest, PressureAgreesWithReferenceGrid) {
  const auto rows = Reference::Table("eos-grid.csv");
  ASSERT_GT(rows.size(), 300u);
  for (const Reference::Row& r : rows) {
    Calculate(QString::fromStdString(r.Text("V_cm3mol")), QString::fromStdString(r.Text("T_K")));
    const double shown = Val(Text("Result"));
    EXPECT_NEAR(shown, r["p_MPa"], 1e-6 * std::abs(shown)) << "T = " << r.Text("T_K") << ", V = " << r.Text("V_cm3mol");
  }
}

TEST_F(PressuresWindowTest, LimitsWhileTypingUnitSwitchAndClear) {
  w->Label("warning").SetText(QStringLiteral("stale"));
  w->Label("Result").SetText(QStringLiteral("1"));
  GuiTest::Type(*w, "dataEntry1", "190.5");
  EXPECT_EQ(Text("warning") + Text("Result"), "");
  EXPECT_EQ(Text("temperaturelimit"), "At temperatures below critical point:");
  EXPECT_EQ(Text("liquidlimit"), "  Vm (liquid) < " + Str(Globals::SaturationV(1, 190.5)) + " cm3/mol");
  EXPECT_EQ(Text("vapourlimit"), "  Vm (vapour) > " + Str(Globals::SaturationV(0, 190.5)) + " cm3/mol");
  EXPECT_LT(Val(Text("liquidlimit").mid(16)), Val(Text("vapourlimit").mid(16)));
  GuiTest::Type(*w, "dataEntry1", "190.564");
  EXPECT_EQ(Text("temperaturelimit") + Text("liquidlimit") + Text("vapourlimit"), "");

  // The unit switch relabels only; the entry is read in the new unit at the next use.
  GuiTest::Type(*w, "dataEntry1", "-150");
  GuiTest::Click(*w, "Celsius");
  EXPECT_EQ(Text("StaticText4"), "\u02DACelsius");
  EXPECT_EQ(Globals::TempKelvin, -150);
  GuiTest::Type(*w, "dataEntry1", "-100");
  EXPECT_DOUBLE_EQ(Globals::TempKelvin, 173.15);
  EXPECT_EQ(Text("liquidlimit"), "  Vm (liquid) < " + Str(Globals::SaturationV(1, 173.15)) + " cm3/mol");
  GuiTest::Type(*w, "dataEntry1", "");
  EXPECT_EQ(Globals::TempKelvin, 0);  // not 273.15 K

  Calculate("14", "-100", true);
  const double V = Globals::MolarVol, T = Globals::TempKelvin, P = Globals::PresMPa;
  GuiTest::Click(*w, "Clear");
  EXPECT_EQ(w->Field("dataEntry").Text() + w->Field("dataEntry1").Text() + Text("Result"), "");
  EXPECT_EQ(Text("warning") + Text("temperaturelimit") + Text("liquidlimit") + Text("vapourlimit"), "");
  EXPECT_TRUE(w->Radio("Kelvin").Value() && !w->Radio("Celsius").Value());
  EXPECT_EQ(Text("StaticText4"), "Kelvin");  // agrees with the button turned on
  EXPECT_EQ(Text("Density"), "corresponding density = 1145.914 kg/m3");
  EXPECT_EQ(std::tuple(Globals::MolarVol, Globals::TempKelvin, Globals::PresMPa), std::tuple(V, T, P));
}

TEST_F(PressuresWindowTest, ActivationEmptiesMessagesAndTheIsochoreButtonOpensItsTable) {
  Calculate("50", "150");
  GuiTest::Render(*w, QStringLiteral("PressuresWindow.png"));
  const QString result = Text("Result");
  w->Label("warning").SetText(QStringLiteral("stale"));
  GuiTest::Click(*w, "PushButton1");
  ASSERT_NE(ImplicitWindow::Live("Isochore"), nullptr);
  ASSERT_TRUE(ReturnFrom(Isochore()));
  EXPECT_EQ(Text("warning") + Text("temperaturelimit") + Text("liquidlimit") + Text("vapourlimit"), "");
  EXPECT_EQ(Text("Result"), result);
  EXPECT_EQ(Text("Density"), "corresponding density = 320.856 kg/m3");
  GuiTest::Type(*w, "dataEntry", "-50");
  EXPECT_EQ(Text("Density"), "corresponding density");
}

}  // namespace
