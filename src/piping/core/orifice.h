// The orifice plate in a pipe: the local pressure loss a bore causes, or the bore that causes a
// given loss, both read off a curve fitted through six experimental points of the loss
// coefficient ξ against the bore ratio d/D.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace hanhai::piping {

// Six experimental points, one value each.
using OrificeSeries = std::array<double, 6>;

// The experimental data the screen opens with: bore ratio d/D and loss coefficient ξ.
inline constexpr OrificeSeries kBoreRatios{0.3, 0.4, 0.5, 0.6, 0.7, 0.8};
inline constexpr OrificeSeries kLossCoefficients{260, 90, 28, 12, 4, 1.3};

inline constexpr std::string_view kBoreOutOfRangeMessage = "输入的节流孔径不符合本程序的要求   ";
inline constexpr std::string_view kDataWrongMessage = "输入的已知数据有误  ";

// The curve through six points: a0 to a4 are the coefficients of the degree-4 polynomial
// p(X) = a0 + a1·X + a2·X² + a3·X³ + a4·X⁴ that misses every point by the same amount with
// alternating sign (the best uniform fit on these points); a5 is that amount.
struct CurveFit {
    std::array<double, 6> a{};
};

// The exchange method for the best uniform fit, with the six points as its reference set, so
// it never needs to exchange: a fixed number of steps whatever the numbers. Two equal x make a
// divided difference divide by zero and the coefficients come out infinite or NaN.
CurveFit fitCurve(const OrificeSeries &x, const OrificeSeries &y);

// The fitted formula as the screen shows it: 啮合公式为：Y=a0+a1*X+a2*X^2 ... +a5*X^5, each
// coefficient with three decimals and a "+" before a1 to a5 when that text is above zero.
// Empty when a coefficient is not a finite number.
std::string fittedFormula(const CurveFit &fit);

// Pipe velocity in m/s of a flow Q (m³/h) in a pipe of inside diameter D (mm).
double pipeVelocity(double Q, double D);

struct PressureLossInputs {
    double D = 0;  // pipe inside diameter, mm
    double d = 0;  // orifice bore, mm
    double Q = 0;  // flow, m³/h
    OrificeSeries ratios = kBoreRatios;
    OrificeSeries coefficients = kLossCoefficients;
};

// One click of the pressure-loss button, in the order its effects reach the screen:
// 1. P (when given) is written into the P field;
// 2. the formula (when not empty) becomes the formula label's caption;
// 3. the range message (when not empty) is shown, then the P field becomes a single blank;
// 4. the data message (when not empty): the P field becomes a single blank, then it is shown.
struct PressureLoss {
    double X = 0;  // d/D; 0 when D is 0
    double V = 0;  // pipe velocity, m/s; 0 when D is 0
    std::optional<double> xi;  // ξ read off the curve, when X lies on it
    std::optional<double> P;   // local pressure loss, metres of water column
    std::string formula;
    std::string rangeMessage;
    std::string dataMessage;
};

// The bore ratio must lie between 0 and the sixth ratio (not the first: smaller ratios
// extrapolate the curve), and Q and D must not be 0. ξ = p(X) + a5·X⁵, P = ξ·V²/19.62.
PressureLoss orificePressureLoss(const PressureLossInputs &in);

struct BoreInputs {
    double D = 0;  // pipe inside diameter, mm
    double Q = 0;  // flow, m³/h
    double P = 0;  // local pressure loss, mWC
    OrificeSeries ratios = kBoreRatios;
    OrificeSeries coefficients = kLossCoefficients;
};

struct Bore {
    double xi = 0;  // the coefficient the loss needs; 0 when D is 0
    double r = 0;   // d/D read off the inverse curve
    double d = 0;   // orifice bore, mm
};

// The inverse curve (ratio against coefficient) at ξ = 9.81·2P/V²; nothing is checked, so
// Q = 0 with D ≠ 0 gives a ξ and a bore that are not finite numbers.
Bore orificeBore(const BoreInputs &in);

}  // namespace hanhai::piping
