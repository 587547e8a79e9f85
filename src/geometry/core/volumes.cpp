#include "geometry/core/volumes.h"

#include "shell/core/units.h"

namespace hanhai::geometry {

using shell::kPi;

namespace {
constexpr double kMm3 = shell::kM3PerMm3;
}

// The order of the operations is part of the result: it fixes the last digits shown.

std::optional<double> cylinderVolume(double D, double H) {
    double R = D * 0.5;
    if (R == 0) return std::nullopt;
    return R * R * (kMm3 * kPi) * H;
}

std::optional<double> coneVolume(double D, double H) {
    double R = D * 0.5;
    if (R == 0) return std::nullopt;
    return R * R * (kMm3 * kPi) * H / 3;
}

std::optional<double> cuboidVolume(double a, double b, double c) {
    if (a == 0) return std::nullopt;
    return ((a * b) * c) * kMm3;
}

std::optional<double> tubeVolume(double D, double d, double H) {
    double R = D * 0.5, r = d * 0.5;
    if (R == 0) return std::nullopt;
    return ((kPi * (R + r)) * (R - r)) * H * kMm3;
}

std::optional<double> torusVolume(double R, double r) {
    if (R == 0) return std::nullopt;
    return (R - r) * (R - r) * ((kPi * kPi * (R + r)) * 0.25) * kMm3;
}

std::optional<double> sphereVolume(double D) {
    if (D == 0) return std::nullopt;
    return D * D * D * (kMm3 * kPi) / 6;
}

std::optional<double> frustumVolume(double D, double d, double H) {
    double R = D * 0.5, r = d * 0.5;
    if (R == 0) return std::nullopt;
    return ((R * R + r * R) + r * r) * (kMm3 * (H * kPi)) / 3;
}

std::optional<double> capVolume(double A, double H) {
    if (A == 0) return std::nullopt;
    return ((kMm3 * kPi) * H) * (H * H + 3 * A * A) / 6;
}

}  // namespace hanhai::geometry
