// The reduced Helmholtz energy: every derivative against a central difference of the quantity it
// derives, selectors and guards.

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
  EXPECT_EQ(Setzmann_Residual(6, 1.0, 1.0), 0.0);
  EXPECT_EQ(Setzmann_Residual(-1, 1.0, 1.0), 0.0);
  EXPECT_EQ(Setzmann_Ideal(3, 1.0, 1.0), 0.0);
  EXPECT_EQ(Setzmann_Ideal(-1, 1.0, 1.0), 0.0);
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

}  // namespace
