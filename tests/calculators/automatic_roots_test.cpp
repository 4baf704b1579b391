#include <array>
#include <cmath>

#include "app/platform/ValStr.h"
#include "calculators/volumetric/TemperatureWindow.h"
#include "calculators/volumetric/VolumeWindow.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"
#include "tests/support/StableStates.h"

using Platform::Str;
using Platform::Val;

namespace {

// What a window shows agrees with the state to the 7 digits that Str gives.
bool ShowsValue(const QString& shown, double value) { return std::abs(Val(shown) - value) <= 5e-7 * value; }

// "automatic" in either window answers with the state's own molar volume or temperature at
// every stable state of the range.
TEST(AutomaticRoots, EveryStableStateOfTheRangeGivesItsOwnVolumeAndTemperature) {
  const auto states = StableStates::Grid(90, 70);
  ASSERT_GT(states.size(), 3000u);
  for (const auto& s : states) {
    const double V = VolumeWindow::AutomaticVolume(s.T, s.P);
    const double T = TemperatureWindow::AutomaticTemperature(s.P, s.V);
    EXPECT_NEAR(V, s.V, 1e-9 * s.V) << s.T << " K, " << s.P << " MPa";
    EXPECT_NEAR(T, s.T, 1e-9 * s.T) << s.P << " MPa, " << s.V << " cm3/mol";
  }
}

class AutomaticRootsInWindows : public ::testing::Test {
 protected:
  void TearDown() override { GuiTest::ResetProgram(); }

  QString VolumeAt(const QString& T, const QString& P, const QString& manualStart = QString()) {
    return Answer(VolumeWindow(), {{{"dataEntryT", T}, {"dataEntryP", P}, {"dataEntryV", manualStart}}});
  }
  QString TemperatureAt(const QString& P, const QString& V, const QString& manualStart = QString()) {
    TemperatureWindow().Show();
    return Answer(TemperatureWindow(), {{{"dataEntry", V}, {"dataEntry1", P}, {"dataEntryT", manualStart}}});
  }

 private:
  // Types the two quantities and the manual start, in this order, then calculates with
  // "automatic" where the start is empty and with "manual" from it otherwise.
  QString Answer(ImplicitWindow& w, const std::array<std::pair<const char*, QString>, 3>& typed) {
    for (const auto& [field, text] : typed) GuiTest::Type(w, field, text);
    GuiTest::Click(w, typed[2].second.isEmpty() ? "Choice0" : "Choice1");
    GuiTest::Click(w, "calculate");
    return w.Label("Result").Text() + w.Label("warning").Text();
  }
};

TEST_F(AutomaticRootsInWindows, ASampleOfTheRangeShowsEachStateItself) {
  const auto states = StableStates::Grid(90, 70);
  for (std::size_t i = 0; i < states.size(); i += 23) {
    const auto& s = states[i];
    // The state as typed, to 7 digits, and its own root, from the state's volume or temperature.
    const double T = Val(Str(s.T)), P = Val(Str(s.P)), V = Val(Str(s.V));
    EXPECT_TRUE(ShowsValue(VolumeAt(Str(T), Str(P)), Globals::Setzmann_Volume(T, P, s.V))) << T << " K, " << P << " MPa";
    EXPECT_TRUE(ShowsValue(TemperatureAt(Str(P), Str(V)), Globals::Setzmann_Temperature(P, V, s.T)))
        << P << " MPa, " << V << " cm3/mol";
  }
}

// States at which the first start alone gave a root that is no state of methane, or none: the
// root shown gives back the pressure typed.
TEST_F(AutomaticRootsInWindows, StatesWhereTheFirstStartMissesShowTheirOwnRoot) {
  EXPECT_NEAR(Val(VolumeAt("514", "916.2")), 31.41, 0.01);
  EXPECT_NEAR(Globals::Setzmann_Pressure(514, Val(VolumeWindow().Label("Result").Text())), 916.2, 1e-3);
  EXPECT_NEAR(Val(TemperatureAt("12.66", "38.63")), 125.15, 0.01);
  EXPECT_NEAR(Globals::Setzmann_Pressure(Globals::TempKelvin, 38.63), 12.66, 1e-9);
  EXPECT_NEAR(Val(VolumeAt("210", "11.79")), 64.00, 0.01);
  // The same states with the temperature in degrees Celsius.
  GuiTest::Click(VolumeWindow(), "Celsius");
  EXPECT_NEAR(Val(VolumeAt("240.85", "916.2")), 31.41, 0.01);
  GuiTest::Click(TemperatureWindow(), "Celsius");
  EXPECT_NEAR(Val(TemperatureAt("12.66", "38.63")), 125.15 - 273.15, 0.01);
}

// "manual" is the user's own start: a start that leads to another root shows that root.
TEST_F(AutomaticRootsInWindows, ManualStartKeepsTheRootItLeadsTo) {
  EXPECT_LT(Val(VolumeAt("514", "916.2", "5")), 15);
  EXPECT_EQ(VolumeWindow().Label("warning").Text(), "");
  EXPECT_NEAR(Val(TemperatureAt("12.66", "38.63", "50")), 51.83, 0.01);
  EXPECT_EQ(TemperatureWindow().Label("warning").Text(), "");
}

// A molar volume between the saturated volumes at the pressure typed is a two-phase state; its
// temperature comes from the start on the saturation temperature, as before.
TEST_F(AutomaticRootsInWindows, TwoPhaseVolumeKeepsTheRootFromTheSaturationTemperature) {
  const double Ts = Globals::SaturationT(2);
  const double T = Globals::Setzmann_Temperature(2, 100, Ts);
  ASSERT_GT(T, 0);
  EXPECT_EQ(TemperatureAt("2", "100"), Str(T));
}

}  // namespace
