#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "app/Pictures.h"
#include "app/Selection.h"
#include "app/platform/ValStr.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"

using GuiTest::Click;
using Platform::Str;

namespace {

using PropertyChooser = GuiTest::Fixture;

// Each of the ten rows opens its window once, with its formula picture, and the window
// calculates its property at the shared state as the core gives it.
TEST_F(PropertyChooser, EachStateBasedCalculatorOpensOnceAndCalculatesWithTheCore) {
  const double T = 250, V = 500, P = Globals::Setzmann_Pressure(T, V);
  const struct {
    const char *row, *window, *title;
    int height, picture;
    const char* result;
    double expected;
  } rows[] = {
      {"Fugacities", "FugacityWindow", "CH4 Fugacities", 665, 181, "FugacityResult",
       Globals::Setzmann_Fugacity(T, Platform::Val(Str(P)), V)},
      {"InternalEnergy", "InternalEnergyWindow", "Internal Energy CH4", 720, 182, "Result", Globals::Setzmann_Energy(T, V)},
      {"Enthalpy", "EnthalpyWindow", "Enthalpy CH4", 720, 183, "Result", Globals::Setzmann_Enthalpy(T, V)},
      {"Entropy", "EntropyWindow", "Entropy CH4", 720, 184, "Result", Globals::Setzmann_Entropy(T, V)},
      {"HelmholtzEnergy", "HelmholtzWindow", "Helmholtz Energy CH4", 720, 177, "Result", Globals::Setzmann_Helmholtz(T, V)},
      {"GibbsEnergy", "GibbsWindow", "Gibbs Energy CH4", 680, 171, "Result", Globals::Setzmann_Gibbs(T, V)},
      {"HeatCapacityV", "CVWindow", "Heat Capacity CH4 (constant volume)", 650, 185, "Result", Globals::Setzmann_Cv(T, V)},
      {"HeatCapacityP", "CPWindow", "Heat Capacity CH4 (constant pressure)", 720, 186, "Result", Globals::Setzmann_Cp(T, V)},
      {"SpeedSound", "SoundWindow", "Speed of Sound CH4", 590, 172, "Result", Globals::Setzmann_Sound(T, V)},
      {"JouleThomson", "JouleWindow", "Joule-Thomson Coefficient CH4", 590, 173, "Result", Globals::Setzmann_JouleThomson(T, V)},
  };
  auto& chooser = Selection();
  double slowestOpen = 0;
  for (const auto& r : rows) {
    SCOPED_TRACE(r.window);
    Click(chooser, r.row);
    slowestOpen = std::max(slowestOpen, GuiTest::Milliseconds([&] { Click(chooser, "PushButton1"); }));
    ImplicitWindow* w = ImplicitWindow::Live(r.window);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), r.title);
    EXPECT_EQ(w->Content().size(), QSize(460, r.height));
    EXPECT_EQ(PictureReads(r.picture), 1);
    EXPECT_NE(w->Control<Platform::Canvas>("Canvas1").Backdrop(), nullptr);

    // The state is completed in the window itself, then calculated.
    Click(*w, "RadioButtonTV");
    GuiTest::Type(*w, "dataEntryT", Str(T));
    GuiTest::Type(*w, "dataEntryPV", Str(V));
    Click(*w, "PushButton1");
    Click(*w, "calculate");
    EXPECT_EQ(w->Label(r.result).Text(), Str(r.expected));
    EXPECT_EQ(w->Label("warning").Text(), "");

    Click(chooser, "PushButton1");  // the same window, as the user left it
    EXPECT_EQ(ImplicitWindow::Live(r.window), w);
    EXPECT_EQ(w->Label(r.result).Text(), Str(r.expected));
    GuiTest::Render(*w, QString(r.window) + ".png");
  }
  EXPECT_EQ(ImplicitWindow::LiveWindows().size(), 11u);
  std::printf("slowest opening of a property window: %.1f ms\n", slowestOpen);
  EXPECT_LT(slowestOpen, 300.0);
}

}  // namespace
