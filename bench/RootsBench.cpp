// Microseconds per "automatic" solve where the windows' first start leads to another root of the
// equation, so that the search for a physical root goes on to its further starts. A binary of its
// own, so that the layout of the core's benchmark binary stays as it was: the figures of the
// term sums move by a quarter with the link layout alone.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <vector>

#include "bench/BenchCycle.h"
#include "eos/Globals.h"
#include "eos/PhysicalRoots.h"

namespace {

using namespace Globals;

struct TP {
  double T, P;
};
struct PV {
  double P, V;
};

// Dense supercritical fluid and compressed liquid, from the ideal-gas start.
const std::vector<TP> kVolumeMissedStartTP = {{514, 916.2}, {600, 980}, {125.15, 12.66}};
const std::vector<PV> kTemperatureMissedStartPV = {{12.66, 38.63}, {8.83608, 40.9003}, {5.35054, 45.7225}};

void BM_PhysicalVolumeMissedStart(benchmark::State& state) {
  Cycle(state, kVolumeMissedStartTP, [](const TP& s) { return PhysicalVolume(s.T, s.P, GasConstR * s.T / s.P); });
}
void BM_PhysicalTemperatureMissedStart(benchmark::State& state) {
  Cycle(state, kTemperatureMissedStartPV, [](const PV& s) { return PhysicalTemperature(s.P, s.V, s.P * s.V / GasConstR); });
}

}  // namespace

BENCHMARK(BM_PhysicalVolumeMissedStart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PhysicalTemperatureMissedStart)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
