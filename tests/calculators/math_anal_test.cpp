#include <QElapsedTimer>
#include <QTest>

#include "app/platform/Runtime.h"
#include "app/platform/ValStr.h"
#include "calculators/volumetric/MathAnal.h"
#include "calculators/volumetric/MathAnalT.h"
#include "calculators/volumetric/TemperatureWindow.h"
#include "calculators/volumetric/VolumeWindow.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"

using Platform::Str;
using Platform::Val;

namespace {

int passes = 0;

class MathAnalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GuiTest::ResetProgram();
    passes = 0;
    Globals::RuntimeBackgroundTask = [] { ++passes; };
  }
  void TearDown() override {
    Globals::RuntimeBackgroundTask = nullptr;
    EXPECT_EQ(Platform::UnhandledExceptionCount(), 0);
  }
  // Opens the list from its calculator's "Mathematical Analysis" button.
  static ImplicitWindow& OpenFrom(ImplicitWindow& opener, const char* listClass) {
    opener.Show();
    GuiTest::Click(opener, "Analysis");
    ImplicitWindow* list = ImplicitWindow::Live(listClass);
    EXPECT_TRUE(list && QTest::qWaitForWindowActive(list));
    return *list;
  }
  // Presses "calculate"; returns the time until the rows are laid out, in ms.
  static double Fill(ImplicitWindow& list) {
    QElapsedTimer timer;
    timer.start();
    GuiTest::Click(list, "calculate");
    QCoreApplication::processEvents();
    return timer.nsecsElapsed() / 1e6;
  }
};

TEST_F(MathAnalTest, VolumeListBracketsTheRootAndAppends) {
  Globals::TempKelvin = 300;
  Globals::PresMPa = 50;  // the reference root is 59.04926 cm3/mol
  ImplicitWindow& list = OpenFrom(VolumeWindow(), "MathAnal");
  Platform::Listbox& rows = list.List("ListBox1");
  EXPECT_EQ(rows.Heading(0) + "|" + rows.Heading(1), "Molar Volume|Zero-function");

  const double ms = Fill(list);
  std::printf("501 rows in %.2f ms\n", ms);
  EXPECT_LT(ms, 100);
  ASSERT_EQ(rows.ListCount(), 501);
  EXPECT_EQ(passes, 501);
  double v = 16;
  for (int row = 0; row < 501; ++row) v *= 1.01;
  EXPECT_EQ(rows.Cell(0, 0), "16.16");
  EXPECT_EQ(rows.Cell(500, 0), Str(v));
  EXPECT_EQ(rows.Cell(500, 1), Str(Globals::Setzmann_Pressure(300, v) - 50));
  int changes = 0;
  for (int row = 1; row < 501; ++row) {
    if ((Val(rows.Cell(row - 1, 1)) > 0) == (Val(rows.Cell(row, 1)) > 0)) continue;
    ++changes;
    EXPECT_LT(Val(rows.Cell(row - 1, 0)), 59.04926);
    EXPECT_GT(Val(rows.Cell(row, 0)), 59.04926);
  }
  EXPECT_EQ(changes, 1);
  QTest::qWait(50);  // the scroll bar appears once the list has laid out its rows
  GuiTest::Render(list, "MathAnal.png");

  Fill(list);
  EXPECT_EQ(rows.ListCount(), 1002);
  EXPECT_EQ(rows.Cell(501, 0), "16.16");
}

TEST_F(MathAnalTest, TemperatureListRuns91To1091KAndActivationEmptiesIt) {
  Globals::MolarVol = 130;
  Globals::PresMPa = 25.616875647806069;  // 400 K on the reference grid
  ImplicitWindow& opener = TemperatureWindow();
  ImplicitWindow& list = OpenFrom(opener, "MathAnalT");
  Platform::Listbox& rows = list.List("ListBox1");
  EXPECT_EQ(list.Label("StaticText1").Text(), "Zero function = p(v,T,x) - Pressure\rvariable temperature");

  const double ms = Fill(list);
  std::printf("1001 rows in %.2f ms\n", ms);
  EXPECT_LT(ms, 100);
  ASSERT_EQ(rows.ListCount(), 1001);
  EXPECT_EQ(passes, 1001);
  EXPECT_EQ(rows.Cell(0, 0) + " " + rows.Cell(309, 0) + " " + rows.Cell(1000, 0), "91 400 1091");
  EXPECT_NEAR(Val(rows.Cell(309, 1)), 0, 1e-9);
  QTest::qWait(50);
  GuiTest::Render(list, "MathAnalT.png");

  Fill(list);
  EXPECT_EQ(rows.ListCount(), 2002);
  opener.Show();  // leaving the list and coming back empties it
  ASSERT_TRUE(QTest::qWaitForWindowActive(&opener));
  list.Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
  EXPECT_EQ(rows.ListCount(), 0);
  EXPECT_EQ(rows.Heading(0) + "|" + rows.Heading(1), "Temperature|Zero-function");
}

// Unset module values give a pressure of 0 wherever T or V is 0: every row is -P.
TEST_F(MathAnalTest, UnsetStateGivesTheNegatedPressureInEveryRow) {
  Globals::PresMPa = 5;
  for (ImplicitWindow* list : {static_cast<ImplicitWindow*>(&MathAnal()), static_cast<ImplicitWindow*>(&MathAnalT())}) {
    GuiTest::Click(*list, "calculate");
    Platform::Listbox& rows = list->List("ListBox1");
    for (int row = 0; row < rows.ListCount(); ++row) ASSERT_EQ(rows.Cell(row, 1), "-5") << row;
  }
}

}  // namespace
