#include "piping/core/orifice.h"

#include <algorithm>
#include <cmath>

#include "shell/core/numbers.h"
#include "shell/core/units.h"

namespace hanhai::piping {

namespace {

// ξ has no unit; twice the acceleration of gravity turns V²·ξ into metres of water column.
constexpr double kGravity = 9.81;
constexpr double kTwiceGravity = 19.62;

// m³/h in a bore of D mm: Q·4·10⁶/(D²·π·3600).
constexpr double kMm2PerM2 = 1e6;
constexpr double kSecondsPerHour = 3600;

}  // namespace

CurveFit fitCurve(const OrificeSeries &x, const OrificeSeries &y) {
    // Both callers ask for more terms than six points allow; the routine caps the count at one
    // less than the points (and at 19), so it is always five: a degree-4 polynomial through a
    // reference set of all six points.
    constexpr int n = static_cast<int>(OrificeSeries{}.size());
    constexpr int m = std::min(n - 1, 19);
    std::array<double, n> a = y;
    std::array<double, n> h{};
    for (int i = 0; i < n; ++i) h[i] = i % 2 == 0 ? -1.0 : 1.0;

    // Divided differences of the values and of the alternating signs, highest index first.
    for (int j = 1; j <= m; ++j) {
        int ii = m + 1;
        double y2 = a[ii - 1];
        double h2 = h[ii - 1];
        for (int i = j; i <= m; ++i) {
            const double dd = x[ii - 1] - x[m - i];
            const double y1 = a[m - i + j - 1];
            const double h1 = h[m - i + j - 1];
            a[ii - 1] = (y2 - y1) / dd;
            h[ii - 1] = (h2 - h1) / dd;
            ii = m - i + j;
            y2 = y1;
            h2 = h1;
        }
    }

    // The deviation that makes the highest difference vanish, added to every Newton coefficient.
    const double hh = -a[m] / h[m];
    for (int i = 0; i <= m; ++i) a[i] = a[i] + h[i] * hh;

    // Newton form to powers of X.
    for (int j = 1; j <= m - 1; ++j) {
        int ii = m - j;
        const double dd = x[ii - 1];
        double y2 = a[ii - 1];
        for (int k = m + 1 - j; k <= m; ++k) {
            const double y1 = a[k - 1];
            a[ii - 1] = y2 - dd * y1;
            y2 = y1;
            ii = k;
        }
    }

    CurveFit fit;
    fit.a = a;
    fit.a[m] = hh == 0 ? 0.0 : std::fabs(hh);
    return fit;
}

std::string fittedFormula(const CurveFit &fit) {
    for (double c : fit.a)
        if (!std::isfinite(c)) return {};
    static constexpr const char *kPowers[] = {"", "*X", "*X^2", "*X^3", "*X^4", "*X^5"};
    std::string formula = "啮合公式为：Y=";
    for (std::size_t k = 0; k < fit.a.size(); ++k) {
        const std::string c = shell::fixedText(fit.a[k], 3);
        if (k > 0 && shell::strictNumber(c).value_or(0.0) > 0) formula += '+';
        formula += c;
        formula += kPowers[k];
    }
    return formula;
}

double pipeVelocity(double Q, double D) {
    return Q * 4 * kMm2PerM2 / (std::pow(D, 2) * shell::kPi * kSecondsPerHour);
}

PressureLoss orificePressureLoss(const PressureLossInputs &in) {
    PressureLoss out;
    if (in.D != 0) {
        out.X = in.d / in.D;
        out.V = pipeVelocity(in.Q, in.D);
    }
    // A NaN ratio (infinite bore and diameter) fails the range test like any other.
    if (out.X >= 0 && out.X <= in.ratios[5]) {
        const CurveFit fit = fitCurve(in.ratios, in.coefficients);
        const auto &a = fit.a;
        const double X = out.X;
        // The deviation a5 stands as the fifth-power coefficient.
        const double xi = a[0] + a[1] * X + a[2] * std::pow(X, 2) + a[3] * std::pow(X, 3) + a[4] * std::pow(X, 4) +
                          a[5] * std::pow(X, 5);
        out.xi = xi;
        out.P = xi * std::pow(out.V, 2) / kTwiceGravity;
        if (in.Q != 0 && in.D != 0) out.formula = fittedFormula(fit);
    } else {
        out.rangeMessage = kBoreOutOfRangeMessage;
    }
    if (in.Q == 0 || in.D == 0) out.dataMessage = kDataWrongMessage;
    return out;
}

Bore orificeBore(const BoreInputs &in) {
    Bore out;
    if (in.D != 0) {
        const double V = pipeVelocity(in.Q, in.D);
        out.xi = kGravity * (2 * in.P) / std::pow(V, 2);
    }
    // The inverse curve: the coefficients are the abscissae. Its fifth-power term is a5·0·ξ⁵,
    // nothing at all, and is left out.
    const CurveFit fit = fitCurve(in.coefficients, in.ratios);
    const auto &a = fit.a;
    const double xi = out.xi;
    out.r = a[0] + a[1] * xi + a[2] * std::pow(xi, 2) + a[3] * std::pow(xi, 3) + a[4] * std::pow(xi, 4);
    out.d = in.D * out.r;
    return out;
}

}  // namespace hanhai::piping
