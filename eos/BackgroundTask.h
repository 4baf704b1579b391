#pragma once

// The background-task hook: long loops (solvers, retries, table fills) call it once per
// pass. It is empty unless the shell installs a function; it must never process events,
// since that would let a second click or a window close run inside a loop.
namespace Globals {

using BackgroundTaskHook = void (*)();

inline BackgroundTaskHook RuntimeBackgroundTask = nullptr;

inline void CallBackgroundTask() {
  if (RuntimeBackgroundTask) RuntimeBackgroundTask();
}

}  // namespace Globals
