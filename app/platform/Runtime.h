#pragma once

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

// The runtime the windows stand on: the application object, the one way events reach the
// program's handlers, the error report for exceptions nothing caught, and text encodings.
namespace Platform {

// A control looked up by a name the window does not have.
class NilObjectException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A control found by name but of another class than the handler expects.
class IllegalCastException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Creates the application object with the program's style and fonts: Fusion, so metrics
// do not depend on the desktop, and a system font drawn in pixels, as the designs were.
std::unique_ptr<QApplication> RuntimeInit(int& argc, char** argv);

// The family that "System" (or "system") names in a design; "palatino" maps to a serif.
QString FontFamily(const QString& designName);

// While one of these lives, writes to controls raise no events: only the user does.
class QuietWrite {
 public:
  QuietWrite() { ++depth_; }
  ~QuietWrite() { --depth_; }
  QuietWrite(const QuietWrite&) = delete;
  QuietWrite& operator=(const QuietWrite&) = delete;
  static bool Active() { return depth_ > 0; }

 private:
  static inline int depth_ = 0;
};

// Runs an event handler of the program. An exception never crosses Qt's event loop: it is
// reported on stderr, the event loop ends, and the process will exit with a failure.
void RunHandler(const std::function<void()>& handler);

// The unhandled-exception report: stderr, never a dialog; ends the event loop.
void ReportUnhandledException(const char* what);

// How many exceptions reached the report since start-up (0 for a clean run).
int UnhandledExceptionCount();

// Windows ANSI (code page 1252); a character it cannot hold becomes '?'.
QByteArray ToWindowsAnsi(const QString& text);

}  // namespace Platform
