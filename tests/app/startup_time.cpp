// How long the program takes from process start to its start window on screen.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <fstream>
#include <string>
#include <unistd.h>

#include "tests/app/RunProgram.h"

namespace {

double SecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  for (int i = 0; i < 22 && stat >> field; ++i) {}
  std::ifstream uptime("/proc/uptime");
  double up = 0;
  uptime >> up;
  return up - std::stod(field) / double(sysconf(_SC_CLK_TCK));
}

}  // namespace

TEST(Program, IsOnScreenWithinHalfASecondOfProcessStart) {
  double shownAfter = -1;
  RunProgram([&] {
    shownAfter = SecondsSinceProcessStart();
    QCoreApplication::exit(0);
  });
  std::printf("start window on screen %.2f s after process start\n", shownAfter);
  EXPECT_GE(shownAfter, 0);
  EXPECT_LT(shownAfter, 0.5);
}
