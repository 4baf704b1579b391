#include "app/Program.h"

#include <exception>

#include "app/ImplicitWindow.h"
#include "app/Lifecycle.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Start.h"
#include "eos/Globals.h"

namespace {

// Builds what every window needs before the first one exists: the result arrays.
void initialize() {
  Lifecycle::Record("register classes");
  Globals::Fugacity.Init();
  Lifecycle::Record("create Fugacity");
  Globals::MolarVolumes.Init();
  Lifecycle::Record("create MolarVolumes");
}

// The application object with its menu bar, the start window, then the event loop. An
// exception that escapes any of it ends in the report; shut-down runs all the same.
int RunMain(QApplication& app) {
  try {
    MenuBar1();  // the application's menu bar, built before any window
    Lifecycle::Record("application");
    Start();  // visible by design: on screen without Show
    Lifecycle::Record("start window");
    Lifecycle::Record("event loop");
    return app.exec();
  } catch (const std::exception& e) {
    Platform::ReportUnhandledException(e.what());
  } catch (...) {
    Platform::ReportUnhandledException("unknown exception");
  }
  return 1;
}

// Releases, in order: pictures, windows, the menu bar, the result arrays.
void finalize() {
  ReleasePictures();
  ImplicitWindow::ReleaseAll();
  Lifecycle::Record("release windows");
  ReleaseMenuBar1();
  Globals::Fugacity.Exit();
  Lifecycle::Record("release Fugacity");
  Globals::MolarVolumes.Exit();
  Lifecycle::Record("release MolarVolumes");
}

}  // namespace

int ProgramMain(int argc, char** argv) {
  auto app = Platform::RuntimeInit(argc, argv);
  initialize();
  int status = RunMain(*app);
  finalize();
  // A handler's exception ends the loop with a failure; never report it as success.
  if (Platform::UnhandledExceptionCount() > 0 && status == 0) status = 1;
  return status;
}
