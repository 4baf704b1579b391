#include <gtest/gtest.h>

#include <QtGlobal>

#include "app/platform/Runtime.h"
#include "eos/Globals.h"

// Runs GUI tests with the program's application object, style and fonts, offscreen.
namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform cannot raise windows and says so each time; nothing else is hidden.
void QuietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains(QLatin1String("does not support raise()"))) return;
  defaultHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  defaultHandler = qInstallMessageHandler(QuietOffscreen);
  ::testing::InitGoogleTest(&argc, argv);
  auto app = Platform::RuntimeInit(argc, argv);
  Globals::Fugacity.Init();
  Globals::MolarVolumes.Init();
  return RUN_ALL_TESTS();
}
