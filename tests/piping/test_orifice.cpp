#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

#include "piping/core/orifice.h"
#include "shell/core/numbers.h"

using namespace hanhai::piping;
using hanhai::shell::fixedText;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const std::string kDefaultFormula =
    "啮合公式为：Y=2521.947-14839.583*X+33137.083*X^2-33041.667*X^3+12354.167*X^4+0.353*X^5";

std::string shown(std::optional<double> v) { return v ? fixedText(*v, 3) : "(none)"; }

}  // namespace

TEST(OrificeFit, BestUniformFitOfSixPoints) {
    EXPECT_EQ(fittedFormula(fitCurve(kBoreRatios, kLossCoefficients)), kDefaultFormula);
    // Points on a quartic give the quartic back, with no deviation; "+" only before positive terms.
    OrificeSeries quartic{};
    for (std::size_t i = 0; i < 6; ++i) quartic[i] = 1 - 2 * kBoreRatios[i] + std::pow(kBoreRatios[i], 4);
    EXPECT_EQ(fittedFormula(fitCurve(kBoreRatios, quartic)), "啮合公式为：Y=1.000-2.000*X0.000*X^20.000*X^3+1.000*X^40.000*X^5");
    // Two equal ratios divide by zero: no formula to show.
    EXPECT_EQ(fittedFormula(fitCurve({0.3, 0.3, 0.5, 0.6, 0.7, 0.8}, kLossCoefficients)), "");
}

TEST(OrificePressureLoss, WorkedExamplesAndMessages) {
    struct Case {
        double D, d, Q;
        OrificeSeries ratios;
        const char *xi, *P;
        bool formula, range, data;
    };
    const OrificeSeries negative{0.3, 0.4, 0.5, 0.6, 0.7, -0.8};
    const Case cases[] = {
        {100, 50, 50, kBoreRatios, "28.364", "4.521", true, false, false},
        {100, 10, 50, kBoreRatios, "1337.553", "213.190", true, false, false},  // below the first ratio
        {100, 80, 50, kBoreRatios, "1.063", "0.169", true, false, false},       // the sixth ratio itself
        {100, -1, 50, kBoreRatios, "(none)", "(none)", false, true, false},
        {100, 50, 0, kBoreRatios, "28.364", "0.000", false, false, true},
        {0, 50, 50, kBoreRatios, "2521.947", "0.000", false, false, true},  // X = 0 lies on the curve
        {0, 50, 50, negative, "(none)", "(none)", false, true, true},
        {kInf, kInf, 50, kBoreRatios, "(none)", "(none)", false, true, false},  // X is NaN
    };
    for (const Case &c : cases) {
        const PressureLoss r = orificePressureLoss({c.D, c.d, c.Q, c.ratios, kLossCoefficients});
        SCOPED_TRACE(testing::Message() << c.D << " " << c.d << " " << c.Q);
        EXPECT_EQ(shown(r.xi), c.xi);
        EXPECT_EQ(shown(r.P), c.P);
        EXPECT_EQ(r.formula, c.formula ? kDefaultFormula : "");
        EXPECT_EQ(r.rangeMessage, c.range ? "输入的节流孔径不符合本程序的要求   " : "");
        EXPECT_EQ(r.dataMessage, c.data ? "输入的已知数据有误  " : "");
    }
    EXPECT_EQ(fixedText(orificePressureLoss({100, 50, 50}).V, 4), "1.7684");
}

TEST(OrificeBore, WorkedExampleAndUncheckedInputs) {
    // D, Q, P, then ξ and d as "0.000" shows them ("" when not a number)
    const std::tuple<double, double, double, const char *, const char *> cases[] = {
        {100, 50, 0.5, "3.137", "73.677"}, {250, 300, 2, "13.615", "141.487"}, {0, 50, 0.5, "0.000", "0.000"},
        {100, 0, 0.5, "", ""}, {1e308, 1e308, 1e308, "", ""}};
    for (const auto &[D, Q, P, xi, d] : cases) {
        const Bore b = orificeBore({D, Q, P});
        EXPECT_EQ(fixedText(b.xi, 3), xi) << D << " " << Q << " " << P;
        EXPECT_EQ(fixedText(b.d, 3), d) << D << " " << Q << " " << P;
    }
}

TEST(OrificeFit, HostileDataEndsAtOnce) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const OrificeSeries data[] = {{0, 0, 0, 0, 0, 0}, {0.8, 0.7, 0.6, 0.5, 0.4, 0.3}, {-1, 2, -3, 4, -5, 6},
                                  {1e308, -1e308, 1e308, -1e308, 1e308, -1e308}, {kInf, 1, 2, 3, 4, 5},
                                  {nan, nan, nan, nan, nan, nan}};
    for (const OrificeSeries &x : data)
        for (const OrificeSeries &y : data) {
            // Both directions return, and the formula never shows a coefficient that is no number.
            const std::string formula = orificePressureLoss({100, 50, 50, x, y}).formula;
            EXPECT_TRUE(formula.find("inf") == std::string::npos && formula.find("nan") == std::string::npos) << formula;
            orificeBore({100, 50, 0.5, x, y});
        }
}
