#include <QGuiApplication>
#include <QScreen>

#include "app/Pictures.h"
#include "calculators/phase/BubbleDewPoint.h"
#include "calculators/phase/LiquidVapourEq.h"
#include "calculators/phase/Saturations.h"
#include "tests/support/GuiTest.h"

namespace {

using PhaseWindows = GuiTest::Fixture;

// Both open centred at their design height; the user can change the height between 400
// and 925 but never the width.
TEST_F(PhaseWindows, OpenCentredAtDesignSizeAndResizeOnlyInHeight) {
  const struct { ImplicitWindow* window; int height; } windows[] = {{&BubbleDewPoint(), 625},
                                                                    {&LiquidVapourEq(), 585}};
  for (const auto& [window, height] : windows) {
    SCOPED_TRACE(window->ClassName());
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->Content().size(), QSize(635, height));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // within what a window frame adds
    EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 4);
    const int frame = window->height() - window->Content().height();
    EXPECT_EQ(window->minimumSize(), QSize(635, 400 + frame));
    EXPECT_EQ(window->maximumSize(), QSize(635, 925 + frame));
    window->resize(700, 900 + frame);
    QApplication::processEvents();
    EXPECT_EQ(window->Content().size(), QSize(635, 900));
    window->resize(635, 300);
    QApplication::processEvents();
    EXPECT_EQ(window->Content().size(), QSize(635, 400));
  }
}

// Both "* empirical formula" buttons show the one window with the three equations.
TEST_F(PhaseWindows, BothEmpiricalFormulaButtonsShowOneFixedSaturationsWindow) {
  GuiTest::Click(BubbleDewPoint(), "empiricals");
  ImplicitWindow* shown = ImplicitWindow::Live("Saturations");
  ASSERT_NE(shown, nullptr);
  GuiTest::Click(LiquidVapourEq(), "empiricals");
  EXPECT_EQ(ImplicitWindow::Live("Saturations"), shown);
  EXPECT_EQ(ImplicitWindow::LiveWindows().size(), 3u);
  EXPECT_EQ(shown->Control<Platform::Canvas>("Canvas1").Backdrop(), PLV1());
  for (int number : {187, 188, 189}) EXPECT_EQ(PictureReads(number), 1) << number;
  GuiTest::Render(*shown, QStringLiteral("Saturations.png"));
}

}  // namespace
