#include <string>

#include "app/platform/ValStr.h"
#include "calculators/phase/LiquidVapourEq.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"

using Platform::Str;
using Platform::Val;

namespace {

const QString kWarning = QStringLiteral("warning: put a number for molar volume and temperature (below Th)");
const char* const kResults[] = {"MolarV1", "MolarV2", "Dens1", "Dens2", "frac1", "frac2"};

class LiquidVapourEqTest : public GuiTest::WindowTest<class LiquidVapourEq> {
 protected:
  // Types the volume, computes its homogenisation temperature, chooses the method, types
  // the temperature and calculates.
  void Calculate(const QString& V, const char* method, const QString& T) {
    GuiTest::Type(*w, "DataEntryV", V);
    GuiTest::Click(*w, method);
    GuiTest::Click(*w, "calTh");
    GuiTest::Type(*w, "DataEntryT", T);
    GuiTest::Click(*w, "calculate");
  }
  QString Results() {
    QString all;
    for (const char* name : kResults) all += Text(name) + QStringLiteral("|");
    return all;
  }
  Platform::Colour Colour(const char* label) { return w->Label(label).TextColor(); }
};

TEST_F(LiquidVapourEqTest, TheHomogenisationTemperatureIsShownInCelsiusOrAsARedError) {
  GuiTest::Type(*w, "DataEntryV", "200");
  EXPECT_EQ(Globals::MolarVol, 200);
  GuiTest::Click(*w, "calTh");
  EXPECT_EQ(Text("nummerTh"), Str(Globals::SaturationTV(200) - 273.15));
  EXPECT_EQ(Colour("nummerTh"), Platform::Black);
  for (const char* V : {"30", ""}) {
    GuiTest::Type(*w, "DataEntryV", V);
    GuiTest::Click(*w, "calTh");
    EXPECT_EQ(Text("nummerTh"), "error") << V;
    EXPECT_EQ(Colour("nummerTh"), Platform::Red);
  }
}

// Between the saturated volumes both fractions lie in 0..1 and add up to 1; outside they
// are shown as the lever rule gives them. The typed temperature is read in the unit chosen.
TEST_F(LiquidVapourEqTest, BothMethodsGiveTheEquilibriumAndTheVolumeFractions) {
  for (const char* method : {"Simple", "equality"}) {
    Calculate("200", method, "150");
    const double phi = Val(Text("frac1"));
    EXPECT_GT(phi, 0);
    EXPECT_LT(phi, 1);
    EXPECT_NEAR(phi + Val(Text("frac2")), 1, 2e-7);
    EXPECT_EQ(Colour("Answer"), Platform::Black);
  }
  // A new volume takes the temperature, Th and the results with it.
  GuiTest::Type(*w, "DataEntryV", "36");
  EXPECT_EQ(w->Field("DataEntryT").Text() + Text("nummerTh") + Text("Answer") + Results(), "||||||");
  EXPECT_TRUE(w->Radio("equality").Value());
  GuiTest::Click(*w, "calTh");
  GuiTest::Type(*w, "DataEntryT", "-178.0961");
  GuiTest::Click(*w, "Celsius");
  EXPECT_EQ(Text("StaticText12"), "\u02DACelsius");
  GuiTest::Click(*w, "calculate");
  // Just below Th the liquid of the equation of state is a little larger than that of the
  // correlation that gave Th: no room for vapour.
  EXPECT_EQ(Text("nummerTh"), "-178.0951");
  EXPECT_LT(Val(Text("frac2")), 0);
  GuiTest::Render(*w, QStringLiteral("LiquidVapourEq.png"));
}

// Rejected: T not below Th, T at the triple point, no T, no V, and no Th at all (never
// computed, taken by a method change, or "error"); the shown Th stays.
TEST_F(LiquidVapourEqTest, RejectedInputsWarnAndLeaveNoResult) {
  auto expectRejected = [&](const char* what) {
    w->Label("warning").SetText(QString());
    GuiTest::Click(*w, "calculate");
    EXPECT_EQ(Text("warning"), kWarning) << what;
    EXPECT_EQ(Text("Answer") + Results(), "||||||") << what;
  };
  Calculate("200", "Simple", "150");
  const QString th = Text("nummerTh");
  for (const QString& T : {Str(Val(th) + 273.15), QStringLiteral("90.6941"), QString()}) {
    Calculate("200", "Simple", "150");
    GuiTest::Type(*w, "DataEntryT", T);
    expectRejected("T");
    EXPECT_EQ(Text("nummerTh"), th);
  }
  Calculate("200", "Simple", "150");
  w->Field("DataEntryV").SetText(QStringLiteral("0"));  // as if the volume were gone
  expectRejected("V = 0");
  GuiTest::Type(*w, "DataEntryV", "200");
  GuiTest::Type(*w, "DataEntryT", "150");
  expectRejected("Th never computed");
  GuiTest::Click(*w, "calTh");
  GuiTest::Click(*w, "calculate");
  EXPECT_EQ(Text("warning"), "");
  GuiTest::Click(*w, "equality");
  expectRejected("Th taken by the method");
  GuiTest::Type(*w, "DataEntryV", "30");  // no saturated volume: "error"
  GuiTest::Click(*w, "calTh");
  GuiTest::Type(*w, "DataEntryT", "200");  // above the critical point, below "0 degrees"
  expectRejected("Th error");
}

// Where one phase is rejected near the critical point, "no solution" in red stands alone,
// and the next result is black again.
TEST_F(LiquidVapourEqTest, AFailedSearchEmptiesEveryResult) {
  Calculate("98.6", "Simple", "190.3");
  EXPECT_NE(Text("frac1"), "");
  GuiTest::Click(*w, "equality");
  GuiTest::Click(*w, "calTh");
  GuiTest::Type(*w, "DataEntryT", "190.3");
  w->Label("MolarV1").SetText(QStringLiteral("stale"));
  w->Label("frac2").SetText(QStringLiteral("stale"));
  GuiTest::Click(*w, "calculate");
  EXPECT_EQ(Text("Answer"), "no solution");
  EXPECT_EQ(Colour("Answer"), Platform::Red);
  EXPECT_EQ(Results(), "||||||");
  EXPECT_EQ(Text("warning"), "");
  GuiTest::Type(*w, "DataEntryT", "150");
  GuiTest::Click(*w, "calculate");
  EXPECT_EQ(Colour("Answer"), Platform::Black);

  GuiTest::Click(*w, "Celsius");
  GuiTest::Click(*w, "Clear");
  EXPECT_EQ(w->Field("DataEntryV").Text() + w->Field("DataEntryT").Text() + Text("nummerTh") + Text("Answer") + Results(), "||||||");
  EXPECT_FALSE(w->Radio("Simple").Value() || w->Radio("equality").Value());
  EXPECT_TRUE(w->Radio("Celsius").Value());
}

}  // namespace
