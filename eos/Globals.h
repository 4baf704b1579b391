#pragma once

// Methane by the Setzmann-Wagner (1991) equation of state: the reduced Helmholtz energy and the
// properties built on it, the secant inversions of the pressure, the auxiliary saturation
// equations, the liquid-minus-vapour fugacity difference, and the state that the calculator
// windows share.
//
// Units throughout: T in K, P in MPa, V (molar volume) in cm3/mol, energies in J/mol, entropy and
// heat capacities in J/(mol K), speed of sound in m/s, Joule-Thomson coefficient in K/MPa.
// Every function returns 0 for an argument outside its domain and for an iteration that does not
// find a root (Setzmann_Fugacity returns the pressure passed in for an invalid state); none
// returns NaN or infinity.

#include <array>
#include <cstddef>
#include <cstdint>

#include "eos/BackgroundTask.h"

namespace Globals {

// ---- Physical constants -------------------------------------------------------------------
// The critical and triple points, the molar mass and the gas constant are those that Setzmann
// and Wagner fitted the equation with (J. Phys. Chem. Ref. Data 20, 1061-1155, 1991); with any
// other values the equation no longer gives its published properties.
inline constexpr double CritTempKelvin = 190.564;                // tau = CritTempKelvin / T
inline constexpr double CritMolarVol = 98.62781261527111;        // delta = CritMolarVol / V; M / rho_c
inline constexpr double CritDensity = 162.66;                    // kg/m3
inline constexpr double CritPresMPa = 4.5992;                    // of the vapour-pressure equation
inline constexpr double TripleTempKelvin = 90.6941;
inline constexpr double TriplePresMPa = 0.011696;
inline constexpr double MolarMassGmol = 16.0428;
inline constexpr double DensKgM3Factor = 16042.8;                // density in kg/m3 = 16042.8 / V
// The CODATA 1986 value, which the equation was fitted with (not today's 8.314462618).
inline constexpr double GasConstR = 8.31451;                     // J/(mol K) = MPa cm3/(mol K)
inline constexpr double CelsiusOffset = 273.15;

// The state at which the energy windows anchor their standard-state shift (0.1 MPa there).
inline constexpr double RefTempKelvin = 298.15;
inline constexpr double RefPresMPa = 0.1;
inline constexpr double RefMolarVol = 24746.829202845736;
inline constexpr double RefEnthalpyJmol = -74810.0;              // tabulated at 25 C and 1 bar
inline constexpr double RefEntropyJmolK = 186.26;

// ---- Limits and start values used by the calculator windows --------------------------------
// The critical pressure as the windows state, test and show it: their limits text reads
// "4.5922 MPa (45.922 bar)", and their pressure limits, critical-point display and choice of
// start value go with that text. It is CritPresMPa with two digits swapped; the vapour-pressure
// equation keeps the published 4.5992, which its coefficients were fitted with.
inline constexpr double WinCritPresMPa = 4.5922;
inline constexpr double MinMolarVol = 15.0;                      // cm3/mol
inline constexpr double MinTempKelvinPres = 85.0;
inline constexpr double MinTempKelvinPanel = 90.0;
inline constexpr double WinStartOffset = 1.0;                    // cm3/mol or K
inline constexpr double PanelStartOffset = 0.2;                  // cm3/mol
inline constexpr double EqStartFactor = 0.999;                   // second start pressure of an equality search
inline constexpr double EqTempStep = 0.01;                       // K, second start temperature of one

// ---- Secant inversions ----------------------------------------------------------------------
inline constexpr double SecantOffset = 0.1;                      // second start point above the caller's
inline constexpr double SolverDamping = 0.5;                     // every secant step is halved
inline constexpr double SolverTol = 1e-12;                       // relative step that counts as converged
inline constexpr double SolverDiverge = 1e300;                   // a larger step gives up
inline constexpr int32_t SolverMaxIt = 1000;                     // counter bound; it advances 2 per step
// Where an iteration stops, the residual must be consistent with a root: at most this fraction of
// max(|target|, |x * secant slope of the last step|), i.e. the error it implies in x is below
// about 1e-9 relative. An iteration that stops on a flat residual therefore fails.
inline constexpr double RootResidualTol = 1e-9;

// ---- Fugacity and the liquid-vapour difference ----------------------------------------------
inline constexpr double FugLnCap = 227.0;                        // |ln phi| at or above it gives 0
inline constexpr int32_t SatSelVapour = 0;
inline constexpr int32_t SatSelLiquid = 1;
inline constexpr int32_t LVLiquidIndex = 0;
inline constexpr int32_t LVVapourIndex = 1;
inline constexpr double LVLiquidStartOffset = 1.0;               // cm3/mol below the saturated liquid
inline constexpr double LVVapourStartOffset = 10.0;              // cm3/mol above the saturated vapour
inline constexpr double LVVapourRetryStep = 2.0;                 // cm3/mol
inline constexpr int32_t LVRetryAccept = 10;                     // a phase needs fewer retries than this

// ---- Reduced Helmholtz energy phi = phi0 + phir, tau = Tc / T, delta = Vc / V ---------------
// Selectors of the residual part: 0 phir, 1 phir_tau, 2 phir_tautau, 3 phir_delta,
// 4 phir_deltadelta, 5 phir_deltatau; of the ideal part: 0 phi0, 1 phi0_tau, 2 phi0_tautau.
// Plain partial derivatives. Another selector, or tau or delta not above 0, gives 0.
double Setzmann_Residual(int32_t selector, double tau, double delta);
double Setzmann_Ideal(int32_t selector, double tau, double delta);

// All residual derivatives of one state from one pass over the 40 terms, each multiplied by the
// reduced variables it is taken in, which is how every property formula uses them.
struct ResidualDerivatives {
  double phir = 0;
  double delta_phir_delta = 0;              // delta * phir_delta
  double delta2_phir_deltadelta = 0;        // delta^2 * phir_deltadelta
  double tau_phir_tau = 0;                  // tau * phir_tau
  double tau2_phir_tautau = 0;              // tau^2 * phir_tautau
  double deltatau_phir_deltatau = 0;        // delta * tau * phir_deltatau
};
// Requires tau > 0 and delta > 0; results are not checked for overflow.
ResidualDerivatives Setzmann_ResidualAll(double tau, double delta);

struct IdealDerivatives {
  double phi0 = 0;
  double tau_phi0_tau = 0;                  // tau * phi0_tau
  double tau2_phi0_tautau = 0;              // tau^2 * phi0_tautau
};
// Requires tau > 0 and delta > 0. Without withValue, phi0 (the only part that needs logarithms)
// is left at 0.
IdealDerivatives Setzmann_IdealAll(double tau, double delta, bool withValue = true);

// ---- Properties at (T, V) -------------------------------------------------------------------
double Setzmann_Pressure(double T, double V);
double Setzmann_Fugacity(double T, double P, double V);  // coefficient from (T, V), scaled by the P given
double Setzmann_Helmholtz(double T, double V);
double Setzmann_Entropy(double T, double V);
double Setzmann_Energy(double T, double V);
double Setzmann_Enthalpy(double T, double V);
double Setzmann_Gibbs(double T, double V);
double Setzmann_Cv(double T, double V);
double Setzmann_Cp(double T, double V);
double Setzmann_Sound(double T, double V);
double Setzmann_JouleThomson(double T, double V);

// ---- Inversions of the pressure (damped secant from the caller's start value) ---------------
// Which root is reached depends on the start value alone; 0 when none is found.
double Setzmann_Volume(double T, double P, double V0);
double Setzmann_Temperature(double P, double V, double T0);

// ---- Auxiliary saturation equations ---------------------------------------------------------
double SaturationP(double T);                     // 0 below the triple point; continued above Tc
double SaturationV(int32_t selector, double T);   // SatSelVapour or SatSelLiquid; 0 outside Tt..Tc
// Below the vapour pressure at the triple point SaturationT gives a temperature below the triple
// point, which is no solution; for P not above 0 it gives 0.
double SaturationT(double P);
double SaturationTV(double V);                    // liquid branch up to CritMolarVol, vapour above

// Liquid fugacity minus vapour fugacity at (T, P). Writes the phase volumes and fugacities at
// LVLiquidIndex and LVVapourIndex of MolarVolumes and Fugacity (0 there for a rejected phase) and
// returns 0 if either phase is rejected; writes nothing when T or P is not above 0 (NaN
// included). At an infinite T or P no root is found, so both phases are rejected.
double Function_LV(double T, double P);

// ---- Module state ---------------------------------------------------------------------------
// The current temperature, pressure and molar volume shared by the windows; 0 means not set.
inline double TempKelvin = 0;
inline double PresMPa = 0;
inline double MolarVol = 0;

// A result array of seven doubles (indices 0 to 6) that exists between Init() and Exit().
// Indexing it while it does not exist, or outside 0..6, throws.
class ResultArray {
 public:
  static constexpr int32_t UpperBound = 6;

  void Init();    // creates the elements, all 0
  void Exit();    // releases them
  bool Exists() const { return exists_; }

  double& operator[](int32_t index);
  double operator[](int32_t index) const;

 private:
  std::size_t Checked(int32_t index) const;

  std::array<double, UpperBound + 1> values_{};
  bool exists_ = false;
};

inline ResultArray MolarVolumes;   // cm3/mol
inline ResultArray Fugacity;       // MPa

}  // namespace Globals
