// The reduced Helmholtz energy and the properties at (T, V) built on it: every derivative
// against a central difference of the quantity it derives, limits, selectors and guards, and
// that no state gives NaN or infinity. (Values and identities are checked over the reference
// grid.)

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "eos/Globals.h"

namespace {

using namespace Globals;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Helmholtz, DerivativesMatchCentralDifferences) {
  struct Case {
    double (*part)(int32_t, double, double);
    int derivative, of;
    bool inTau;
  };
  const Case cases[] = {{Setzmann_Residual, 1, 0, true},  {Setzmann_Residual, 2, 1, true},
                        {Setzmann_Residual, 3, 0, false}, {Setzmann_Residual, 4, 3, false},
                        {Setzmann_Residual, 5, 3, true},  {Setzmann_Residual, 5, 1, false},
                        {Setzmann_Ideal, 1, 0, true},     {Setzmann_Ideal, 2, 1, true}};
  // Dilute gas, liquid, near-critical, and around the centres of the Gaussian terms (delta = 1,
  // tau = 1.07 and 1.11), where they weigh most.
  const double states[][2] = {{0.3, 1e-3}, {0.5, 0.3}, {1.0, 1.5}, {2.1, 2.8},  {1.3, 0.05},  {1.0, 1.0},
                              {1.1, 1.0},  {1.1, 1.02}, {1.07, 0.98}, {1.11, 1.0}, {1.12, 0.95}, {0.9, 2.2}};
  for (const auto& [tau, delta] : states) {
    for (const auto& c : cases) {
      const double ht = c.inTau ? 1e-5 * tau : 0, hd = c.inTau ? 0 : 1e-5 * delta;
      const double numeric =
          (c.part(c.of, tau + ht, delta + hd) - c.part(c.of, tau - ht, delta - hd)) / (2 * (ht + hd));
      const double analytic = c.part(c.derivative, tau, delta);
      EXPECT_NEAR(analytic, numeric, 1e-7 * std::max(std::abs(analytic), 1e-3))
          << (c.part == Setzmann_Ideal ? "ideal " : "residual ") << c.derivative << " at " << tau << ", " << delta;
    }
  }
}

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
