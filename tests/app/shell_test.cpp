#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Selection.h"
#include "app/Start.h"
#include "tests/support/GuiTest.h"

using GuiTest::Click;

namespace {

// Each row of the chooser, the window it opens and that window's title.
const struct { const char *row, *window, *title; } kCalculators[] = {
    {"Pressures", "PressuresWindow", "Pressures CH4"},
    {"MolarVolumes", "VolumeWindow", "Molar Volume CH4"},
    {"Temperatures", "TemperatureWindow", "Temperatures CH4"},
    {"Fugacities", "FugacityWindow", "CH4 Fugacities"},
    {"Homogenisation", "BubbleDewPoint", "Bubble-Dew point"},
    {"LiquidVapour", "LiquidVapourEq", "Liquid Vapour Equilibrium"},
    {"InternalEnergy", "InternalEnergyWindow", "Internal Energy CH4"},
    {"Enthalpy", "EnthalpyWindow", "Enthalpy CH4"},
    {"Entropy", "EntropyWindow", "Entropy CH4"},
    {"HelmholtzEnergy", "HelmholtzWindow", "Helmholtz Energy CH4"},
    {"GibbsEnergy", "GibbsWindow", "Gibbs Energy CH4"},
    {"HeatCapacityV", "CVWindow", "Heat Capacity CH4 (constant volume)"},
    {"HeatCapacityP", "CPWindow", "Heat Capacity CH4 (constant pressure)"},
    {"SpeedSound", "SoundWindow", "Speed of Sound CH4"},
    {"JouleThomson", "JouleWindow", "Joule-Thomson Coefficient CH4"}};

using Shell = GuiTest::Fixture;

}  // namespace

// Runs first in this file: no picture has been read before.
TEST_F(Shell, TheStartWindowReadsExactlyItsFourPicturesOnce) {
  auto& start = Start();
  for (int number : {168, 177, 179, 180}) EXPECT_EQ(PictureReads(number), 1) << number;
  for (int number : {169, 170, 171, 172, 173, 178, 181, 182, 183, 184, 185, 186, 187, 188, 189})
    EXPECT_EQ(PictureReads(number), 0) << number;
  EXPECT_NE(start.Control<Platform::ImageWell>("ImageWell1").Image(), nullptr);
  EXPECT_EQ(start.Control<Platform::Canvas>("Canvas2").Backdrop(), delta1());

  // A window built again takes its pictures from the cache.
  start.close();
  QApplication::processEvents();
  Start();
  for (int number : {168, 177, 179, 180}) EXPECT_EQ(PictureReads(number), 1) << number;
}

TEST_F(Shell, TheStartWindowShowsTheMoleculeAndTheOneMenuBar) {
  auto& start = Start();
  const auto buttons = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
  EXPECT_EQ(start.windowFlags() & buttons, Qt::WindowCloseButtonHint);
  GuiTest::Render(start, "start.png");
  // The label under the logo gives the program's name; the logo draws the molecule alone, with
  // no lettering (glyph outlines would be paths).
  QFile logo(QStringLiteral(":/pictures/168"));
  ASSERT_TRUE(logo.open(QIODevice::ReadOnly));
  const QByteArray svg = logo.readAll();
  EXPECT_TRUE(svg.contains("<circle"));
  EXPECT_FALSE(svg.contains("<path"));
  EXPECT_EQ(start.Label("StaticText3").Text(), "Quarn Zeq");

  // The File and Edit menus in their order, and the window shows the application's one
  // menu bar, not a copy.
  auto* bar = start.findChild<QMenuBar*>("MenuBar1");
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->actions().size(), 2);
  EXPECT_EQ(bar->actions()[0]->text() + bar->actions()[1]->text(), "&File&Edit");
  EXPECT_EQ(bar->actions()[0]->menu(), &MenuBar1().FileMenu());
  EXPECT_EQ(start.FileQuit(), MenuBar1().QuitAction());
  QStringList items;  // both menus, a separator as "-"
  for (QMenu* menu : {&MenuBar1().FileMenu(), &MenuBar1().EditMenu()})
    for (QAction* a : menu->actions()) items << (a->isSeparator() ? "-" : a->text() + " " + a->shortcut().toString());
  EXPECT_EQ(items.join("|"), "&Quit Ctrl+Q|&Undo Ctrl+Z|-|Cu&t Ctrl+X|&Copy Ctrl+C|&Paste Ctrl+V|&Delete |-|Select &All Ctrl+A");
}

TEST_F(Shell, ContinueOpensOneChooserAndReturnPressesIt) {
  auto& start = Start();
  EXPECT_EQ(ImplicitWindow::LiveWindows().size(), 1u);
  Click(start, "continue1");
  ImplicitWindow* chooser = ImplicitWindow::Live("Selection");
  ASSERT_NE(chooser, nullptr);
  EXPECT_TRUE(chooser->isVisible());
  EXPECT_EQ(chooser->windowTitle(), "Procedures");

  GuiTest::PressReturn(start);
  Click(start, "continue1");
  EXPECT_EQ(ImplicitWindow::LiveWindows().size(), 2u);
  EXPECT_EQ(ImplicitWindow::Live("Selection"), chooser);
  EXPECT_TRUE(start.isVisible());
}

TEST_F(Shell, TheChoosersFifteenButtonsExcludeEachOther) {
  auto& chooser = Selection();
  for (const auto& c : kCalculators) EXPECT_FALSE(chooser.Radio(c.row).Value()) << c.row;
  for (const char* clicked : {"Pressures", "Homogenisation", "JouleThomson"}) {
    Click(chooser, clicked);
    for (const auto& c : kCalculators)
      EXPECT_EQ(chooser.Radio(c.row).Value(), std::string(c.row) == clicked) << c.row;
  }
  GuiTest::Render(chooser, "chooser.png");
  // "continue" opens nothing without a selection.
  GuiTest::ResetProgram();
  GuiTest::PressReturn(Selection());
  EXPECT_EQ(ImplicitWindow::LiveWindows().size(), 1u);
}

// Every row opens its own window, shown (also those whose design is hidden), and the same
// window again as the user left it.
TEST_F(Shell, TheChooserOpensEachCalculatorOnce) {
  auto& chooser = Selection();
  for (const auto& c : kCalculators) {
    Click(chooser, c.row);
    Click(chooser, "PushButton1");
    ImplicitWindow* opened = ImplicitWindow::Live(c.window);
    ASSERT_NE(opened, nullptr) << c.window;
    EXPECT_TRUE(opened->isVisible()) << c.window;
    EXPECT_EQ(opened->windowTitle(), c.title);
    Click(chooser, "PushButton1");
    EXPECT_EQ(ImplicitWindow::Live(c.window), opened);
  }
  EXPECT_EQ(ImplicitWindow::LiveWindows().size(), 16u);
  // The three volumetric windows share one cached formula picture.
  EXPECT_EQ(PictureReads(178), 1);
}

TEST_F(Shell, AClosedWindowComesBackFreshAndControlsAreFoundByNameAndClass) {
  auto& chooser = Selection();
  // Code writes raise no events, and a radio button written off really goes off.
  chooser.Radio("Pressures").SetValue(true);
  chooser.Radio("Pressures").SetValue(false);
  for (const auto& c : kCalculators) EXPECT_FALSE(chooser.Radio(c.row).Value()) << c.row;
  EXPECT_THROW(chooser.Label("NoSuchControl"), Platform::NilObjectException);
  EXPECT_THROW(chooser.Label("Pressures"), Platform::IllegalCastException);
  Click(chooser, "Entropy");
  chooser.close();
  EXPECT_EQ(ImplicitWindow::Live("Selection"), nullptr);
  EXPECT_FALSE(Selection().Radio("Entropy").Value());  // a fresh one
}
