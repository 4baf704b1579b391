#pragma once

// Runs the whole program in this process, and lets a test act inside its event loop.
#include <QTimer>
#include <functional>

#include "app/Lifecycle.h"
#include "app/Program.h"

namespace {

// What the next run does once its event loop runs.
std::function<void()> insideEventLoop;

void ScheduleInsideEventLoop() {
  if (insideEventLoop) QTimer::singleShot(0, [] { insideEventLoop(); });
}
Q_COREAPP_STARTUP_FUNCTION(ScheduleInsideEventLoop)

inline int RunProgram(std::function<void()> action) {
  insideEventLoop = std::move(action);
  Lifecycle::ClearTrace();
  char name[] = "quarn-zeq";
  char* argv[] = {name, nullptr};
  return ProgramMain(1, argv);
}

}  // namespace
