// Volume flow and mean velocity of a fluid in a circular pipe (by its outside diameter and wall
// thickness) and of air in a rectangular duct (by its two sides), each way round.
// Lengths in mm, velocities in m/s, flows in m³/h.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hanhai::piping {

// One conversion: its result, or the message that tells why there is none.
struct Conversion {
    std::optional<double> value;
    std::string message;  // empty when converted

    bool ok() const { return value.has_value(); }
};

inline constexpr std::string_view kFlowInputMessage = "输入值有错误 ";
inline constexpr std::string_view kFlowThicknessMessage = "输入值(管子厚度)有错误  ";

// Q = (d − 2t)²·π·3600·V / (4·10⁶). The diameter and the wall must not be 0; a wall thicker
// than half the diameter is taken as it stands (the bore is squared).
Conversion pipeFlow(double V, double d, double t);
// V = Q·4·10⁶ / ((d − 2t)²·π·3600). The diameter and the wall must not be 0, and the wall not
// half the diameter.
Conversion pipeVelocity(double Q, double d, double t);
// Q = A·B·V·10⁻⁶·3600, whatever the sides.
double ductFlow(double V, double A, double B);
// V = Q·10⁶ / (A·3600·B). Neither side may be 0.
Conversion ductVelocity(double Q, double A, double B);

}  // namespace hanhai::piping
