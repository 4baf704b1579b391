#include <QDir>
#include <QFile>
#include <unistd.h>
#include <vector>

#include "app/platform/ValStr.h"
#include "calculators/volumetric/Isochore.h"
#include "calculators/volumetric/PressuresWindow.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"

using Platform::Str;
using Platform::Val;

namespace {

class IsochoreTest : public GuiTest::WindowTest<class Isochore> {
 protected:
  void SetUp() override {
    Globals::MolarVol = 50;  // as if typed in another window before the table opens
    WindowTest::SetUp();
  }
  void Press(const char* button, const char* minimum, const char* maximum, const char* interval) {
    w->Field("minimum").SetText(minimum);
    w->Field("maximum").SetText(maximum);
    w->Field("interval").SetText(interval);
    GuiTest::Click(*w, button);
  }
  Platform::Listbox& Table() { return w->List("ListBox1"); }
  QString Fields() {
    return w->Field("minimum").Text() + "|" + w->Field("maximum").Text() + "|" + w->Field("interval").Text();
  }
};

TEST_F(IsochoreTest, TableRowsAndRefusedRanges) {
  struct Case { const char *minimum, *maximum, *interval; int rows; const char *last, *fields; };
  for (const Case& c : {
           Case{"0", "100", "10", 11, "100", "0|100|10"},
           Case{"0", "200", "10", 11, "100", "0|200|10"},   // cut after eleven rows
           Case{"0", "1", "0.1", 10, "0.9", "0|1|0.1"},     // kelvin sums miss the maximum
           Case{"put number", "30", "10", 4, "30", "put number|30|10"},  // reads as 0
           Case{"-5", "10", "1", 0, "", "put number|10|1"},
           Case{"5", "5", "1", 0, "", "5|put number|1"},
           Case{"0", "10", "-1", 0, "", "0|10|put number"},
           Case{"", "", "", 0, "", "|put number|put number"}}) {
    SCOPED_TRACE(std::string(c.minimum) + ".." + c.maximum + " step " + c.interval);
    w->Label("filename0").SetText(QStringLiteral("stale"));
    Press("calculate", "0", "50", "10");
    Press("calculate", c.minimum, c.maximum, c.interval);  // replaces, never adds to, the table
    ASSERT_EQ(Table().ListCount(), c.rows);
    EXPECT_EQ(Fields(), c.fields);
    EXPECT_EQ(Text("filename0") + Text("filename1"), "");
    if (c.rows == 0) continue;
    EXPECT_EQ(Table().Cell(c.rows - 1, 0), c.last);
  }
  // eos-grid.csv: T = 300 K, V = 45 cm3/mol gives 117.78439106097767 MPa.
  Globals::MolarVol = 45;
  Press("calculate", "26.85", "30", "10");
  EXPECT_NEAR(Val(Table().Cell(0, 1)), 117.78439106097767, 1e-6 * 117.8);
}

TEST_F(IsochoreTest, ActivationShowsTheCurrentVolumeAndEmptiesTable) {
  EXPECT_EQ(Text("ResultV") + " " + Text("ResultV1"), "50 0.320856");
  EXPECT_EQ(Table().Heading(0) + Table().Heading(1), "Temperature (\u02DAC)Pressure (MPa)");
  Press("calculate", "0", "100", "10");
  GuiTest::Click(*w, "Export");
  GuiTest::Render(*w, QStringLiteral("Isochore.png"));
  GuiTest::Type(PressuresWindow(), "dataEntry", "-4");
  ASSERT_TRUE(ReturnFrom(PressuresWindow()));
  EXPECT_EQ(Table().ListCount(), 0);
  EXPECT_EQ(Text("filename0") + Text("filename1"), "");
  EXPECT_EQ(Text("ResultV") + " " + Text("ResultV1"), "-4 0");
  EXPECT_EQ(Fields(), "0|100|10");
}

QByteArray ReadAll(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

TEST_F(IsochoreTest, ExportFileByteForByte) {
  struct Case { double volume; const char *minimum, *maximum, *interval, *name, *density; std::vector<const char*> t; };
  for (const Case& c : {
           Case{50, "0", "1", "0.1", "50", "0.320856", {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
           Case{50, "-20", "0", "10", "50", "0.320856", {"-20", "-10", "0"}},  // not refused here
           Case{50, "5", "1", "1", "50", "0.320856", {}},
           Case{50, "3", "10", "0", "50", "0.320856", std::vector<const char*>(11, "3")},
           Case{50, "0", "1", "-0.5", "50", "0.320856", {"0", "-0.5", "-1", "-1.5", "-2", "-2.5", "-3", "-3.5", "-4", "-4.5", "-5"}},
           Case{1234.56789, "0", "5", "10", "1234.568", "0.01299467", {"0"}},
           Case{0, "0", "5", "10", "0", "0", {"0"}}}) {
    const QString name = QString::fromLatin1(c.name) + ".txt";
    SCOPED_TRACE(name.toStdString() + " " + c.minimum + ".." + c.maximum + " step " + c.interval);
    {  // an older, longer file of that name is replaced
      QFile old(name);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write(QByteArray(4000, 'x'));
    }
    Globals::MolarVol = c.volume;
    Press("Export", c.minimum, c.maximum, c.interval);
    QByteArray expected = QByteArray("Gas: CH4\nreference: Setzmann and Wagner (1991)\n\nMolar Volume = ") +
                          c.name + " cm3/mol\nDensity = " + c.density +
                          " g/cm3\n\nTemperature, Pressure\n(Celsius), (MPa)\n";
    for (const char* t : c.t)
      expected += QByteArray(t) + ", " + Str(Globals::Setzmann_Pressure(Val(t) + 273.15, c.volume)).toLatin1() + "\n";
    EXPECT_EQ(ReadAll(name), expected);
    EXPECT_EQ(Text("filename0") + " " + Text("filename1"), "data is available in: " + name);
    EXPECT_EQ(Table().ListCount(), 0);
  }
}

TEST_F(IsochoreTest, ExportThatCannotWriteSaysSoAndStops) {
  QDir().mkpath(QStringLiteral("77.txt"));  // a folder where the file should go
  QFile::remove(QStringLiteral("78.txt"));
  ASSERT_EQ(symlink("/dev/full", "78.txt"), 0);  // takes the file but none of its bytes
  for (double V : {77, 78}) {
    Globals::MolarVol = V;
    Press("Export", "0", "100", "10");
    EXPECT_EQ(Text("filename0") + " " + Text("filename1"), "export failed: " + Str(V) + ".txt");
  }
  QFile::remove(QStringLiteral("78.txt"));
  // A real click where the button sits on its frame: the next export that can write succeeds.
  Globals::MolarVol = 79;
  auto& button = w->Control<Platform::PushButton>("Export");
  QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, button.mapTo(w, button.rect().center()));
  EXPECT_EQ(Text("filename0"), "data is available in:");
  EXPECT_EQ(ReadAll(QStringLiteral("79.txt")).count('\n'), 19);
}

}  // namespace
