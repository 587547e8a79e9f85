#include <gtest/gtest.h>

#include "machinery/core/power_units.h"
#include "shell/core/numbers.h"

using namespace hanhai::machinery;
using hanhai::shell::generalText;

TEST(PowerUnits, EachWayByItsFactor) {
    EXPECT_EQ(generalText(convertPower(PowerConversion::KwToHp, 1000)), "1340.48257372654");
    EXPECT_EQ(generalText(convertPower(PowerConversion::KwToPs, 1000)), "1360.54421768707");
    EXPECT_EQ(generalText(convertPower(PowerConversion::HpToKw, 0.5)), "0.373");
    EXPECT_EQ(generalText(convertPower(PowerConversion::PsToKw, -1000)), "-735");
    // 1 hp in PS, as the note on the screen has it
    EXPECT_NEAR(convertPower(PowerConversion::KwToPs, convertPower(PowerConversion::HpToKw, 1)), 1.014966, 1e-6);
}
