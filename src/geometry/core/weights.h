// Steel weights of simple solids, in kilograms from dimensions in millimetres: each volume
// as its volume calculator computes it, times the density of steel, 7.85 × 10³ kg/m³. Each
// returns nothing when its first size is zero.
#pragma once

#include <optional>

namespace hanhai::geometry {

std::optional<double> cylinderWeight(double D, double H);
std::optional<double> tubeWeight(double D, double d, double H);
std::optional<double> frustumWeight(double D, double d, double H);
std::optional<double> sphereWeight(double D);
std::optional<double> capWeight(double A, double H);

}  // namespace hanhai::geometry
