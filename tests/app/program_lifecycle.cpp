// The whole program, run in this process from start-up to exit, driven from inside its
// own event loop.
#include <gtest/gtest.h>

#include <QTimer>

#include "app/ImplicitWindow.h"
#include "app/Lifecycle.h"
#include "app/MenuBar1.h"
#include "app/Pictures.h"
#include "app/Program.h"
#include "app/Selection.h"
#include "app/Start.h"
#include "eos/Globals.h"
#include "tests/app/RunProgram.h"

namespace {

// A window whose button handler asks for a control that the window does not have.
class Broken : public WindowOf<Broken> {
 public:
  static const WindowDesign& Design() {
    using enum Platform::ControlClass;
    static const WindowDesign design{
        "Broken",
        {{"Title", "broken"}, {"Width", 100}, {"Height", 50}},
        {{PushButton, "go", 10, 10, 60, 20, {{"Caption", "go"}}, On(&Broken::go_Action)}}};
    return design;
  }
  void go_Action() { Label("missing").SetText("never"); }
};

const std::vector<std::string> kShutDown = {"release windows", "release MenuBar1",
                                            "release Fugacity", "release MolarVolumes"};

std::vector<std::string> Tail(const std::vector<std::string>& trace, std::size_t n) {
  return {trace.end() - std::ptrdiff_t(std::min(n, trace.size())), trace.end()};
}

}  // namespace

TEST(Program, StartsWithTheStartWindowAloneAndQuitsInOrder) {
  std::vector<std::string> windows;
  bool arraysAndMenuBarExisted = false;
  const int status = RunProgram([&] {
    for (ImplicitWindow* w : ImplicitWindow::LiveWindows())
      if (w->isVisible()) windows.push_back(w->ClassName());
    arraysAndMenuBarExisted = Globals::Fugacity.Exists() && Globals::MolarVolumes.Exists() && MenuBar1Exists();
    Start().Control<Platform::PushButton>("continue1").click();  // a second window
    MenuBar1().QuitAction()->trigger();                           // File > Quit
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(windows, std::vector<std::string>{"Start"});
  EXPECT_TRUE(arraysAndMenuBarExisted);

  const std::vector<std::string>& trace = Lifecycle::Trace();
  const std::vector<std::string> startUp = {"register classes", "create Fugacity",
                                            "create MolarVolumes", "create MenuBar1",
                                            "application", "start window", "event loop"};
  ASSERT_GE(trace.size(), startUp.size());
  EXPECT_EQ(std::vector<std::string>(trace.begin(), trace.begin() + 7), startUp);
  // Pictures first, in the order of the picture list, then windows, menu bar, arrays.
  const std::vector<std::string> pictures = {"release picture Logo10", "release picture Helmholtz1",
                                             "release picture delta1", "release picture tau1"};
  std::vector<std::string> shutDown = pictures;
  shutDown.insert(shutDown.end(), kShutDown.begin(), kShutDown.end());
  EXPECT_EQ(Tail(trace, shutDown.size()), shutDown);
  EXPECT_TRUE(ImplicitWindow::LiveWindows().empty());
  EXPECT_FALSE(Globals::Fugacity.Exists());
  EXPECT_FALSE(MenuBar1Exists());
}

TEST(Program, AnExceptionInAHandlerIsReportedThenShutsDownWithAFailure) {
  testing::internal::CaptureStderr();
  bool loopContinuedAfterReport = false;
  const int status = RunProgram([&] {
    auto& broken = ImplicitWindow::Implicit<Broken>();
    broken.Control<Platform::PushButton>("go").click();
    // The handler ended the event loop; nothing after it may run as if all were well.
    QTimer::singleShot(0, [&] { loopContinuedAfterReport = true; });
  });
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_NE(status, 0);
  EXPECT_NE(report.find("Unhandled exception"), std::string::npos) << report;
  EXPECT_NE(report.find("missing"), std::string::npos) << report;
  EXPECT_FALSE(loopContinuedAfterReport);
  EXPECT_EQ(Tail(Lifecycle::Trace(), kShutDown.size()), kShutDown);
}
