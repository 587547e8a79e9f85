#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "heating/core/insulation.h"
#include "shell/core/numbers.h"

using namespace hanhai::heating;
namespace grid = hanhai::heating::insulation_grid;
using hanhai::shell::fixedText;

namespace {

// The diameter search as written, step by step: D from 1 by repeated addition of 0.01 for as
// long as D does not exceed 99999, stopping at the first D above D0 where Int(B − g) = 0.
// Below D0 no step can stop it, so a walk may resume the sum where it stood at an earlier
// step not above D0: the sums are taken once, and every 2^16th of them is kept.
const std::vector<double> &resumePoints() {
    static const std::vector<double> points = [] {
        std::vector<double> kept;
        double D = 1;
        for (std::int64_t i = 0; D <= 99999; ++i, D = D + 0.01)
            if (i % 65536 == 0) kept.push_back(D);
        return kept;
    }();
    return points;
}

// Where the walk stopped; nothing when it ran off the grid.
std::optional<double> walk(double B, double D0) {
    double D = 1;
    for (double point : resumePoints())
        if (point <= D0) D = point;
    while (D <= 99999) {
        if (D > D0) {
            const double g = D * 0.5 * std::log(D / D0);
            const double r = B - g;
            if (std::floor(r) == 0) return D;
        }
        D = D + 0.01;
    }
    return {};
}

std::optional<double> fast(double B, double D0) {
    const std::optional<std::int64_t> i = insulationSearch(B, D0);
    if (!i) return std::nullopt;
    return grid::diameter(*i);
}

// Bit for bit, or both without a diameter.
void expectSame(double B, double D0) {
    const std::optional<double> w = walk(B, D0), f = fast(B, D0);
    ASSERT_EQ(w.has_value(), f.has_value()) << "B=" << B << " D0=" << D0;
    if (w) {
        ASSERT_EQ(*w, *f) << "B=" << B << " D0=" << D0;
    }
}

double leftSide(double D, double D0) { return D * 0.5 * std::log(D / D0); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// The grid.

TEST(InsulationGrid, EveryDiameterIsTheRepeatedSumBitForBit) {
    double D = 1;
    const std::int64_t last = grid::lastIndex();
    for (std::int64_t i = 0; i <= last + 1; ++i) {
        ASSERT_EQ(grid::diameter(i), D) << "step " << i;
        D = D + 0.01;
    }
    EXPECT_LE(grid::diameter(last), 99999.0);
    EXPECT_GT(grid::diameter(last + 1), 99999.0);
    EXPECT_NEAR(static_cast<double>(last), 9999800, 2);
}

// ---------------------------------------------------------------------------------------------
// The fast search against the step-by-step walk.

TEST(InsulationSearch, MatchesTheWalkOnRandomInputs) {
    std::mt19937_64 random(20240611);
    std::uniform_real_distribution<double> unit(0, 1);
    auto logUniform = [&](double lo, double hi) { return lo * std::pow(hi / lo, unit(random)); };
    for (int n = 0; n < 3000; ++n) {
        const double D0 = logUniform(0.5, 95000);
        const double Dis = D0 + 2 * logUniform(0.005, 1000);  // thickness up to a metre
        const double B = leftSide(Dis, D0) + (unit(random) * 3 - 1.5);
        expectSame(std::fabs(B), D0);  // a negative B walks the whole grid: a few cases below do
    }
}

// Right-hand sides on the edges of the stopping band, where rounding decides: B equal to the
// left side worked out at a grid point (r exactly 0 there), or one more (r about 1).
TEST(InsulationSearch, MatchesTheWalkWhereRoundingDecides) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int n = 0; n < 600; ++n) {
        const double D0 = std::exp(unit(random) * std::log(99000.0));
        const auto i = static_cast<std::int64_t>((D0 + 400 * unit(random) * unit(random) - 1) / 0.01) + 1;
        const double D = grid::diameter(i);
        if (!(D > D0)) continue;
        const double g = leftSide(D, D0);
        for (double B : {g, g + 1, std::nextafter(g, -1.0), std::nextafter(g + 1, 1e9), g + 0.5, g - 1e-13}) expectSame(B, D0);
    }
}

TEST(InsulationSearch, MatchesTheWalkAtTheEdgesOfTheGrid) {
    struct Case {
        double B, D0;
    };
    // D0 equal to a grid value: the next one is the first above it.
    const double onGrid = grid::diameter(10708);
    // D0 below the first step or tiny, B about 0, D0 next to the end; several find no diameter.
    const std::vector<Case> cases = {
        {0.5, onGrid},  {0, onGrid},  {1, onGrid},    {0.999999, onGrid}, {0.5, 0.999},      {50, 1e-5},
        {3e4, 1e-300},  {0.3, 1},     {1e-320, 108},  {-0.0, 108},        {2.0, 99998.5},    {0.5, 99998.995},
        {2e5, 30000},   {1e12, 500},  {-1, 108},
    };
    for (const Case &c : cases) expectSame(c.B, c.D0);
}

TEST(InsulationSearch, FindsNothingWhereNoDiameterQualifies) {
    EXPECT_FALSE(insulationSearch(-5, 108));      // the medium colder than the air
    EXPECT_FALSE(insulationSearch(1e7, 108));     // the root far beyond the grid
    EXPECT_FALSE(insulationSearch(1, 99999.5));   // no diameter above D0
    EXPECT_FALSE(insulationSearch(1e300, 108));
}

// ---------------------------------------------------------------------------------------------
// The pipe screen's computation.

// The messages and their order are seen on the screen; here the thicknesses and the right side.
TEST(PipeInsulation, Thicknesses) {
    struct Case {
        PipeInsulationInputs in;  // kis, his, tp, tis, ta, D0
        std::string shown;        // "0.00"
    };
    const Case cases[] = {
        {{0.074, 20, 200, 50, 45, 108}, "75.73"},  // the worked example
        {{0.074, 20, 200, 50, -10, 108}, "10.92"},
        {{0.074, 20, 150, 40, 20, 273}, "21.45"},
    };
    for (const Case &c : cases) {
        const PipeInsulation r = pipeInsulation(c.in);
        ASSERT_TRUE(r.ok()) << r.message;
        EXPECT_EQ(fixedText(*r.thickness, 2), c.shown) << "ta=" << c.in.ta << " D0=" << c.in.D0;
    }
    const PipeInsulation example = pipeInsulation(cases[0].in);
    EXPECT_NEAR(example.B, 114.7, 1e-12);
    EXPECT_NEAR(*example.Dis, 259.46, 1e-9);
    EXPECT_EQ(*example.Dis, grid::diameter(25846));  // the sum's own value, a little below 259.46
}

TEST(PipeInsulation, ARightSideWithoutAValueIsInvalid) {
    for (PipeInsulationInputs in : {PipeInsulationInputs{0.074, 0, 200, 50, 45, 108},   // his = 0
                                    PipeInsulationInputs{0, 0, 45, 50, 45, 108},        // 0/0
                                    PipeInsulationInputs{1e300, 1e-300, 1e300, 50, 45, 108}}) {
        const PipeInsulation r = pipeInsulation(in);
        EXPECT_TRUE(r.invalid);
        EXPECT_TRUE(r.message.empty());
        EXPECT_FALSE(r.thickness);
    }
}

// ---------------------------------------------------------------------------------------------
// The tank screen's computation.

TEST(TankInsulation, SurfaceTemperatures) {
    struct Case {
        TankInsulationInputs in;  // α, δ, t1, tw
        std::string shown;
    };
    const Case cases[] = {
        {{4.5, 50, 90, 20}, "27.94"},
        {{4.5, 0, 90, 20}, "38.33"},  // no rock wool: the other layers alone
        {{15, 100, 120, -10}, "-7.03"},
        {{0, 50, 90, 20}, "90.00"},   // no surface transfer: the oil's temperature
    };
    for (const Case &c : cases) EXPECT_EQ(fixedText(tankSurfaceTemperature(c.in), 2), c.shown) << "tw=" << c.in.tw;
    EXPECT_NEAR(tankWallResistance(50), 1.73761111111111, 1e-12);
}
