// Sag of a steel alignment wire fixed at one end and led over a pulley at the other, where a
// hanging weight tensions it.
#pragma once

#include <optional>

namespace hanhai::machinery {

struct StretchedWire {
    double diameter = 0;  // d, mm
    double span = 0;      // L, m: from the fixed end to the pulley
    double weight = 0;    // G, kg: the hanging weight
};

// The deflection f in mm at x metres from the fixed end:
// f = (L − x)·x·b / (1.98·G), with b = d²·π·1.9625 (b/1000 is the wire's mass per metre).
// Nothing when the weight is not above 0. A point beyond the span gives a negative sag.
std::optional<double> wireDeflection(const StretchedWire &wire, double x);

}  // namespace hanhai::machinery
