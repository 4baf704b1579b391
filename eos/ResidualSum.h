#pragma once

// The residual part of the reduced Helmholtz energy of methane, summed in one pass over its 40
// terms. Internal to the equation-of-state library: the property functions instantiate the sum
// for the derivatives they use, Setzmann_ResidualAll for all of them.
//
// The terms are unrolled at compile time, so every exponent is a constant: integer powers come
// from small tables of products, the half-integer exponents of tau from one square root. Terms
// that share a factor (exp(-delta^c) for one c, or one Gaussian bell) are summed as a group and
// the factor, one exponential, is applied once per group. Each derivative is accumulated already
// multiplied by its reduced variables (delta * phir_delta and so on), which avoids negative powers
// and is the form the property formulas use.

#include <cmath>
#include <cstddef>
#include <utility>

#include "eos/Globals.h"

namespace Globals::detail {

struct PolynomialTerm {
  double n, d, t;
};
struct ExponentialTerm {
  double n, d, t, c;
};
struct GaussianTerm {
  double n, d, t, alpha, beta, gamma, epsilon;
};

// Setzmann and Wagner (1991), terms 1 to 13: n delta^d tau^t.
inline constexpr PolynomialTerm kPolynomial[] = {
    {0.04367901028, 1, -0.5},    {0.6709236199, 1, 0.5},      {-1.765577859, 1, 1},
    {0.8582330241, 2, 0.5},      {-1.206513052, 2, 1},        {0.512046722, 2, 1.5},
    {-0.0004000010791, 2, 4.5},  {-0.01247842423, 3, 0},      {0.03100269701, 4, 1},
    {0.001754748522, 4, 3},      {-3.171921605e-06, 8, 1},    {-2.24034684e-06, 9, 3},
    {2.947056156e-07, 10, 3},
};

// Terms 14 to 36: n delta^d tau^t exp(-delta^c).
inline constexpr ExponentialTerm kExponential[] = {
    {0.1830487909, 1, 0, 1},     {0.1511883679, 1, 1, 1},     {-0.4289363877, 1, 2, 1},
    {0.06894002446, 2, 0, 1},    {-0.01408313996, 4, 0, 1},   {-0.0306305483, 5, 2, 1},
    {-0.02969906708, 6, 2, 1},   {-0.01932040831, 1, 5, 2},   {-0.1105739959, 2, 5, 2},
    {0.09952548995, 3, 5, 2},    {0.008548437825, 4, 2, 2},   {-0.06150555662, 4, 4, 2},
    {-0.04291792423, 3, 12, 3},  {-0.0181320729, 5, 8, 3},    {0.0344590476, 5, 10, 3},
    {-0.00238591945, 8, 10, 3},  {-0.01159094939, 2, 10, 4},  {0.06641693602, 3, 14, 4},
    {-0.0237154959, 4, 12, 4},   {-0.03961624905, 4, 18, 4},  {-0.01387292044, 4, 22, 4},
    {0.03389489599, 5, 18, 4},   {-0.002927378753, 6, 14, 4},
};

// Terms 37 to 40: n delta^d tau^t exp(-alpha (delta - epsilon)^2 - beta (tau - gamma)^2).
inline constexpr GaussianTerm kGaussian[] = {
    {9.324799946e-05, 2, 2, 20, 200, 1.07, 1},
    {-6.287171518, 0, 0, 40, 250, 1.11, 1},
    {12.71069467, 0, 1, 40, 250, 1.11, 1},
    {-6.423953466, 0, 2, 40, 250, 1.11, 1},
};

inline constexpr std::size_t kPolyCount = std::size(kPolynomial);
inline constexpr std::size_t kExpCount = std::size(kExponential);
inline constexpr std::size_t kGaussCount = std::size(kGaussian);
static_assert(kPolyCount + kExpCount + kGaussCount == 40);

// Which derivatives a sum forms; the others are left at 0.
enum ResidualPart : unsigned {
  kPhi = 1u << 0,
  kDelta = 1u << 1,
  kDeltaDelta = 1u << 2,
  kTau = 1u << 3,
  kTauTau = 1u << 4,
  kDeltaTau = 1u << 5,
  kAllParts = (1u << 6) - 1,
};

namespace residual {

constexpr bool IsWhole(double x) { return x == static_cast<double>(static_cast<int>(x)); }
constexpr bool IsWholeOrHalf(double x) { return IsWhole(2 * x); }

constexpr int kMaxDelta = 10;   // largest d; every c is below it
constexpr int kMaxTau = 22;     // largest whole part of t
constexpr int kMaxC = 4;

constexpr bool ExponentsFitTables() {
  for (const auto& term : kPolynomial)
    if (!IsWhole(term.d) || term.d < 0 || term.d > kMaxDelta || !IsWholeOrHalf(term.t) ||
        term.t < -0.5 || term.t > kMaxTau)
      return false;
  for (const auto& term : kExponential)
    if (!IsWhole(term.d) || term.d < 0 || term.d > kMaxDelta || !IsWhole(term.t) || term.t < 0 ||
        term.t > kMaxTau || !IsWhole(term.c) || term.c < 1 || term.c > kMaxC)
      return false;
  for (const auto& term : kGaussian)
    if (!IsWhole(term.d) || term.d < 0 || term.d > kMaxDelta || !IsWhole(term.t) || term.t < 0 ||
        term.t > kMaxTau)
      return false;
  return true;
}
static_assert(ExponentsFitTables(), "an exponent outside the power tables");

// Gaussian terms with the same alpha, beta, gamma and epsilon share their bell: the index of the
// first term with those parameters.
constexpr std::size_t BellOwner(std::size_t i) {
  for (std::size_t j = 0; j < i; ++j)
    if (kGaussian[j].alpha == kGaussian[i].alpha && kGaussian[j].beta == kGaussian[i].beta &&
        kGaussian[j].gamma == kGaussian[i].gamma && kGaussian[j].epsilon == kGaussian[i].epsilon)
      return j;
  return i;
}

// Each term belongs to one group: the polynomial terms to one of two halves (which keeps the
// chains of dependent additions short), an exponential term to its c, a Gaussian term to its bell.
constexpr int GroupOf(const PolynomialTerm&, std::size_t i) { return static_cast<int>(2 * i / kPolyCount); }
constexpr int GroupOf(const ExponentialTerm& term, std::size_t) { return static_cast<int>(term.c); }
constexpr int GroupOf(const GaussianTerm&, std::size_t i) { return static_cast<int>(BellOwner(i)); }

struct Powers {
  double delta[kMaxDelta + 1];
  double tau[kMaxTau + 1];
  double sqrtTau;
};

// Integer powers by a product tree, so that none is more than a few roundings away. Unrolled, so
// that the powers stay in registers and those no term uses are never formed.
template <std::size_t N>
inline void FillPowers(double (&table)[N], double x) {
  table[0] = 1;
  table[1] = x;
  [&]<std::size_t... K>(std::index_sequence<K...>) {
    ((table[K + 2] = table[(K + 2) / 2] * table[(K + 2) - (K + 2) / 2]), ...);
  }(std::make_index_sequence<N - 2>{});
}

// tau^t for a whole or half-integer t, given as 2t so that it can be a template argument.
template <int TwiceT>
inline double TauPower(const Powers& p) {
  if constexpr (TwiceT % 2 == 0) {
    return p.tau[TwiceT / 2];
  } else if constexpr (TwiceT < 0) {
    return p.sqrtTau / p.tau[1];   // tau^-0.5
  } else {
    return p.tau[(TwiceT - 1) / 2] * p.sqrtTau;
  }
}

// The group sums that the wanted parts need.
template <unsigned Parts>
struct Needs {
  static constexpr bool sd = Parts & (kDelta | kDeltaDelta | kDeltaTau);
  static constexpr bool sdd = Parts & kDeltaDelta;
  static constexpr bool st = Parts & (kTau | kTauTau | kDeltaTau);
  static constexpr bool stt = Parts & kTauTau;
  static constexpr bool sdt = Parts & kDeltaTau;
};

// Sums over the terms n delta^d tau^t of one group, each weighted by the reduced derivatives of
// its own powers: delta d/ddelta gives d, delta^2 d2/ddelta2 gives d(d - 1), likewise in tau.
struct GroupSums {
  double s0 = 0, sd = 0, sdd = 0, st = 0, stt = 0, sdt = 0;
};

// One term of a table, named by its index so that its coefficient and exponents are constants
// (doubles as template arguments would shut out Clang).
template <unsigned Parts, const auto& Table, std::size_t I>
inline void AddTerm(GroupSums& g, const Powers& p) {
  using need = Needs<Parts>;
  constexpr double n = Table[I].n, d = Table[I].d, t = Table[I].t;
  const double v = n * p.delta[static_cast<int>(d)] * TauPower<static_cast<int>(2 * t)>(p);
  g.s0 += v;
  // Weights that are 0 or 1 at compile time cost nothing.
  if constexpr (need::sd && d == 1) g.sd += v;
  else if constexpr (need::sd && d != 0) g.sd += d * v;
  if constexpr (need::sdd && d * (d - 1) != 0) g.sdd += d * (d - 1) * v;
  if constexpr (need::st && t == 1) g.st += v;
  else if constexpr (need::st && t != 0) g.st += t * v;
  if constexpr (need::stt && t * (t - 1) != 0) g.stt += t * (t - 1) * v;
  if constexpr (need::sdt && d * t == 1) g.sdt += v;
  else if constexpr (need::sdt && d * t != 0) g.sdt += d * t * v;
}

template <unsigned Parts, const auto& Table, int Group, std::size_t I>
inline void AddIfInGroup(GroupSums& g, const Powers& p) {
  if constexpr (GroupOf(Table[I], I) == Group) AddTerm<Parts, Table, I>(g, p);
}

template <unsigned Parts, const auto& Table, int Group>
inline GroupSums SumGroup(const Powers& p) {
  GroupSums g;
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (AddIfInGroup<Parts, Table, Group, I>(g, p), ...);
  }(std::make_index_sequence<std::size(Table)>{});
  return g;
}

// The factor e(delta, tau) that a group shares, described by
//   delta e_delta / e = -u,  delta^2 e_deltadelta / e = u^2 - (k - 1) u - w,
//   tau e_tau / e = -y,      tau^2 e_tautau / e = y^2 - q.
// exp(-delta^c) has u = c delta^c, k = c; a bell has u = 2 alpha delta (delta - epsilon), k = 1,
// w = 2 alpha delta^2, y = 2 beta tau (tau - gamma), q = 2 beta tau^2.
struct SharedFactor {
  double e = 1, u = 0, k = 1, w = 0, y = 0, q = 0;
};

// By the product rule one term of the group contributes its value times
//   delta (.)_delta = d - u,   delta^2 (.)_deltadelta = d(d - 1) - u(2d - 1 + k - u) - w,
//   tau (.)_tau = t - y,       tau^2 (.)_tautau = t(t - 1) - y(2t - y) - q,
//   delta tau (.)_deltatau = (d - u)(t - y);
// summed over the group, expanded so that small u or y lose nothing to cancellation.
template <unsigned Parts>
inline void AddGroup(ResidualDerivatives& r, const GroupSums& g, const SharedFactor& f) {
  if constexpr (Parts & kPhi) r.phir += f.e * g.s0;
  if constexpr (Parts & kDelta) r.delta_phir_delta += f.e * (g.sd - f.u * g.s0);
  if constexpr (Parts & kDeltaDelta)
    r.delta2_phir_deltadelta += f.e * (g.sdd - f.u * (2 * g.sd + (f.k - 1 - f.u) * g.s0) - f.w * g.s0);
  if constexpr (Parts & kTau) r.tau_phir_tau += f.e * (g.st - f.y * g.s0);
  if constexpr (Parts & kTauTau) r.tau2_phir_tautau += f.e * (g.stt - f.y * (2 * g.st - f.y * g.s0) - f.q * g.s0);
  if constexpr (Parts & kDeltaTau)
    r.deltatau_phir_deltatau += f.e * (g.sdt - f.y * g.sd - f.u * g.st + f.u * f.y * g.s0);
}

}  // namespace residual

// The wanted parts of the residual derivatives at tau > 0, delta > 0, others left at 0. Results
// are not checked for overflow.
template <unsigned Parts>
inline ResidualDerivatives ResidualSum(double tau, double delta) {
  using namespace residual;
  Powers p;
  FillPowers(p.delta, delta);
  FillPowers(p.tau, tau);
  p.sqrtTau = std::sqrt(tau);

  // The shared factors first: every call of a library function spills whatever is live.
  SharedFactor exponential[kMaxC + 1];
  for (int c = 1; c <= kMaxC; ++c) {
    const double deltaC = p.delta[c];
    exponential[c] = {std::exp(-deltaC), c * deltaC, static_cast<double>(c), 0, 0, 0};
  }
  SharedFactor bell[kGaussCount];
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (..., [&] {
      if constexpr (BellOwner(I) == I) {
        constexpr GaussianTerm term = kGaussian[I];
        const double dd = delta - term.epsilon;
        const double dt = tau - term.gamma;
        bell[I] = {std::exp(-term.alpha * dd * dd - term.beta * dt * dt),
                   2 * term.alpha * delta * dd,
                   1,
                   2 * term.alpha * delta * delta,
                   2 * term.beta * tau * dt,
                   2 * term.beta * tau * tau};
      }
    }());
  }(std::make_index_sequence<kGaussCount>{});

  ResidualDerivatives r;
  AddGroup<Parts>(r, SumGroup<Parts, kPolynomial, 0>(p), {});
  AddGroup<Parts>(r, SumGroup<Parts, kPolynomial, 1>(p), {});
  [&]<int... C>(std::integer_sequence<int, C...>) {
    (AddGroup<Parts>(r, SumGroup<Parts, kExponential, C + 1>(p), exponential[C + 1]), ...);
  }(std::make_integer_sequence<int, kMaxC>{});
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (..., [&] {
      if constexpr (BellOwner(I) == I)
        AddGroup<Parts>(r, SumGroup<Parts, kGaussian, static_cast<int>(I)>(p), bell[I]);
    }());
  }(std::make_index_sequence<kGaussCount>{});
  return r;
}

}  // namespace Globals::detail
