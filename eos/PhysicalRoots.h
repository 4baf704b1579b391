#pragma once

// The pressure inversions reach whichever root of P(T, V) = P lies nearest their start, and the
// equation has roots that are no state of methane: volumes below its range, temperatures below
// the triple point, mechanically unstable states and states inside the two-phase region. A window
// that picks the start for the user shows only a root that passes IsPhysicalState, trying further
// starts where the first one leads elsewhere.

namespace Globals {

// A stable single-phase fluid state within the equation's range: V at or above MinMolarVol, T at
// or above TripleTempKelvin, pressure falling with molar volume at T, and, below the critical
// temperature, outside the two-phase region between the saturated volumes.
bool IsPhysicalState(double T, double V);

// The molar volume at (T, P) from V0 first, then from starts on the dense and on the gas side:
// the first root that is a physical state, or 0 when none is.
double PhysicalVolume(double T, double P, double V0);

// The temperature at (P, V) from T0 first, then from further starts: the first root that is a
// physical state, or 0 when none is.
double PhysicalTemperature(double P, double V, double T0);

}  // namespace Globals
