// Weights of flat parts cut from steel plate, in kilograms from millimetres:
// m = 10⁻⁹ × V × 7.85 × 10³ with V the part's volume in mm³.
#pragma once

#include <optional>

namespace hanhai::steel {

// A rectangular plate a × b × c; a, b and c must not be zero (negative values pass).
std::optional<double> plainPlateWeight(double a, double b, double c);

// A web plate: long left edge H1, top edge a, a sloping edge down to the short right edge H2,
// bottom edge b, quarter-circle cut-outs R1 (top left) and R2 (bottom left), thickness t.
struct WebPlateWeight {
    enum class Fault {
        None,
        Range,           // a, b, H1 not positive, or H2, R1, R2 negative
        TopNotShorter,   // a ≥ b
        LongNotTaller,   // H1 ≤ H2
    };
    std::optional<double> weight;
    Fault fault = Fault::None;
};
WebPlateWeight webPlateWeight(double a, double b, double H1, double H2, double t, double R1, double R2);

// A right triangle with legs a and b, a quarter-circle cut-out R at the right angle, thickness t;
// a and b must not be zero.
std::optional<double> trianglePlateWeight(double a, double b, double t, double R);

// A closed rectangular duct of outer width W and height H, wall t, length L;
// needs W, H, t > 0 and t ≤ W, t ≤ H.
std::optional<double> ductWeight(double W, double H, double t, double L);

}  // namespace hanhai::steel
