// The reduced Helmholtz energy and the properties at (T, V) built on it: limits, selectors and
// guards, and that no state gives NaN or infinity. (Values, every derivative and the identities
// are checked over the reference grid.)

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eos/Globals.h"

namespace {

using namespace Globals;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Helmholtz, OtherSelectorsInvalidAndOverflowingStatesGiveZero) {
  for (int selector : {-1, 6}) EXPECT_EQ(Setzmann_Residual(selector, 1.0, 1.0), 0.0);
  for (int selector : {-1, 3}) EXPECT_EQ(Setzmann_Ideal(selector, 1.0, 1.0), 0.0);
  const double invalid[][2] = {{0, 1}, {1, 0}, {-1, 1}, {1, -1}, {kNaN, 1}, {1, kNaN}};
  for (const auto& [tau, delta] : invalid) {
    for (int selector = 0; selector <= 5; ++selector) EXPECT_EQ(Setzmann_Residual(selector, tau, delta), 0.0);
    for (int selector = 0; selector <= 2; ++selector) EXPECT_EQ(Setzmann_Ideal(selector, tau, delta), 0.0);
  }
  for (int selector = 0; selector <= 5; ++selector) {   // powers that overflow
    EXPECT_EQ(Setzmann_Residual(selector, 1.0, 1e40), 0.0);
    EXPECT_EQ(Setzmann_Residual(selector, 1e20, 1.0), 0.0);
  }
}

using Property = double (*)(double, double);
const Property kProperties[] = {Setzmann_Pressure, Setzmann_Helmholtz, Setzmann_Entropy, Setzmann_Energy,
                                Setzmann_Enthalpy, Setzmann_Gibbs,     Setzmann_Cv,      Setzmann_Cp,
                                Setzmann_Sound,    Setzmann_JouleThomson};

TEST(Properties, IdealGasLimitAndReferenceState) {
  const double T = 300, V = 1e13;   // the second virial term is some 4e-12 here
  EXPECT_NEAR(Setzmann_Cp(T, V) - Setzmann_Cv(T, V), GasConstR, 1e-10 * GasConstR);
  EXPECT_GT(Setzmann_JouleThomson(T, V), 1.0);   // a finite limit, not 0
  EXPECT_NEAR(Setzmann_Pressure(RefTempKelvin, RefMolarVol), RefPresMPa, 1e-9 * RefPresMPa);
}

TEST(Properties, InvalidStatesGiveZeroAndFugacityGivesThePressure) {
  const double invalid[][2] = {{0, 100}, {-5, 100}, {300, 0}, {300, -1}, {kNaN, 100}, {300, kNaN}};
  for (const auto& [T, V] : invalid) {
    for (Property property : kProperties) EXPECT_EQ(property(T, V), 0.0) << T << " K, " << V;
    for (double P : {2.5, 0.0, -1.0}) EXPECT_EQ(Setzmann_Fugacity(T, P, V), P);
  }
  EXPECT_GT(Setzmann_Fugacity(91, 1.0, 15.5), 1e80);   // ln phi about 195
  EXPECT_EQ(Setzmann_Fugacity(91, 1.0, 15.0), 0.0);    // ln phi beyond 227
  EXPECT_EQ(Setzmann_Sound(150, 60), 0.0);             // inside the spinodal: w^2 < 0
}

TEST(Properties, NoStateGivesNaNOrInfinity) {
  // Across the two-phase region, both spinodals and the critical point, where the denominators of
  // Cp and the Joule-Thomson coefficient pass through 0.
  for (double T = 90; T <= 200; T += 0.731) {
    for (double V = 30; V <= 3000; V *= 1.0093) {
      for (Property property : kProperties) ASSERT_TRUE(std::isfinite(property(T, V))) << T << " K, " << V;
      ASSERT_TRUE(std::isfinite(Setzmann_Fugacity(T, 1.0, V)));
    }
  }
  for (Property property : kProperties) {   // the sums overflow
    EXPECT_EQ(property(300, 1e-30), 0.0);
    EXPECT_EQ(property(1e-30, 100), 0.0);
  }
  EXPECT_EQ(Setzmann_Fugacity(300, kNaN, 2494), 0.0);
}

}  // namespace
