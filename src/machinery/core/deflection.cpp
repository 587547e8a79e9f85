#include "machinery/core/deflection.h"

#include "shell/core/units.h"

namespace hanhai::machinery {

namespace {

// A quarter of the steel density: d²·π·1.9625 is the mass per metre (g/m) of a wire d mm thick.
constexpr double kQuarterDensity = shell::kSteelDensity / 4;  // 1.9625
// The weight's share of the tension, as the sag formula has it (not 2).
constexpr double kTensionFactor = 1.98;

static_assert(kQuarterDensity == 1.9625, "a quarter of 7.85 is exactly the double 1.9625");

}  // namespace

std::optional<double> wireDeflection(const StretchedWire &wire, double x) {
    const double b = wire.diameter * wire.diameter * shell::kPi * kQuarterDensity;
    if (!(wire.weight * kTensionFactor > 0)) return std::nullopt;
    return (wire.span - x) * x * b / (kTensionFactor * wire.weight);
}

}  // namespace hanhai::machinery
