#include <algorithm>
#include <cmath>
#include <string>

#include "app/platform/ValStr.h"
#include "calculators/derivatives/CPWindow.h"
#include "calculators/derivatives/CVWindow.h"
#include "calculators/derivatives/JouleWindow.h"
#include "calculators/derivatives/SoundWindow.h"
#include "calculators/energy/EnthalpyWindow.h"
#include "calculators/energy/EntropyWindow.h"
#include "calculators/energy/FugacityWindow.h"
#include "calculators/energy/GibbsWindow.h"
#include "calculators/energy/HelmholtzWindow.h"
#include "calculators/energy/InternalEnergyWindow.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ReferenceTable.h"

using Platform::Str;
using Platform::Val;

namespace {

const QString kStateWarning = QStringLiteral("warning: put a number for temperature, molar volume, and pressure");
constexpr double M = 16.0428;

void SetState(double T, double V, double P) {
  Globals::TempKelvin = T;
  Globals::MolarVol = V;
  Globals::PresMPa = P;
}

// A shown number against the exact value, to the 7 digits that Str writes.
void ExpectShown(const QString& shown, double exact, double scale, const std::string& what) {
  EXPECT_NEAR(Val(shown), exact, 6e-7 * std::max(std::abs(exact), scale)) << what << ": " << shown.toStdString();
}

struct EnergyCase {
  ImplicitWindow& (*open)();
  const char* column;            // of eos-grid.csv
  const char* tabulated;         // Result1 at 298.15 K and the reference volume, as Str shows it
  const char* note;              // control of the note that cites it
  const char* noteText;
  const char* unit;
};

const EnergyCase kEnergies[] = {
    {[]() -> ImplicitWindow& { return InternalEnergyWindow(); }, "u_Jmol", "-77284.68", "StaticText14",
     "reference state at 25 \u02DAC and 1 bar: U = -77284.7  J/mol\rRobie et al. (1979)", "J/mol"},
    {[]() -> ImplicitWindow& { return EnthalpyWindow(); }, "h_Jmol", "-74810", "StaticText16",
     "reference state at 25 \u02DAC and 1 bar: H = -74810.0  J/mol\rRobie et al. (1979)", "J/mol"},
    {[]() -> ImplicitWindow& { return EntropyWindow(); }, "s_JmolK", "186.26", "StaticText14",
     "reference state at 25 \u02DAC and 1 bar: S = 186.26  J/mol K\rRobie et al. (1979)", "J/mol K"},
    {[]() -> ImplicitWindow& { return HelmholtzWindow(); }, "a_Jmol", "-132818.1", "StaticText14",
     "reference state at 25 \u02DAC and 1 bar: A = -132818.1  J/mol\rRobie et al. (1979)", "J/mol"},
    {[]() -> ImplicitWindow& { return GibbsWindow(); }, "g_Jmol", "-130343.4", "StaticText14",
     "reference state at 25 \u02DAC and 1 bar: G = -130343.4  J/mol\rRobie et al. (1979)", "J/mol"},
};

// Every 12th state of the grid: liquid, gas and super-critical, 100 to 625 K.
std::vector<Reference::Row> SomeStates() {
  std::vector<Reference::Row> some;
  const auto rows = Reference::Table("eos-grid.csv");
  for (std::size_t i = 11; i < rows.size(); i += 12) some.push_back(rows[i]);
  return some;
}

class PropertyWindows : public GuiTest::Fixture {};

// On its own reference the value is the equation's; on the standard state it is that value
// moved by one constant, so that the reference point itself shows the tabulated value.
TEST_F(PropertyWindows, EnergiesMatchTheReferenceAndShiftToTheTabulatedStandardState) {
  const auto states = SomeStates();
  for (const EnergyCase& c : kEnergies) {
    ImplicitWindow& w = c.open();
    SCOPED_TRACE(w.ClassName());
    EXPECT_EQ(w.Label(c.note).Text(), c.noteText);
    SetState(Globals::RefTempKelvin, Globals::RefMolarVol, Globals::RefPresMPa);
    GuiTest::Click(w, "calculate");
    EXPECT_EQ(w.Label("Result1").Text(), c.tabulated);
    const double shift = Val(c.tabulated) - Val(w.Label("Result").Text());
    for (const Reference::Row& r : states) {
      SetState(r["T_K"], r["V_cm3mol"], 1);
      GuiTest::Click(w, "calculate");
      const std::string at = r.Text("T_K") + " K, " + r.Text("V_cm3mol");
      const double scale = 8.31451 * (std::string(c.column) == "s_JmolK" ? 1 : r["T_K"]);
      ExpectShown(w.Label("Result").Text(), r[c.column], scale, at);
      ExpectShown(w.Label("Result1").Text(), r[c.column] + shift, std::abs(shift), at);
      EXPECT_EQ(w.Label("warning").Text(), "");
    }
  }
}

// Design decision: a click on the radio that is already on raises nothing, so each change
// of selection converts the shown values exactly once. The pair is one for every property
// window; a molar and a molar-per-kelvin unit stand for all.
TEST_F(PropertyWindows, TheUnitPairConvertsTheShownValuesOncePerChange) {
  for (const EnergyCase* energy : {&kEnergies[1], &kEnergies[2]}) {
    const EnergyCase& c = *energy;
    ImplicitWindow& w = c.open();
    SCOPED_TRACE(w.ClassName());
    const QString specific = std::string(c.unit) == "J/mol" ? "kJ/kg" : "kJ/kg K";
    GuiTest::Click(w, "kJkg");  // nothing shown: only the units change
    EXPECT_EQ(w.Label("StaticText11").Text() + w.Label("StaticText12").Text(), specific + specific);
    EXPECT_EQ(w.Label("Result").Text() + w.Label("Result1").Text(), "");
    SetState(150, 40, 5);
    GuiTest::Click(w, "calculate");  // written in the selected unit straight away
    const QString result = w.Label("Result").Text(), result1 = w.Label("Result1").Text();
    GuiTest::Click(w, "Jmol");
    GuiTest::Click(w, "calculate");
    const QString molar = w.Label("Result").Text(), molar1 = w.Label("Result1").Text();
    ExpectShown(result, Val(molar) / M, 0, "kJ/kg");
    ExpectShown(result1, Val(molar1) / M, 0, "kJ/kg");
    for (int click = 0; click < 2; ++click) GuiTest::Click(w, "kJkg");
    EXPECT_EQ(w.Label("Result").Text(), Str(Val(molar) / M));
    EXPECT_EQ(w.Label("Result1").Text(), Str(Val(molar1) / M));
    for (int click = 0; click < 2; ++click) GuiTest::Click(w, "Jmol");
    EXPECT_EQ(w.Label("Result").Text(), Str(Val(Str(Val(molar) / M)) * M));
    EXPECT_EQ(w.Label("StaticText11").Text() + w.Label("StaticText12").Text(), QString(c.unit) + c.unit);
  }
}

TEST_F(PropertyWindows, AnIncompleteStateIsRefusedEvenWhereThePressureIsNotUsed) {
  auto& h = EnthalpyWindow();
  for (const auto& [T, V, P] : {std::tuple{0.0, 0.0, 0.0}, std::tuple{300.0, 1000.0, 0.0},
                                std::tuple{300.0, 1000.0, -2.0}, std::tuple{300.0, 0.0, 1.0}}) {
    SetState(300, 1000, 1);
    GuiTest::Click(h, "calculate");
    ASSERT_NE(h.Label("Result").Text(), "");
    SetState(T, V, P);
    GuiTest::Click(h, "calculate");
    EXPECT_EQ(h.Label("warning").Text(), kStateWarning);
    EXPECT_EQ(h.Label("Result").Text() + h.Label("Result1").Text(), "");
  }
}

TEST_F(PropertyWindows, SecondDerivativesMatchTheReference) {
  struct Case { ImplicitWindow& (*open)(); const char* column; };
  const Case cases[] = {{[]() -> ImplicitWindow& { return CVWindow(); }, "cv_JmolK"},
                        {[]() -> ImplicitWindow& { return CPWindow(); }, "cp_JmolK"},
                        {[]() -> ImplicitWindow& { return SoundWindow(); }, "w_ms"},
                        {[]() -> ImplicitWindow& { return JouleWindow(); }, "jt_KMPa"}};
  for (const Case& c : cases) {
    ImplicitWindow& w = c.open();
    SCOPED_TRACE(w.ClassName());
    for (const Reference::Row& r : SomeStates()) {
      if (r["T_K"] == 190.564 && r["V_cm3mol"] < 99) continue;  // cp is ill-conditioned there
      SetState(r["T_K"], r["V_cm3mol"], 1);
      GuiTest::Click(w, "calculate");
      ExpectShown(w.Label("Result").Text(), r[c.column], 0, r.Text("T_K") + " K, " + r.Text("V_cm3mol"));
    }
  }
}

// A state whose squared speed of sound is not positive has no speed of sound: the window
// says so instead of showing 0 m/s. Here the temperature was edited after the state was
// completed, which pairs it with the volume and pressure stored before.
TEST_F(PropertyWindows, SoundShowsNoResultWhereTheSpeedIsNotReal) {
  auto& w = SoundWindow();
  GuiTest::CompleteState(w, "RadioButtonTV", "180", "200");
  GuiTest::Click(w, "calculate");
  ExpectShown(w.Label("Result").Text(), Globals::Setzmann_Sound(180, 200), 0, "180 K");
  GuiTest::Type(w, "dataEntryT", "150");
  ASSERT_EQ(Globals::Setzmann_Sound(150, 200), 0);
  GuiTest::Click(w, "calculate");
  EXPECT_EQ(w.Label("Result").Text(), "");
  EXPECT_EQ(w.Label("warning").Text(), "no result");
}

TEST_F(PropertyWindows, FugacityComesFromTheShownStateAndFailsWithNoResult) {
  auto& w = FugacityWindow();
  GuiTest::Click(w, "calculate");  // no mode
  EXPECT_EQ(w.Label("warning").Text(), kStateWarning);

  // Temperature and molar volume: the pressure as shown, not the module's unrounded one.
  for (const Reference::Row& r : SomeStates()) {
    if (r["p_MPa"] <= 0 || r["T_K"] < 90) continue;
    GuiTest::CompleteState(w, "RadioButtonTV", QString::fromStdString(r.Text("T_K")),
                           QString::fromStdString(r.Text("V_cm3mol")));
    GuiTest::Click(w, "calculate");
    const double P = Val(w.Label("ResultPV").Text());
    const std::string at = r.Text("T_K") + " K, " + r.Text("V_cm3mol");
    ExpectShown(w.Label("CoefficientResult").Text(), std::exp(r["lnphi"]), 0, at);
    ExpectShown(w.Label("FugacityResult").Text(), P * std::exp(r["lnphi"]), 0, at);
  }
  // At 90 K and 15 cm3/mol the coefficient is beyond reach (the core's 0): no result.
  GuiTest::CompleteState(w, "RadioButtonTV", "90", "15");
  ASSERT_GT(Val(w.Label("ResultPV").Text()), 0);
  w.Label("FugacityResult").SetText("1");
  GuiTest::Click(w, "calculate");
  EXPECT_EQ(w.Label("FugacityResult").Text() + w.Label("CoefficientResult").Text(), "");
  EXPECT_EQ(w.Label("warning").Text(), "no result");

  // Temperature and pressure: a failed volume (shown as 0) is no state.
  GuiTest::CompleteState(w, "RadioButtonTP", "50", "1");
  GuiTest::Click(w, "calculate");
  EXPECT_EQ(w.Label("warning").Text(), kStateWarning);
}

}  // namespace
