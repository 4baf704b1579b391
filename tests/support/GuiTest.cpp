#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QDir>
#include <QRadioButton>
#include <QTest>

#include "eos/Globals.h"

namespace GuiTest {

void Type(ImplicitWindow& window, std::string_view field, const QString& text) {
  window.Field(field).setText(text);
}

void Click(ImplicitWindow& window, std::string_view control) {
  auto& button = window.Control<QAbstractButton>(control);
  // A radio button takes clicks on its circle and caption, not on the blank beyond them.
  const bool radio = qobject_cast<QRadioButton*>(&button) != nullptr;
  const QPoint at = radio ? QPoint(8, button.height() / 2) : button.rect().center();
  QTest::mouseClick(&button, Qt::LeftButton, {}, at);
}

void PressReturn(ImplicitWindow& window, std::string_view field) {
  QWidget* target = field.empty() ? static_cast<QWidget*>(&window) : &window.Field(field);
  QTest::keyClick(target, Qt::Key_Return);
}

QString LabelText(ImplicitWindow& window, std::string_view label) {
  return window.Label(label).Text();
}

void ResetProgram() {
  ImplicitWindow::ReleaseAll();
  QApplication::processEvents();
  Globals::TempKelvin = 0;
  Globals::PresMPa = 0;
  Globals::MolarVol = 0;
}

QString Render(QWidget& window, const QString& fileName) {
  QDir().mkpath(QStringLiteral("renders"));
  const QString path = QDir::current().absoluteFilePath(QStringLiteral("renders/") + fileName);
  window.grab().save(path);
  return path;
}

}  // namespace GuiTest
