#pragma once

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string_view>

#include "app/ImplicitWindow.h"
#include "eos/Globals.h"

// Texts in failure messages as the user would read them.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Helpers for tests and benchmarks that drive real windows offscreen, through the controls'
// names.
namespace GuiTest {

// The program's application object with its style and fonts, and the result arrays that its
// start-up creates: what real windows need. The offscreen platform cannot raise windows and
// says so each time; nothing else is hidden.
inline std::unique_ptr<QApplication> OffscreenProgram(int& argc, char** argv) {
  static const QtMessageHandler shown = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("does not support raise()"))) shown(type, context, message);
      });
  auto app = Platform::RuntimeInit(argc, argv);
  Globals::Fugacity.Init();
  Globals::MolarVolumes.Init();
  return app;
}

// Types into a field as the user would (raises the field's TextChange).
inline void Type(ImplicitWindow& window, std::string_view field, const QString& text) {
  window.Field(field).setText(text);
}

// Clicks a push button or radio button with the mouse.
inline void Click(ImplicitWindow& window, std::string_view control) {
  auto& button = window.Control<QAbstractButton>(control);
  // A radio button takes clicks on its circle and caption, not on the blank beyond them.
  const bool radio = qobject_cast<QRadioButton*>(&button) != nullptr;
  QTest::mouseClick(&button, Qt::LeftButton, {}, radio ? QPoint(8, button.height() / 2) : button.rect().center());
}

// Presses Return in the window, or in one of its text fields as after typing there.
inline void PressReturn(ImplicitWindow& window, std::string_view field = {}) {
  QTest::keyClick(field.empty() ? static_cast<QWidget*>(&window) : &window.Field(field), Qt::Key_Return);
}

// Closes every window and empties the module state, so that each test starts afresh.
inline void ResetProgram() {
  ImplicitWindow::ReleaseAll();
  QApplication::processEvents();
  Globals::TempKelvin = Globals::PresMPa = Globals::MolarVol = 0;
}

// Saves a picture of the window into the build folder's "renders", for a person to look at.
inline void Render(QWidget& window, const QString& fileName) {
  QDir().mkpath(QStringLiteral("renders"));
  window.grab().save(QStringLiteral("renders/") + fileName);
}

// Completes a state in a state-entry window as the user does before "calculate": chooses the
// panel's mode unless it is on, types the temperature and the second quantity, and presses
// "volume calculation" or "pressure calculation".
inline void CompleteState(ImplicitWindow& window, const char* mode, const QString& T, const QString& x) {
  if (!window.Radio(mode).Value()) Click(window, mode);
  Type(window, "dataEntryT", T);
  Type(window, "dataEntryPV", x);
  Click(window, "PushButton1");
}

// Shows the window and waits until it is the active one; false if it never becomes active.
inline bool ShowActive(ImplicitWindow& window) {
  window.Show();
  return QTest::qWaitForWindowActive(&window);
}

// Activates the other window and then the window again, so that its Event_Activate runs
// once more; false if either does not become active.
inline bool ActivateAgain(ImplicitWindow& window, ImplicitWindow& other) {
  return ShowActive(other) && ShowActive(window);
}

// Every GUI test starts with no window open and must end with no unhandled exception.
class Fixture : public ::testing::Test {
 protected:
  Fixture() { ResetProgram(); }
  void TearDown() override { EXPECT_EQ(Platform::UnhandledExceptionCount(), 0); }
};

// A test of one window class, open and active when the test starts.
template <class Window>
class WindowTest : public Fixture {
 protected:
  void SetUp() override {
    w = &ImplicitWindow::Implicit<Window>();
    ASSERT_TRUE(ShowActive(*w));
  }
  QString Text(std::string_view label) { return w->Label(label).Text(); }
  bool ReturnFrom(ImplicitWindow& other) { return ActivateAgain(*w, other); }
  Window* w = nullptr;
};

}  // namespace GuiTest
