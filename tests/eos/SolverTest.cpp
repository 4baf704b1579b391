// The secant inversions, the saturation equations and the liquid-vapour fugacity difference: round
// trips, the steps that decide which root is reached, and the cases that must fail with 0.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "eos/Globals.h"
#include "eos/PhysicalRoots.h"
#include "eos/Secant.h"

namespace {

using namespace Globals;
using detail::SecantRules;
using detail::SecantRun;
using detail::SecantState;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Counts the calls of the background-task hook: one per unconverged step or retry.
class Solver : public ::testing::Test {
 protected:
  static inline int steps = 0;
  void SetUp() override {
    steps = 0;
    RuntimeBackgroundTask = [] { ++steps; };
  }
  void TearDown() override { RuntimeBackgroundTask = nullptr; }
};

TEST_F(Solver, HalfStepsOnALinearResidual) {
  const auto linear = [](double x) { return 3.0 - 0.5 * x; };
  EXPECT_NEAR(SecantRun(linear, 3.0, detail::CallerStart(linear, 1.0), SecantRules::Standard), 6.0, 1e-11);
  EXPECT_GT(steps, 30);   // the error halves per step
}

TEST_F(Solver, EqualStartResidualsThenHalvingSteps) {
  const auto flat = [](double) { return 1.0; };
  const SecantState s = detail::CallerStart(flat, 100.0);
  EXPECT_EQ(s.xCur, 100.0 + SecantOffset);   // the second start point becomes the current one
  EXPECT_NEAR(SecantRun(flat, 1.0, s, SecantRules::Standard, detail::StopPoint::AsReached), 100.2, 1e-9);
  EXPECT_EQ(SecantRun(flat, 1.0, s, SecantRules::Standard), 0.0);   // but that point fits no root
}

TEST_F(Solver, StepBeyondSolverDivergeFailsEvenOnAZeroResidual) {
  // The secant through (0, 1) and (2 x, 0) steps x, to where the residual is 0.
  const auto residual = [](double x) { return x > 1e299 ? 0.0 : 1.0; };
  EXPECT_EQ(SecantRun(residual, 1.0, SecantState{0.0, 1.0, 3e300, 0.0, 0.0}, SecantRules::Standard), 0.0);
  EXPECT_EQ(SecantRun(residual, 1.0, SecantState{0.0, 1.0, 3e299, 0.0, 0.0}, SecantRules::Standard), 1.5e299);
}

// (The volume and temperature inversions round-trip over the whole range in the automatic-roots test.)
TEST_F(Solver, SaturationInversionsRoundTrip) {
  for (double T : {TripleTempKelvin, 100.0, 150.0, 180.0, 189.0}) {
    EXPECT_NEAR(SaturationT(SaturationP(T)), T, 1e-10 * T);
    EXPECT_NEAR(SaturationTV(SaturationV(SatSelLiquid, T)), T, 1e-9 * T);
    EXPECT_NEAR(SaturationTV(SaturationV(SatSelVapour, T)), T, 1e-9 * T);
  }
}

TEST_F(Solver, StopPointMustFitARoot) {
  EXPECT_EQ(Setzmann_Volume(0, 1, 100), 0.0);       // every pressure is 0: a flat residual
  EXPECT_EQ(Setzmann_Volume(300, 1, 1e10), 0.0);    // the pressure barely changes out there
  EXPECT_EQ(SaturationT(10), 0.0);                  // runs below the triple point, where it is flat
  EXPECT_EQ(Setzmann_Volume(0, 0, 100), 0.0);       // a 0/0 step: NaN is no root
  EXPECT_EQ(Setzmann_Volume(300, kNaN, 100), 0.0);
  EXPECT_EQ(Setzmann_Volume(300, 1, -0.2), 0.0);    // both start points at or below 0
  // A compressed liquid's pressure moves so much per ulp of volume that |F| stays far above 1e-9
  // of the pressure; it is a root all the same.
  EXPECT_NEAR(Setzmann_Volume(91, 1e-4, 34.5), 35.5669, 1e-4);
  EXPECT_NEAR(SaturationTV(CritMolarVol), CritTempKelvin, 1e-6);
  EXPECT_GT(SaturationT(CritPresMPa), CritTempKelvin);   // met on the continuation above Tc
  for (double P : {0.005, 0.0116, 1e-9}) {   // below the triple-point vapour pressure
    EXPECT_GT(SaturationT(P), 80.0) << P;
    EXPECT_LT(SaturationT(P), TripleTempKelvin) << P;
  }
  for (double P : {0.0, -1.0, kNaN}) EXPECT_EQ(SaturationT(P), 0.0) << P;
  EXPECT_EQ(SaturationTV(1e5), 0.0);
}

TEST_F(Solver, FiveHundredStepsAtMost) {
  EXPECT_EQ(Setzmann_Volume(300, 1e-300, 100), 0.0);   // its root lies beyond 1e303
  EXPECT_EQ(steps, 500);
  steps = 0;
  EXPECT_EQ(SaturationTV(30), 0.0);   // below the saturated liquid at the triple point
  EXPECT_EQ(steps, 500);
}

TEST(Saturation, EquationsAtTheirEnds) {
  EXPECT_NEAR(SaturationP(TripleTempKelvin), 0.011696, 1e-6);
  EXPECT_EQ(SaturationP(CritTempKelvin), CritPresMPa);
  EXPECT_NEAR(SaturationP(190.5641), 4.59645, 1e-4);   // the continuation starts lower
  for (int selector : {SatSelLiquid, SatSelVapour, 2}) {
    EXPECT_EQ(SaturationV(selector, selector == 2 ? 150 : CritTempKelvin), CritMolarVol);
    for (double T : {90.69, 190.6, kNaN}) EXPECT_EQ(SaturationV(selector, T), 0.0) << T;
  }
  EXPECT_EQ(SaturationP(90.69), 0.0);
  EXPECT_EQ(SaturationP(kNaN), 0.0);
}

// The result arrays that Function_LV writes exist for the whole test program, as in the
// program itself (the reference tests use them too).
class ResultArrays : public ::testing::Environment {
  void SetUp() override { MolarVolumes.Init(); Fugacity.Init(); }
  void TearDown() override { Fugacity.Exit(); MolarVolumes.Exit(); }
};
const auto* const kResultArrays = ::testing::AddGlobalTestEnvironment(new ResultArrays);

TEST(LiquidVapour, WritesBothPhasesAndTheirDifference) {
  const double difference = Function_LV(150, 0.5);
  EXPECT_LT(MolarVolumes[LVLiquidIndex], CritMolarVol);
  EXPECT_GT(MolarVolumes[LVVapourIndex], CritMolarVol);
  EXPECT_EQ(Fugacity[LVLiquidIndex], Setzmann_Fugacity(150, 0.5, MolarVolumes[LVLiquidIndex]));
  EXPECT_EQ(difference, Fugacity[LVLiquidIndex] - Fugacity[LVVapourIndex]);
  EXPECT_GT(difference, 0.0);   // below the vapour pressure the liquid is the less stable phase
  const double liquid = MolarVolumes[LVLiquidIndex], vapour = Fugacity[LVVapourIndex];
  EXPECT_EQ(Function_LV(0, 1), 0.0);   // the guard writes nothing
  EXPECT_EQ(Function_LV(150, -1), 0.0);
  EXPECT_EQ(MolarVolumes[LVLiquidIndex], liquid);
  EXPECT_EQ(Fugacity[LVVapourIndex], vapour);
}

TEST(LiquidVapour, RejectedPhaseGivesZero) {
  EXPECT_EQ(Function_LV(250, 1), 0.0);   // liquid start -1 above Tc: that solve fails
  EXPECT_EQ(MolarVolumes[LVLiquidIndex], 0.0);
  EXPECT_EQ(Fugacity[LVLiquidIndex], 0.0);
  EXPECT_NEAR(MolarVolumes[LVVapourIndex], 2012.375, 1e-3);
  EXPECT_EQ(Function_LV(100, 10), 0.0);   // far above the vapour pressure: no vapour-like root
  EXPECT_EQ(MolarVolumes[LVVapourIndex], 0.0);
  EXPECT_EQ(Fugacity[LVVapourIndex], 0.0);
  EXPECT_LT(MolarVolumes[LVLiquidIndex], CritMolarVol);
  EXPECT_GT(Fugacity[LVLiquidIndex], 0.0);
}

// An infinite target makes every residual infinite, which no tolerance scaled by the target may
// take for a root: each inversion fails with 0 and the fugacity difference finds no phase.
TEST(LiquidVapour, NoRootAndNoPhaseForAPressureOrTemperatureThatIsNotFinite) {
  for (double P : {kInf, -kInf, kNaN}) {
    for (double start : {0.0, 100.0}) {
      EXPECT_EQ(Setzmann_Volume(150, P, start), 0.0) << P << " from " << start;
      EXPECT_EQ(Setzmann_Temperature(P, 50, start), 0.0) << P << " from " << start;
    }
    EXPECT_EQ(PhysicalVolume(150, P, 0), 0.0) << P;
    EXPECT_EQ(PhysicalTemperature(P, 50, 0), 0.0) << P;
  }
  EXPECT_EQ(Setzmann_Volume(kInf, 1, 100), 0.0);
  for (const auto& [T, P] : {std::pair{150.0, kInf}, std::pair{kInf, 1.0}}) {
    MolarVolumes[LVLiquidIndex] = MolarVolumes[LVVapourIndex] = 7;
    EXPECT_EQ(Function_LV(T, P), 0.0);
    EXPECT_EQ(MolarVolumes[LVLiquidIndex], 0.0) << T << " K, " << P << " MPa";
    EXPECT_EQ(MolarVolumes[LVVapourIndex], 0.0) << T << " K, " << P << " MPa";
    EXPECT_EQ(Fugacity[LVLiquidIndex] + Fugacity[LVVapourIndex], 0.0);
  }
}

}  // namespace
