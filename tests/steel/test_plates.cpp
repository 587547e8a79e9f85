#include <gtest/gtest.h>

#include "shell/core/numbers.h"
#include "steel/core/plates.h"

using namespace hanhai::steel;
using namespace hanhai::shell;

namespace {
std::string kept(std::optional<double> v) { return v ? generalText(*v) : std::string(); }
std::pair<std::string, std::string> shown(std::optional<double> v, Places places, double n) {
    auto w = weightTexts(kept(v), places, n);
    return w ? std::pair{w->single, w->total} : std::pair<std::string, std::string>{};
}
using Fault = WebPlateWeight::Fault;
using Shown = std::pair<std::string, std::string>;
}  // namespace

TEST(PlainPlate, WorkedExamples) {
    EXPECT_EQ(shown(plainPlateWeight(1000, 1000, 10), Places::Two, 3), Shown("78.50", "235.50"));
    EXPECT_EQ(kept(plainPlateWeight(100, 100, 1.3)), "0.10205");
    EXPECT_EQ(shown(plainPlateWeight(100, 100, 1.3), Places::Two, 100), Shown("0.10", "10.00"));
    EXPECT_EQ(shown(plainPlateWeight(100, 100, 1.3), Places::Three, 100), Shown("0.102", "10.200"));
}

TEST(PlainPlate, OnlyZeroFails) {
    EXPECT_FALSE(plainPlateWeight(0, 1000, 10));
    EXPECT_FALSE(plainPlateWeight(1000, 0, 10));
    EXPECT_FALSE(plainPlateWeight(1000, 1000, 0));
    EXPECT_LT(*plainPlateWeight(-1000, 1000, 10), 0);
}

TEST(WebPlate, TrapezoidAndCutOuts) {
    auto w = webPlateWeight(200, 400, 300, 0, 12, 0, 0);
    EXPECT_EQ(w.fault, Fault::None);
    EXPECT_EQ(fixedText(kept(w.weight), 2), "8.48");
    // (a + b) / 2 × H1 when H2 = 0
    EXPECT_NEAR(*w.weight, (200.0 + 400) / 2 * 300 * 12 * 7.85e-6, 1e-12);
    // the corner cut-outs are quarter circles
    auto cut = webPlateWeight(200, 400, 300, 0, 12, 50, 30);
    EXPECT_NEAR(*w.weight - *cut.weight, 3.141592654 / 4 * (50 * 50 + 30 * 30) * 12 * 7.85e-6, 1e-12);
    EXPECT_EQ(kept(webPlateWeight(200, 400, 300, 100, 0, 0, 0).weight), "0");  // t is not tested
}

TEST(WebPlate, ChecksComeInOrder) {
    EXPECT_EQ(webPlateWeight(0, 400, 300, 0, 12, 0, 0).fault, Fault::Range);
    EXPECT_EQ(webPlateWeight(200, 400, 300, -1, 12, 0, 0).fault, Fault::Range);
    EXPECT_EQ(webPlateWeight(200, 400, 300, 0, 12, -5, 0).fault, Fault::Range);
    EXPECT_EQ(webPlateWeight(400, 400, 300, 0, 12, 0, 0).fault, Fault::TopNotShorter);
    EXPECT_EQ(webPlateWeight(500, 400, 100, 300, 12, 0, 0).fault, Fault::TopNotShorter);  // the first order check wins
    EXPECT_EQ(webPlateWeight(200, 400, 300, 300, 12, 0, 0).fault, Fault::LongNotTaller);
    for (auto f : {webPlateWeight(400, 400, 300, 0, 12, 0, 0), webPlateWeight(200, 400, 300, 300, 12, 0, 0)})
        EXPECT_FALSE(f.weight);
}

TEST(TrianglePlate, WorkedExampleAndChecks) {
    EXPECT_EQ(fixedText(kept(trianglePlateWeight(1000, 500, 8, 0)), 2), "15.70");
    EXPECT_FALSE(trianglePlateWeight(0, 500, 8, 0));
    EXPECT_FALSE(trianglePlateWeight(1000, 0, 8, 0));
    EXPECT_LT(*trianglePlateWeight(1000, 500, 8, 100), *trianglePlateWeight(1000, 500, 8, 0));
}

TEST(Duct, WorkedExampleAndChecks) {
    EXPECT_EQ(fixedText(kept(ductWeight(500, 300, 5, 2000)), 2), "124.03");
    EXPECT_TRUE(ductWeight(500, 300, 300, 2000));    // t = H passes
    EXPECT_TRUE(ductWeight(300, 500, 300, 2000));    // t = W passes
    EXPECT_FALSE(ductWeight(300, 500, 301, 2000));   // t > W
    EXPECT_FALSE(ductWeight(500, 300, 301, 2000));   // t > H
    EXPECT_FALSE(ductWeight(500, 300, 0, 2000));
    EXPECT_FALSE(ductWeight(-500, 300, 5, 2000));
    EXPECT_EQ(kept(ductWeight(500, 300, 5, 0)), "0");  // L is not tested
}
