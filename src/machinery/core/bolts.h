// The tightening torque of a metric screw thread from its nominal diameter, its pitch and the
// yield strength of the bolt material, and the reduced torque to use in practice.
#pragma once

#include <string>
#include <string_view>

namespace hanhai::machinery {

inline constexpr std::string_view kThreadDataMessage = "输入的螺纹数据有误";

struct BoltInputs {
    double d = 0;       // nominal diameter, mm
    double P = 0;       // pitch, mm
    double sigmaS = 0;  // yield strength of the bolt material, MPa
};

struct BoltTorque {
    double H = 0;   // height of the fundamental triangle, √3/2 · P, mm
    double d1 = 0;  // minor diameter, mm
    double d2 = 0;  // pitch diameter, mm
    double d3 = 0;  // root diameter of the bolt thread, mm
    double As = 0;  // tensile stress area, mm²
    double T = 0;   // tightening torque, N·m
    double use = 0; // the torque to use: 0.7 · T, N·m
    // Not empty when a zero diameter, pitch or yield strength leaves everything uncomputed.
    std::string message;
};

// Only zeros fail: a negative pitch or diameter is taken as it stands. Inputs large enough to
// overflow give torques that are not finite numbers.
BoltTorque boltTorque(const BoltInputs &in);

}  // namespace hanhai::machinery
