// Constants every family shares: π as the calculators use it, the density of steel and the
// unit factors between what the screens take and what the formulas give.
#pragma once

namespace hanhai::shell {

// π as the calculators use it: the ten-digit value 3.141592654 (the desk calculator has its own).
inline constexpr double kPi = 3.141592654;

// Steel: 7.85 × 10³ kg/m³, written as the formulas use it (t/m³ times kg per tonne).
inline constexpr double kSteelDensity = 7.85;  // t/m³
inline constexpr double kKgPerTonne = 1e3;

inline constexpr double kM3PerMm3 = 1e-9;  // mm³ to m³

}  // namespace hanhai::shell
