#include "heating/core/insulation.h"

#include <array>
#include <cmath>

namespace hanhai::heating {

// ---------------------------------------------------------------------------------------------
// The grid of the diameter search.
//
// Within one binade [2^e, 2^(e+1)) every double is a whole multiple of the binade's ulp
// u = 2^(e−52). Adding 0.01 to such a multiple N·u gives the real number (N + 0.01/u)·u, and
// rounding to nearest lands on (N + q)·u with q = round(0.01/u) for as long as that stays in the
// binade: every sum inside a binade adds the same q ulps. (0.01/u never ends in exactly one
// half: the double 0.01 is an odd multiple of 2^−59, and u ≥ 2^−52 on the grid, so rounding has
// no ties to break.) The grid is thus a run of arithmetic sequences with whole-number steps,
// one per binade, joined by the single sum that crosses each power of two; those crossing sums
// are taken as the walk takes them. Seventeen binades cover 1 to 99999.

namespace insulation_grid {

namespace {

constexpr std::int64_t kMantissa = std::int64_t{1} << 52;  // 2^52: a binade's first value in ulps
constexpr std::int64_t kBinadeEnd = kMantissa << 1;        // 2^53: the next binade's start

struct Binade {
    std::int64_t first = 0;  // grid index of the binade's first value
    std::int64_t count = 0;  // grid values in the binade
    std::int64_t start = 0;  // the first value, in ulps (2^52 ≤ start < 2^53)
    std::int64_t step = 0;   // what each sum adds, in ulps
    int ulp = 0;             // the ulp is 2^ulp
};

struct Grid {
    std::array<Binade, 20> binades{};
    int size = 0;
    std::int64_t last = -1;  // index of the last value not above kLast
};

Grid makeGrid() {
    Grid grid;
    double D = kFirst;
    std::int64_t index = 0;
    while (D <= kLast) {
        Binade &b = grid.binades[grid.size++];
        b.first = index;
        b.ulp = std::ilogb(D) - 52;
        b.start = static_cast<std::int64_t>(std::ldexp(D, -b.ulp));  // exact: a whole number below 2^53
        b.step = std::llround(std::ldexp(kStep, -b.ulp));
        b.count = (kBinadeEnd - 1 - b.start) / b.step + 1;  // start + j·step < 2^53 for j < count
        const std::int64_t lastUlps = b.start + (b.count - 1) * b.step;
        const double top = std::ldexp(static_cast<double>(lastUlps), b.ulp);
        if (top > kLast && grid.last < 0) {  // the search ends in this binade
            const auto limit = static_cast<std::int64_t>(std::ldexp(kLast, -b.ulp));  // kLast in ulps, exact
            grid.last = index + (limit - b.start) / b.step;
        }
        index += b.count;
        D = top + kStep;  // the sum that crosses into the next binade, as the walk takes it
    }
    if (grid.last < 0) grid.last = index - 1;  // kLast was the very top of a binade
    return grid;
}

const Grid &grid() {
    static const Grid g = makeGrid();
    return g;
}

}  // namespace

std::int64_t lastIndex() { return grid().last; }

double diameter(std::int64_t i) {
    const Grid &g = grid();
    int k = 0;
    while (k + 1 < g.size && g.binades[k + 1].first <= i) ++k;
    const Binade &b = g.binades[k];
    const std::int64_t j = i - b.first;
    if (j < b.count) return std::ldexp(static_cast<double>(b.start + j * b.step), b.ulp);
    // Only the value after the very last one lies past every binade: one more sum.
    return std::ldexp(static_cast<double>(b.start + (b.count - 1) * b.step), b.ulp) + kStep;
}

}  // namespace insulation_grid

// ---------------------------------------------------------------------------------------------
// The search.
//
// On the grid, with r(D) = B − D·0.5·ln(D/D0), the walk stops at the first D > D0 with
// 0 ≤ r < 1. For D > D0 the left side D·0.5·ln(D/D0) is positive and grows (by at least 0.005
// a step), so r falls. Its computed value, though, carries rounding errors of a few units in
// the last place of B, of the left side and of D, and may wobble there; so each step is
// judged only by its own computed r, as the walk judges it, and a computed value is trusted
// to speak for other steps only when it clears the thresholds by a margin far beyond those
// errors:
//  - a step whose computed r ≥ 1 + margin has every earlier step's exact r above 1 + margin/2,
//    so their computed r are all at least 1: none of them stops the walk;
//  - a step whose computed r < −margin has every later step's computed r below 0.
// Bisection on "computed r < 1" finds a step next to the crossing; from the nearest earlier
// step that clears 1 + margin, the steps are walked one by one exactly as the walk does, until
// one stops it or one lies below −margin. The margin is about a thousand times the rounding error
// and narrower than one step's fall of r, so each walk takes a step or two.

namespace {

using insulation_grid::diameter;

struct Step {
    double r = 0;       // B − g
    double g = 0;       // D·0.5·ln(D/D0)
    double margin = 0;  // what r must clear to speak for other steps
};

Step evaluate(std::int64_t i, double B, double D0) {
    const double D = diameter(i);
    Step s;
    s.g = D * 0.5 * std::log(D / D0);
    s.r = B - s.g;
    s.margin = 1e-12 * (1 + std::fabs(B) + std::fabs(s.g) + insulation_grid::kLast);
    return s;
}

bool stops(const Step &s) { return s.r >= 0 && s.r < 1; }

}  // namespace

std::optional<std::int64_t> insulationSearch(double B, double D0) {
    const std::int64_t last = insulation_grid::lastIndex();

    // The first step above D0: the grid rises strictly.
    std::int64_t lo = 0, hi = last + 1;  // answer in [lo, hi]
    while (lo < hi) {
        const std::int64_t mid = lo + (hi - lo) / 2;
        if (diameter(mid) > D0) hi = mid;
        else lo = mid + 1;
    }
    const std::int64_t begin = lo;
    if (begin > last) return std::nullopt;

    // A step where the computed r falls below 1 (or the end of the grid).
    std::int64_t below = begin - 1, above = last + 1;  // r ≥ 1 at `below`, r < 1 at `above`
    while (above - below > 1) {
        const std::int64_t mid = below + (above - below) / 2;
        if (evaluate(mid, B, D0).r < 1) above = mid;
        else below = mid;
    }

    // Back to a step that vouches for every step before it.
    std::int64_t i = above - 1;
    for (; i >= begin; --i) {
        const Step s = evaluate(i, B, D0);
        if (s.r >= 1 + s.margin) break;
    }

    // Forward as the walk goes, until a step stops it or vouches that none later will.
    for (++i; i <= last; ++i) {
        const Step s = evaluate(i, B, D0);
        if (stops(s)) return i;
        if (!std::isfinite(s.g)) return std::nullopt;  // D/D0 overflowed: r is −∞ from here on
        if (s.r < -s.margin) return std::nullopt;
    }
    return std::nullopt;
}

PipeInsulation pipeInsulation(const PipeInsulationInputs &in) {
    PipeInsulation result;
    if (in.tis == in.ta) {
        result.message = kSameTemperatureMessage;
        return result;
    }
    if (in.ta > 45) {  // a negative ambient temperature is accepted
        result.message = kAmbientMessage;
        return result;
    }
    result.B = (in.tp - in.ta) * in.kis / ((in.tis - in.ta) * in.his) * 1000;
    if (!(in.D0 > 0)) {
        result.message = kPipeDiameterMessage;
        return result;
    }
    if (!std::isfinite(result.B)) {
        result.invalid = true;
        return result;
    }
    // Below 0 (the medium colder than the air) or beyond the grid, B has no diameter.
    const std::optional<std::int64_t> found = insulationSearch(result.B, in.D0);
    if (!found) {
        result.message = kNoThicknessMessage;
        return result;
    }
    const double D = insulation_grid::diameter(*found);
    result.Dis = D;
    result.thickness = (D - in.D0) * 0.5;
    return result;
}

// ---------------------------------------------------------------------------------------------
// Tank insulation.

double tankWallResistance(double delta) { return delta / 45 + 0.6265; }

double tankSurfaceTemperature(const TankInsulationInputs &in) {
    const double X = tankWallResistance(in.delta);
    return (in.t1 / X + in.alpha * in.tw) / (1 / X + in.alpha);
}

}  // namespace hanhai::heating
