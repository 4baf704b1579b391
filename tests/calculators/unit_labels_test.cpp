#include <QFontMetrics>

#include "calculators/phase/BubbleDewPoint.h"
#include "calculators/phase/LiquidVapourEq.h"
#include "calculators/volumetric/Isochore.h"
#include "calculators/volumetric/VolumeWindow.h"
#include "tests/support/GuiTest.h"

namespace {

// Where the end of a unit's first part lies: "cm" of "cm /mol", all of "g/cm".
int UnitEnd(Platform::StaticText& unit) {
  const QString text = unit.text();
  const int end = text.indexOf(QLatin1Char('/')) > 2 ? text.indexOf(QChar(0x2002)) : text.size();
  return unit.x() + QFontMetrics(unit.font()).horizontalAdvance(text.left(end));
}

// The raised "3" of a unit stands over the end of "cm", raised above the unit's letters, as a
// superscript would, so that "g/cm" and its "3" read as "g/cm3" and not "g/cm 3".
void ExpectRaisedThree(ImplicitWindow& window, const char* unit, const char* three) {
  auto& u = window.Label(unit);
  auto& t = window.Label(three);
  ASSERT_EQ(t.Text(), "3");
  EXPECT_NEAR(t.x(), UnitEnd(u), 2) << window.ClassName() << " " << unit;
  const int raised = (u.y() + QFontMetrics(u.font()).ascent()) - (t.y() + QFontMetrics(t.font()).ascent());
  EXPECT_GE(raised, 3) << window.ClassName() << " " << unit;
}

TEST(UnitLabels, TheRaisedThreeOfEveryVolumeAndDensityUnitSitsOnTheEndOfItsUnit) {
  auto& volume = VolumeWindow();
  ExpectRaisedThree(volume, "StaticText1", "StaticText2");
  ExpectRaisedThree(volume, "StaticText3", "StaticText4");
  ExpectRaisedThree(volume, "StaticText5", "StaticText6");
  auto& isochore = Isochore();
  ExpectRaisedThree(isochore, "StaticText3", "StaticText4");
  ExpectRaisedThree(isochore, "StaticText9", "StaticText10");
  for (ImplicitWindow* phase : std::initializer_list<ImplicitWindow*>{&BubbleDewPoint(), &LiquidVapourEq()}) {
    ExpectRaisedThree(*phase, "StaticText5", "StaticText6");
    ExpectRaisedThree(*phase, "StaticText7", "StaticText8");
  }
  ExpectRaisedThree(LiquidVapourEq(), "StaticText1", "StaticText11");
  GuiTest::Render(volume, "VolumeWindow-units.png");
  GuiTest::Render(isochore, "Isochore-units.png");
  GuiTest::ResetProgram();
}

}  // namespace
