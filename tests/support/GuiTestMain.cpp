#include <gtest/gtest.h>

#include <QtGlobal>

#include "tests/support/GuiTest.h"

// Runs GUI tests with the program's application object, style and fonts, offscreen.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  auto app = GuiTest::OffscreenProgram(argc, argv);
  return RUN_ALL_TESTS();
}
