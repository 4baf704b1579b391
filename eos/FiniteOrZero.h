#pragma once

#include <cmath>

namespace Globals {

// The failure value 0 in place of an infinity or a NaN: what the core returns, and what a
// window stores for "no value", is always a finite number.
inline double FiniteOrZero(double x) { return std::isfinite(x) ? x : 0.0; }

}  // namespace Globals
