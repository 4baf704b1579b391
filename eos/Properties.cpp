// Properties of methane at a temperature and a molar volume. Each function evaluates the residual
// part (and the ideal part where it needs one) once for its state, forming only the derivatives
// that its formula uses.

#include <cmath>

#include "eos/FiniteOrZero.h"
#include "eos/Globals.h"
#include "eos/ResidualSum.h"

namespace Globals {
namespace {

using namespace detail;

struct State {
  double tau, delta;
};

inline State Reduced(double T, double V) { return {CritTempKelvin / T, CritMolarVol / V}; }

inline bool Valid(double T, double V) { return T > 0 && V > 0; }   // false for NaN as well

// The combinations of the heat capacities, the speed of sound and the Joule-Thomson coefficient.
struct SecondOrder {
  double B;   // 1 + delta phir_delta - delta tau phir_deltatau
  double C;   // tau^2 (phi0_tautau + phir_tautau); Cv = -R C
  double D;   // 1 + 2 delta phir_delta + delta^2 phir_deltadelta
  ResidualDerivatives r;
};

inline SecondOrder SecondOrderAt(double T, double V) {
  const State s = Reduced(T, V);
  const ResidualDerivatives r = ResidualSum<kDelta | kDeltaDelta | kTauTau | kDeltaTau>(s.tau, s.delta);
  const IdealDerivatives i = Setzmann_IdealAll(s.tau, s.delta, false);
  return {1 + r.delta_phir_delta - r.deltatau_phir_deltatau, i.tau2_phi0_tautau + r.tau2_phir_tautau,
          1 + 2 * r.delta_phir_delta + r.delta2_phir_deltadelta, r};
}

}  // namespace

double Setzmann_Pressure(double T, double V) {
  if (!Valid(T, V)) return 0;
  const State s = Reduced(T, V);
  const ResidualDerivatives r = ResidualSum<kDelta>(s.tau, s.delta);
  return FiniteOrZero((1 + r.delta_phir_delta) * GasConstR * T / V);
}

double Setzmann_Fugacity(double T, double P, double V) {
  double lnPhi = 0;
  if (Valid(T, V)) {
    const State s = Reduced(T, V);
    const ResidualDerivatives r = ResidualSum<kPhi | kDelta>(s.tau, s.delta);
    if (-1 < r.delta_phir_delta) lnPhi = r.phir + r.delta_phir_delta - std::log(1 + r.delta_phir_delta);
  }
  if (!(std::abs(lnPhi) < FugLnCap)) return 0;
  return FiniteOrZero(P * std::exp(lnPhi));
}

double Setzmann_Helmholtz(double T, double V) {
  if (!Valid(T, V)) return 0;
  const State s = Reduced(T, V);
  const IdealDerivatives i = Setzmann_IdealAll(s.tau, s.delta);
  const ResidualDerivatives r = ResidualSum<kPhi>(s.tau, s.delta);
  return FiniteOrZero(GasConstR * T * (i.phi0 + r.phir));
}

double Setzmann_Entropy(double T, double V) {
  if (!Valid(T, V)) return 0;
  const State s = Reduced(T, V);
  const IdealDerivatives i = Setzmann_IdealAll(s.tau, s.delta);
  const ResidualDerivatives r = ResidualSum<kPhi | kTau>(s.tau, s.delta);
  return FiniteOrZero(GasConstR * (i.tau_phi0_tau + r.tau_phir_tau - i.phi0 - r.phir));
}

double Setzmann_Energy(double T, double V) {
  if (!Valid(T, V)) return 0;
  const State s = Reduced(T, V);
  const IdealDerivatives i = Setzmann_IdealAll(s.tau, s.delta, false);
  const ResidualDerivatives r = ResidualSum<kTau>(s.tau, s.delta);
  return FiniteOrZero(GasConstR * T * (i.tau_phi0_tau + r.tau_phir_tau));
}

double Setzmann_Enthalpy(double T, double V) {
  if (!Valid(T, V)) return 0;
  const State s = Reduced(T, V);
  const IdealDerivatives i = Setzmann_IdealAll(s.tau, s.delta, false);
  const ResidualDerivatives r = ResidualSum<kTau | kDelta>(s.tau, s.delta);
  return FiniteOrZero(GasConstR * T * (1 + i.tau_phi0_tau + r.tau_phir_tau + r.delta_phir_delta));
}

double Setzmann_Gibbs(double T, double V) {
  if (!Valid(T, V)) return 0;
  const State s = Reduced(T, V);
  const IdealDerivatives i = Setzmann_IdealAll(s.tau, s.delta);
  const ResidualDerivatives r = ResidualSum<kPhi | kDelta>(s.tau, s.delta);
  return FiniteOrZero(GasConstR * T * (1 + r.delta_phir_delta + i.phi0 + r.phir));
}

double Setzmann_Cv(double T, double V) {
  if (!Valid(T, V)) return 0;
  const State s = Reduced(T, V);
  const ResidualDerivatives r = ResidualSum<kTauTau>(s.tau, s.delta);
  const IdealDerivatives i = Setzmann_IdealAll(s.tau, s.delta, false);
  return FiniteOrZero(-GasConstR * (i.tau2_phi0_tautau + r.tau2_phir_tautau));
}

double Setzmann_Cp(double T, double V) {
  if (!Valid(T, V)) return 0;
  const SecondOrder q = SecondOrderAt(T, V);
  if (q.D == 0) return 0;
  return FiniteOrZero(-GasConstR * q.C + GasConstR * q.B * q.B / q.D);
}

double Setzmann_Sound(double T, double V) {
  if (!Valid(T, V)) return 0;
  const SecondOrder q = SecondOrderAt(T, V);
  const double w2 = (q.D - q.B * q.B / q.C) * GasConstR * T * 1000 / MolarMassGmol;
  return w2 > 0 ? FiniteOrZero(std::sqrt(w2)) : 0;
}

double Setzmann_JouleThomson(double T, double V) {
  if (!Valid(T, V)) return 0;
  const SecondOrder q = SecondOrderAt(T, V);
  const double denominator = q.B * q.B - q.C * q.D;
  if (denominator == 0) return 0;
  const ResidualDerivatives& r = q.r;
  const double numerator = -(r.delta_phir_delta + r.delta2_phir_deltadelta + r.deltatau_phir_deltatau);
  return FiniteOrZero(numerator / denominator / (GasConstR / V));
}

}  // namespace Globals
