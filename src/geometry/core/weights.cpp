#include "geometry/core/weights.h"

#include "shell/core/units.h"

namespace hanhai::geometry {

using shell::kPi;

namespace {
constexpr double kMm3 = shell::kM3PerMm3;
constexpr double kSteel = shell::kSteelDensity;
constexpr double kTonne = shell::kKgPerTonne;
}  // namespace

// As with the volumes, the order of the operations fixes the last digits shown.

std::optional<double> cylinderWeight(double D, double H) {
    double R = D * 0.5;
    if (R == 0) return std::nullopt;
    return kTonne * (R * R * (kMm3 * kPi) * H * kSteel);
}

std::optional<double> tubeWeight(double D, double d, double H) {
    double R = D * 0.5, r = d * 0.5;
    if (R == 0) return std::nullopt;
    return kTonne * (kSteel * (kMm3 * (H * ((R - r) * ((R + r) * kPi)))));
}

std::optional<double> frustumWeight(double D, double d, double H) {
    double R = D * 0.5, r = d * 0.5;
    if (R == 0) return std::nullopt;
    return kTonne * (kSteel * (((R * R + r * R) + r * r) * (kMm3 * (H * kPi)) / 3));
}

std::optional<double> sphereWeight(double D) {
    if (D == 0) return std::nullopt;
    return kTonne * (D * D * D * (kMm3 * kPi) / 6 * kSteel);
}

std::optional<double> capWeight(double A, double H) {
    if (A == 0) return std::nullopt;
    return kTonne * (((kMm3 * kPi) * H) * (H * H + 3 * A * A) / 6 * kSteel);
}

}  // namespace hanhai::geometry
