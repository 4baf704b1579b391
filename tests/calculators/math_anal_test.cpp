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

class MathAnalTest : public GuiTest::Fixture {
 protected:
  void SetUp() override {
    passes = 0;
    Globals::RuntimeBackgroundTask = [] { ++passes; };
  }
  void TearDown() override {
    Globals::RuntimeBackgroundTask = nullptr;
    Fixture::TearDown();
  }
  // Opens the list from its calculator's "Mathematical Analysis" button.
  static ImplicitWindow& OpenFrom(ImplicitWindow& opener, const char* listClass) {
    opener.Show();
    GuiTest::Click(opener, "Analysis");
    ImplicitWindow* list = ImplicitWindow::Live(listClass);
    EXPECT_TRUE(list && QTest::qWaitForWindowActive(list));
    return *list;
  }
  // Presses "calculate" and lets the list lay out its rows.
  static void Fill(ImplicitWindow& list) {
    GuiTest::Click(list, "calculate");
    QCoreApplication::processEvents();
  }
};

TEST_F(MathAnalTest, VolumeListBracketsTheRootAndAppends) {
  Globals::TempKelvin = 300;
  Globals::PresMPa = 50;  // the reference root is 59.04926 cm3/mol
  ImplicitWindow& list = OpenFrom(VolumeWindow(), "MathAnal");
  Platform::Listbox& rows = list.List("ListBox1");
  EXPECT_EQ(rows.Heading(0) + "|" + rows.Heading(1), "Molar Volume|Zero-function");

  Fill(list);
  ASSERT_EQ(rows.ListCount(), 501);
  EXPECT_EQ(passes, 501);
  EXPECT_EQ(rows.Cell(0, 0) + " " + rows.Cell(500, 0), "16.16 2339.528");  // 16 cm3/mol, 1 % a row
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

  Fill(list);
  ASSERT_EQ(rows.ListCount(), 1001);
  EXPECT_EQ(passes, 1001);
  EXPECT_EQ(rows.Cell(0, 0) + " " + rows.Cell(309, 0) + " " + rows.Cell(1000, 0), "91 400 1091");
  EXPECT_NEAR(Val(rows.Cell(309, 1)), 0, 1e-9);
  QTest::qWait(50);
  GuiTest::Render(list, "MathAnalT.png");

  Fill(list);
  EXPECT_EQ(rows.ListCount(), 2002);
  ASSERT_TRUE(GuiTest::ActivateAgain(list, opener));  // leaving the list and coming back empties it
  EXPECT_EQ(rows.ListCount(), 0);
  EXPECT_EQ(rows.Heading(0) + "|" + rows.Heading(1), "Temperature|Zero-function");
}

}  // namespace
