#include "steel/core/plates.h"

#include "shell/core/units.h"

namespace hanhai::steel {

using shell::kPi;

namespace {
double massOf(double volumeMm3) { return shell::kM3PerMm3 * volumeMm3 * shell::kSteelDensity * shell::kKgPerTonne; }
}  // namespace

std::optional<double> plainPlateWeight(double a, double b, double c) {
    if (a == 0 || b == 0 || c == 0) return std::nullopt;
    return massOf(a * b * c);
}

WebPlateWeight webPlateWeight(double a, double b, double H1, double H2, double t, double R1, double R2) {
    using Fault = WebPlateWeight::Fault;
    if (!(a > 0 && b > 0 && H1 > 0 && H2 >= 0 && R1 >= 0 && R2 >= 0)) return {std::nullopt, Fault::Range};
    if (!(a < b)) return {std::nullopt, Fault::TopNotShorter};
    if (!(H1 > H2)) return {std::nullopt, Fault::LongNotTaller};
    double area = (H1 + H2) * 0.5 * (b - a) + a * H1 - kPi * 0.25 * (R2 * R2 + R1 * R1);
    return {massOf(area * t), Fault::None};
}

std::optional<double> trianglePlateWeight(double a, double b, double t, double R) {
    if (a == 0 || b == 0) return std::nullopt;
    double area = a * 0.5 * b - kPi * 0.25 * R * R;
    return massOf(area * t);
}

std::optional<double> ductWeight(double W, double H, double t, double L) {
    if (!(W > 0 && H > 0 && t > 0 && t <= W && t <= H)) return std::nullopt;
    double area = W * H - (W - 2 * t) * (H - 2 * t);
    return massOf(area * L);
}

}  // namespace hanhai::steel
