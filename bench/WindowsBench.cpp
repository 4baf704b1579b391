// What the user waits for in the windows: a press of "calculate" in each kind of calculator,
// the completion of a state in the entry panel, the fugacity-equality search behind the two
// phase windows, the opening of a calculator from the chooser, and the program's start-up.
// The windows are real and offscreen, and every press is a mouse click on the button.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QtGlobal>
#include <chrono>
#include <string_view>
#include <vector>

#include "app/Selection.h"
#include "bench/BenchCycle.h"
#include "calculators/energy/EnthalpyWindow.h"
#include "calculators/energy/FugacityWindow.h"
#include "calculators/phase/BubbleDewPoint.h"
#include "calculators/phase/LiquidVapourEq.h"
#include "calculators/volumetric/Isochore.h"
#include "calculators/volumetric/MathAnal.h"
#include "calculators/volumetric/PressuresWindow.h"
#include "calculators/volumetric/TemperatureWindow.h"
#include "calculators/volumetric/VolumeWindow.h"
#include "eos/EqualitySearch.h"
#include "eos/Globals.h"
#include "tests/support/GuiTest.h"

namespace {

using GuiTest::Click;
using GuiTest::CompleteState;
using GuiTest::Type;
using namespace PhaseEquality;

// Reports that the figure would not stand for what its name says; the first reason counts.
void Refuse(benchmark::State& state, const char* why) {
  if (!state.error_occurred()) state.SkipWithError(why);
}

// A window opened afresh, with no other window and an empty module state, and active.
template <class Window>
Window& Opened(benchmark::State& state, Window& (*open)()) {
  GuiTest::ResetProgram();
  Window& w = open();
  if (!GuiTest::ShowActive(w)) Refuse(state, "the window never became active");
  return w;
}

// Times presses of the window's "calculate". A figure stands for the calculation only if the
// press showed an answer: a refused input would be timed as a warning.
void PressCalculate(benchmark::State& state, ImplicitWindow& w, std::string_view answer) {
  for (auto _ : state) Click(w, "calculate");
  if (w.Label(answer).Text().isEmpty()) Refuse(state, "the press showed no answer");
}

void BM_PressuresWindowCalculate(benchmark::State& state) {
  auto& w = Opened(state, PressuresWindow);
  Click(w, "Kelvin");
  Type(w, "dataEntry", "50");
  Type(w, "dataEntry1", "150");
  PressCalculate(state, w, "Result");
}

void BM_VolumeWindowCalculateAutomatic(benchmark::State& state) {
  auto& w = Opened(state, VolumeWindow);
  Type(w, "dataEntryT", "300");
  Type(w, "dataEntryP", "50");
  Click(w, "Choice0");
  PressCalculate(state, w, "Result");
}

void BM_TemperatureWindowCalculateAutomatic(benchmark::State& state) {
  auto& w = Opened(state, TemperatureWindow);
  Type(w, "dataEntry", "130");
  Type(w, "dataEntry1", "25.61688");
  Click(w, "Choice0");
  PressCalculate(state, w, "Result");
}

// 0 to 100 °C in steps of 10: eleven rows, which each press replaces.
void BM_IsochoreCalculate11Rows(benchmark::State& state) {
  Globals::MolarVol = 50;  // as if typed in the pressure window before the table opens
  auto& w = Opened(state, Isochore);
  Type(w, "minimum", "0");
  Type(w, "maximum", "100");
  Type(w, "interval", "10");
  for (auto _ : state) Click(w, "calculate");
  if (w.List("ListBox1").ListCount() != 11) Refuse(state, "the table has not eleven rows");
}

// 501 rows laid out in the list. Each press adds to the rows that are there, and only the
// window's activation empties the list: the rows go outside the timing, so that every press
// fills an empty list.
void BM_MathAnalCalculate501Rows(benchmark::State& state) {
  auto& opener = Opened(state, VolumeWindow);
  Globals::TempKelvin = 300;
  Globals::PresMPa = 50;
  Click(opener, "Analysis");
  ImplicitWindow* list = ImplicitWindow::Live("MathAnal");
  if (!list || !QTest::qWaitForWindowActive(list)) {
    Refuse(state, "the list never opened");
    return;
  }
  Platform::Listbox& rows = list->List("ListBox1");
  for (auto _ : state) {
    state.PauseTiming();
    rows.DeleteAllRows();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    Click(*list, "calculate");
    QCoreApplication::processEvents();
  }
  if (rows.ListCount() != 501) Refuse(state, "the list has not 501 rows");
}

// The liquid at 120 K, found by the fugacity-equality search.
void BM_BubbleDewPointCalculateByFugacityEquality(benchmark::State& state) {
  auto& w = Opened(state, BubbleDewPoint);
  Click(w, "Liquid");
  Click(w, "Kelvin");
  Click(w, "RadioButtonTh");
  Click(w, "equality");
  Type(w, "dataEntry", "120");
  PressCalculate(state, w, "Answer");
}

// 200 cm3/mol closed at 150 K, below its homogenisation temperature.
void BM_LiquidVapourEqCalculateByFugacityEquality(benchmark::State& state) {
  auto& w = Opened(state, LiquidVapourEq);
  Type(w, "DataEntryV", "200");
  Click(w, "equality");
  Click(w, "calTh");
  Type(w, "DataEntryT", "150");
  PressCalculate(state, w, "frac1");
}

void BM_EnthalpyWindowCalculate(benchmark::State& state) {
  auto& w = Opened(state, EnthalpyWindow);
  CompleteState(w, "RadioButtonTP", "150", "5");
  PressCalculate(state, w, "Result");
}

void BM_FugacityWindowCalculate(benchmark::State& state) {
  auto& w = Opened(state, FugacityWindow);
  CompleteState(w, "RadioButtonTV", "300", "100");
  PressCalculate(state, w, "FugacityResult");
}

// "volume calculation": the liquid's volume at 150 K and 5 MPa, from the saturation start.
void BM_StateEntryPanelVolumeCalculation(benchmark::State& state) {
  auto& w = Opened(state, EnthalpyWindow);
  CompleteState(w, "RadioButtonTP", "150", "5");
  for (auto _ : state) Click(w, "PushButton1");
  if (Globals::MolarVol == 0) Refuse(state, "no volume was found");
}

void BM_EqualitySearchFindsThePressureAt120K(benchmark::State& state, Stepping stepping) {
  Outcome outcome;
  for (auto _ : state) benchmark::DoNotOptimize(outcome = Search(Sought::Pressure, 120, stepping));
  if (!outcome.found) Refuse(state, "no pressure was found");
}

// With nothing to move the search never converges: every iteration runs, then it fails.
void BM_EqualitySearchFailsAfterAllItsIterations(benchmark::State& state) {
  Outcome outcome;
  for (auto _ : state) benchmark::DoNotOptimize(outcome = Search(Sought::Nothing, 120, FullSteps));
  if (outcome.found) Refuse(state, "the search found something");
}

// The chooser's rows, as its design lists them.
std::vector<const char*> ChooserRows() {
  std::vector<const char*> rows;
  for (const ControlDesign& control : Selection::Design().controls)
    if (control.cls == Platform::ControlClass::RadioButton) rows.push_back(control.name);
  return rows;
}

// "continue" in the chooser, each calculator in turn. Every window is released before the
// next opening, so that each one is built and shown anew; the pictures stay read, as they do
// in the program after a window first showed them.
void BM_ChooserOpensACalculator(benchmark::State& state) {
  bool allOpened = true;
  Cycle(state, ChooserRows(), [&](const char* row) {
    state.PauseTiming();
    GuiTest::ResetProgram();
    auto& chooser = Selection();
    Click(chooser, row);
    state.ResumeTiming();
    Click(chooser, "PushButton1");
    allOpened = allOpened && ImplicitWindow::LiveWindows().size() == 2;
    return allOpened;
  });
  if (!allOpened) Refuse(state, "a calculator did not open");
}

// From the creation of the program's process to its start window on screen: the whole
// start-up, loading included, as the user waits for it. A process cannot start twice, so every
// iteration starts one, and the time is taken from here up to the line by which the program
// says that its start window is on screen.
void BM_StartWindowOnScreen(benchmark::State& state) {
  for (auto _ : state) {
    QProcess program;
    const auto begin = std::chrono::steady_clock::now();
    program.start(QStringLiteral(START_WINDOW_PROBE), {});
    if (!program.waitForReadyRead(10000)) {
      Refuse(state, "the start window never came on screen");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count());
    program.waitForFinished();
  }
}

}  // namespace

BENCHMARK(BM_PressuresWindowCalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VolumeWindowCalculateAutomatic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TemperatureWindowCalculateAutomatic)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IsochoreCalculate11Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MathAnalCalculate501Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BubbleDewPointCalculateByFugacityEquality)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LiquidVapourEqCalculateByFugacityEquality)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnthalpyWindowCalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FugacityWindowCalculate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StateEntryPanelVolumeCalculation)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EqualitySearchFindsThePressureAt120K, HalfSteps, PhaseEquality::HalfSteps)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_EqualitySearchFindsThePressureAt120K, FullSteps, PhaseEquality::FullSteps)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EqualitySearchFailsAfterAllItsIterations)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChooserOpensACalculator)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartWindowOnScreen)->UseManualTime()->Unit(benchmark::kMillisecond);

// The application object of the program, offscreen unless the caller chose a platform, with
// the result arrays; the windows are released before it goes.
int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  auto app = GuiTest::OffscreenProgram(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  GuiTest::ResetProgram();
  return 0;
}
