// Volumes of simple solids, in cubic metres from dimensions in millimetres. Each returns
// nothing when its first size is zero, the one size it checks.
#pragma once

#include <optional>

namespace hanhai::geometry {

std::optional<double> cylinderVolume(double D, double H);
std::optional<double> coneVolume(double D, double H);
std::optional<double> cuboidVolume(double a, double b, double c);
std::optional<double> tubeVolume(double D, double d, double H);
std::optional<double> torusVolume(double R, double r);
std::optional<double> sphereVolume(double D);
std::optional<double> frustumVolume(double D, double d, double H);
std::optional<double> capVolume(double A, double H);

}  // namespace hanhai::geometry
