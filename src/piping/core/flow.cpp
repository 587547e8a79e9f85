#include "piping/core/flow.h"

#include "shell/core/units.h"

namespace hanhai::piping {

namespace {

using shell::kPi;

Conversion converted(double value) { return {value, {}}; }
Conversion refused(std::string_view message) { return {std::nullopt, std::string(message)}; }

// The bore's area term (d − 2t)²·π·3600, in the handbook's order of products.
double boreTerm(double d, double t) {
    const double bore = d - 2 * t;
    return bore * bore * kPi * 3600;
}

}  // namespace

Conversion pipeFlow(double V, double d, double t) {
    if (d == 0 || t == 0) return refused(kFlowInputMessage);
    return converted(boreTerm(d, t) * V / 4e6);
}

Conversion pipeVelocity(double Q, double d, double t) {
    if (d == 0 || t == 0) return refused(kFlowInputMessage);
    if (2 * t == d) return refused(kFlowThicknessMessage);
    return converted(Q * 4e6 / boreTerm(d, t));
}

double ductFlow(double V, double A, double B) { return A * B * V * 1e-6 * 3600; }

Conversion ductVelocity(double Q, double A, double B) {
    if (A == 0 || B == 0) return refused(kFlowInputMessage);
    return converted(Q * 1e6 / (A * 3600 * B));
}

}  // namespace hanhai::piping
