// The program as the user starts it, but saying on its output when its start window is on
// screen and quitting then: windows_bench times its start-up from outside, from the creation
// of the process on.

#include <QCoreApplication>
#include <cstdio>

#include "tests/app/RunProgram.h"

int main() {
  return RunProgram([] {
    std::puts("start window on screen");
    std::fflush(stdout);
    QCoreApplication::exit(0);
  });
}
