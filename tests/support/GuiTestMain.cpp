#include <gtest/gtest.h>

#include "app/platform/Runtime.h"
#include "eos/Globals.h"

// Runs GUI tests with the program's application object, style and fonts, offscreen.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  auto app = Platform::RuntimeInit(argc, argv);
  Globals::Fugacity.Init();
  Globals::MolarVolumes.Init();
  return RUN_ALL_TESTS();
}
