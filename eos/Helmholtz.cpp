// Residual and ideal-gas parts of the reduced Helmholtz energy of methane: the selector functions
// and the ideal part. The residual sum itself is in ResidualSum.h.

#include <cmath>
#include <cstddef>

#include "eos/FiniteOrZero.h"
#include "eos/Globals.h"
#include "eos/ResidualSum.h"

namespace Globals {
namespace {

// Ideal-gas part: a1..a8 and the reduced Planck-Einstein temperatures theta4..theta8.
constexpr double kA1 = 9.91243972;
constexpr double kA2 = -6.33270087;
constexpr double kA3 = 3.0016;
constexpr double kPlanckA[] = {0.008449, 4.6942, 3.4865, 1.6572, 1.4115};
constexpr double kPlanckTheta[] = {3.4004323, 10.26951575, 20.43932747, 29.93744884, 79.13351945};

}  // namespace

ResidualDerivatives Setzmann_ResidualAll(double tau, double delta) {
  return detail::ResidualSum<detail::kAllParts>(tau, delta);
}

double Setzmann_Residual(int32_t selector, double tau, double delta) {
  using namespace detail;
  if (!(tau > 0 && delta > 0)) return 0;
  switch (selector) {
    case 0: return FiniteOrZero(ResidualSum<kPhi>(tau, delta).phir);
    case 1: return FiniteOrZero(ResidualSum<kTau>(tau, delta).tau_phir_tau / tau);
    case 2: return FiniteOrZero(ResidualSum<kTauTau>(tau, delta).tau2_phir_tautau / tau / tau);
    case 3: return FiniteOrZero(ResidualSum<kDelta>(tau, delta).delta_phir_delta / delta);
    case 4: return FiniteOrZero(ResidualSum<kDeltaDelta>(tau, delta).delta2_phir_deltadelta / delta / delta);
    case 5: return FiniteOrZero(ResidualSum<kDeltaTau>(tau, delta).deltatau_phir_deltatau / delta / tau);
    default: return 0;
  }
}

IdealDerivatives Setzmann_IdealAll(double tau, double delta, bool withValue) {
  IdealDerivatives r;
  r.tau_phi0_tau = kA2 * tau + kA3;
  r.tau2_phi0_tautau = -kA3;
  if (withValue) r.phi0 = std::log(delta) + kA1 + kA2 * tau + kA3 * std::log(tau);
  for (std::size_t i = 0; i < std::size(kPlanckA); ++i) {
    const double x = tau * kPlanckTheta[i];
    const double e = std::exp(-x);
    const double inverse = 1 / (1 - e);
    const double ax = kPlanckA[i] * x * e * inverse;   // a_i x e / (1 - e)
    r.tau_phi0_tau += ax;
    r.tau2_phi0_tautau -= ax * x * inverse;
    if (withValue) r.phi0 += kPlanckA[i] * std::log(1 - e);
  }
  return r;
}

double Setzmann_Ideal(int32_t selector, double tau, double delta) {
  if (!(tau > 0 && delta > 0)) return 0;
  switch (selector) {
    case 0: return FiniteOrZero(Setzmann_IdealAll(tau, delta).phi0);
    case 1: return FiniteOrZero(Setzmann_IdealAll(tau, delta, false).tau_phi0_tau / tau);
    case 2: return FiniteOrZero(Setzmann_IdealAll(tau, delta, false).tau2_phi0_tautau / tau / tau);
    default: return 0;
  }
}

}  // namespace Globals
