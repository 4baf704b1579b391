#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "eos/EqualitySearch.h"
#include "eos/Globals.h"
#include "tests/support/ReferenceTable.h"

using namespace PhaseEquality;

namespace {

// Every 0.01 K of the curve, as typed (90.7, 90.71, ...), both windows' searches find the
// pressure: also below 96 K, where the fugacity difference stays at its rounding noise, and
// where it comes out exactly 0 with both phases found. The two agree.
TEST(EqualitySearch, FindsThePressureAtEveryHundredthOfAKelvinAndBothSearchesAgree) {
  int failures = 0, slowest = 0;
  double apart = 0;
  for (int i = 0; i <= 9940; ++i) {
    const double T = std::stod(std::to_string(9070 + i) + "e-2");
    const Outcome full = Search(Sought::Pressure, T, FullSteps);
    const Outcome half = Search(Sought::Pressure, T, HalfSteps);
    if (!full.found || !half.found) {
      if (++failures < 5) ADD_FAILURE() << "no pressure at " << T << " K";
      continue;
    }
    apart = std::max(apart, std::abs(full.value - half.value) / full.value);
    slowest = std::max({slowest, full.iteration, half.iteration});
  }
  std::printf("scan of 9941 temperatures: %d failures, searches %.2g apart, at most %d iterations\n",
              failures, apart, slowest);
  EXPECT_EQ(failures, 0);
  EXPECT_LT(apart, 3e-9);
}

// What a found pressure leaves in the arrays is the equilibrium of the reference table, and
// the search at that pressure gives the temperature back. The liquid's fugacity is its
// coefficient at the volume found times the pressure given, and near the triple point its
// pressure moves 1e5 times faster than its volume: a volume right to 1e-12 moves the
// pressure found by up to 3e-8; near the critical point the vapour volume is as sensitive.
TEST(EqualitySearch, AgreesWithTheReferenceCurveBothWays) {
  for (const Reference::Row& r : Reference::Table("saturation.csv")) {
    const double T = r["T_K"], P = r["p_sat_MPa"];
    if (T > 190) continue;
    for (Stepping s : {FullSteps, HalfSteps}) {
      const Outcome p = Search(Sought::Pressure, T, s);
      ASSERT_TRUE(p.found) << T;
      EXPECT_NEAR(p.value, P, 4e-8 * P) << T;
      EXPECT_NEAR(Globals::MolarVolumes[Globals::LVLiquidIndex], r["V_liq_cm3mol"], 1e-8 * r["V_liq_cm3mol"]) << T;
      EXPECT_NEAR(Globals::MolarVolumes[Globals::LVVapourIndex], r["V_vap_cm3mol"], 4e-8 * r["V_vap_cm3mol"]) << T;
    }
    if (T < 91) continue;  // the second start lies below the triple point
    const Outcome t = Search(Sought::Temperature, P, FullSteps);
    ASSERT_TRUE(t.found) << T;
    EXPECT_NEAR(t.value, T, 2e-9 * T);
  }
}

// The temperature between the triple point and 0.1 K above it at which the liquid and the
// vapour have equal fugacity at P, by bisection of the fugacity difference (negative on the
// cold side, where the liquid is the stable phase), with both phases found at every step.
double EqualFugacityTemperatureAboveTriplePoint(double P) {
  double cold = Globals::TripleTempKelvin, warm = cold + 0.1;
  for (int i = 0; i < 60; ++i) {
    const double T = (cold + warm) / 2, difference = Globals::Function_LV(T, P);
    EXPECT_NE(Globals::MolarVolumes[Globals::LVLiquidIndex] * Globals::MolarVolumes[Globals::LVVapourIndex], 0);
    (difference < 0 ? cold : warm) = T;
  }
  return (cold + warm) / 2;
}

// Just above the triple-point pressure the temperature search's second start, 0.01 K below the
// auxiliary equation's answer, lies below the triple point; it starts above it instead.
TEST(EqualitySearch, FindsTheTemperatureJustAboveTheTriplePointPressure) {
  for (double P : {0.0116961, 0.011697, 0.0117, 0.011705, 0.011711}) {
    const double expected = EqualFugacityTemperatureAboveTriplePoint(P);
    ASSERT_GT(expected, Globals::TripleTempKelvin) << P;
    for (Stepping s : {FullSteps, HalfSteps}) {
      const Outcome t = Search(Sought::Temperature, P, s);
      ASSERT_TRUE(t.found) << P << " MPa";
      EXPECT_NEAR(t.value, expected, 1e-10 * expected) << P << " MPa";
    }
  }
}

// Near the critical point one phase is rejected; a 0 from a rejected phase or from a call
// refused for T = P = 0 never counts as equal fugacities.
TEST(EqualitySearch, FailsWhereAPhaseIsRejectedOrNothingIsSought) {
  for (double T : {190.3, 190.5})
    for (Stepping s : {FullSteps, HalfSteps}) EXPECT_FALSE(Search(Sought::Pressure, T, s).found) << T;
  Globals::MolarVolumes[0] = Globals::MolarVolumes[1] = 7;
  EXPECT_FALSE(Search(Sought::Nothing, 0, FullSteps).found);
  EXPECT_EQ(Globals::MolarVolumes[0] + Globals::MolarVolumes[1], 14);  // nothing was evaluated
}

}  // namespace
