#include <gtest/gtest.h>

#include <cmath>

#include "shell/core/numbers.h"
#include "ventilation/core/cabin.h"

using namespace hanhai::ventilation;
using hanhai::shell::fixedText;

namespace {

struct Case {
    const char *name;
    CabinAir air;
    const char *Q, *perFan;  // as the screens show them, with two decimals
};

}  // namespace

TEST(CabinAir, FlowsAsTheScreensShowThem) {
    const Case cases[] = {
        {"box shared by two fans", regularCabinAir(5000, 4000, 2500, 6, 2), "300.00", "150.00"},
        {"floor area, one fan", irregularCabinAir(20000000, 2500, 6, 1), "300.00", "300.00"},
        {"odd box, four fans", regularCabinAir(3150, 2480, 2350, 6, 4), "110.15", "27.54"},
        {"every factor counts", regularCabinAir(1000, 2000, 3000, 10, 3), "60.00", "20.00"},
        {"area times height times changes", irregularCabinAir(7500000, 2200, 8, 3), "132.00", "44.00"},
        {"empty dimensions", regularCabinAir(0, 0, 0, 6, 1), "0.00", "0.00"},
        {"negative height", irregularCabinAir(1000000, -3000, 6, 2), "-18.00", "-9.00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fixedText(c.air.Q, 2), c.Q);
        EXPECT_EQ(fixedText(c.air.perFan, 2), c.perFan);
    }
}

TEST(CabinAir, NoFansOrHugeCabinsGiveNonFiniteFlowsOnly) {
    const CabinAir noFans = regularCabinAir(5000, 4000, 2500, 6, 0);
    EXPECT_EQ(fixedText(noFans.Q, 2), "300.00");
    EXPECT_TRUE(std::isinf(noFans.perFan));
    EXPECT_TRUE(std::isnan(irregularCabinAir(0, 0, 6, 0).perFan));  // nothing shared by no one
    EXPECT_TRUE(std::isinf(irregularCabinAir(1e308, 1e308, 6, 1).Q));
}
