// Nanoseconds per call of the equation-of-state functions that the windows and the phase searches
// lean on, over states spread across the range of the program (90 to 625 K, liquid to dilute gas).

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "bench/BenchCycle.h"
#include "eos/Globals.h"

namespace {

using namespace Globals;

struct TV {
  double T, V;
};
struct TP {
  double T, P;
};

// Liquid, near-critical, vapour and supercritical states.
const std::vector<TV> kStatesTV = {
    {91, 35.6},   {110, 38},    {150, 45},     {180, 58},    {190, 98.6},  {190.564, 98.62781261527111},
    {150, 3800},  {120, 9000},  {100, 80000},  {200, 43.7},  {250, 142.7}, {300, 2494},
    {400, 33242}, {500, 60},    {625, 124.2},  {625, 519667},
};

// Pressures near the saturation curve with a liquid root (liquid start) and with a vapour root
// (vapour start).
const std::vector<TP> kLiquidTP = {{91, 0.0122}, {100, 0.0345}, {130, 0.369},
                                   {150, 1.045}, {170, 2.34},    {189, 4.40}};
const std::vector<TP> kVapourTP = {{91, 0.00365}, {111.6, 0.0302}, {150, 0.312},
                                   {170, 0.6985}, {180, 0.986},    {189, 1.314}};

// Saturation states on the curve of the equation of state.
const std::vector<TP> kSaturationTP = {{90.6941, 0.011696063922544176},
                                       {123.46273333333335, 0.24286978372384077},
                                       {150.27343333333334, 1.0528854675030668},
                                       {174.10516666666666, 2.6920331405848992},
                                       {189.5, 4.4485151344564837}};

const std::vector<double> kSaturationPressures = {0.0117, 0.1, 0.5, 1.5, 3.0, 4.5};

void BM_Residual(benchmark::State& state) {   // every selector in turn
  std::size_t i = 0, selector = 0;
  for (auto _ : state) {
    const double tau = CritTempKelvin / kStatesTV[i].T, delta = CritMolarVol / kStatesTV[i].V;
    benchmark::DoNotOptimize(Setzmann_Residual(static_cast<int32_t>(selector), tau, delta));
    if (++i == kStatesTV.size()) i = 0;
    if (++selector == 6) selector = 0;
  }
}
void BM_Pressure(benchmark::State& state) {
  Cycle(state, kStatesTV, [](const TV& s) { return Setzmann_Pressure(s.T, s.V); });
}
void BM_Cp(benchmark::State& state) {
  Cycle(state, kStatesTV, [](const TV& s) { return Setzmann_Cp(s.T, s.V); });
}
void BM_Sound(benchmark::State& state) {
  Cycle(state, kStatesTV, [](const TV& s) { return Setzmann_Sound(s.T, s.V); });
}
void BM_VolumeLiquid(benchmark::State& state) {
  Cycle(state, kLiquidTP, [](const TP& s) {
    return Setzmann_Volume(s.T, s.P, SaturationV(SatSelLiquid, s.T) - PanelStartOffset);
  });
}
void BM_VolumeVapour(benchmark::State& state) {
  Cycle(state, kVapourTP, [](const TP& s) {
    return Setzmann_Volume(s.T, s.P, SaturationV(SatSelVapour, s.T) + PanelStartOffset);
  });
}
void BM_SaturationT(benchmark::State& state) {
  Cycle(state, kSaturationPressures, [](double P) { return SaturationT(P); });
}
void BM_Function_LV(benchmark::State& state) {
  MolarVolumes.Init();
  Fugacity.Init();
  Cycle(state, kSaturationTP, [](const TP& s) { return Function_LV(s.T, s.P); });
  Fugacity.Exit();
  MolarVolumes.Exit();
}

}  // namespace

BENCHMARK(BM_Residual);
BENCHMARK(BM_Pressure);
BENCHMARK(BM_Cp);
BENCHMARK(BM_Sound);
BENCHMARK(BM_VolumeLiquid);
BENCHMARK(BM_VolumeVapour);
BENCHMARK(BM_SaturationT);
BENCHMARK(BM_Function_LV);

BENCHMARK_MAIN();
