#include <gtest/gtest.h>

#include "geometry/core/volumes.h"
#include "geometry/core/weights.h"
#include "shell/core/numbers.h"

using namespace hanhai::geometry;
using namespace hanhai::shell;

namespace {
std::string kept(std::optional<double> v) { return v ? generalText(*v) : std::string(); }
}  // namespace

TEST(SolidWeights, WorkedExamples) {
    EXPECT_EQ(kept(cylinderWeight(100, 1000)), "61.65375583475");
    EXPECT_EQ(kept(tubeWeight(200, 100, 1000)), "184.96126750425");
    EXPECT_EQ(kept(frustumWeight(1000, 500, 1000)), "3596.46909036042");
    EXPECT_EQ(fixedText(kept(sphereWeight(100)), 3), "4.110");
    EXPECT_EQ(kept(capWeight(500, 200)), "649.419561459367");
}

TEST(SolidWeights, CylinderTotalsComeFromTheShownSingleWeight) {
    const std::string single = kept(cylinderWeight(100, 1000));
    auto two = weightTexts(single, Places::Two, 3);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->single, "61.65");
    EXPECT_EQ(two->total, "184.95");  // not 184.96
    auto unrounded = weightTexts(single, Places::Unrounded, 3);
    ASSERT_TRUE(unrounded);
    EXPECT_EQ(unrounded->total, "184.96126750425");
}

TEST(SolidWeights, OnlyTheFirstSizeIsChecked) {
    EXPECT_FALSE(cylinderWeight(0, 1000));
    EXPECT_FALSE(tubeWeight(0, 100, 1000));
    EXPECT_FALSE(frustumWeight(0, 500, 1000));
    EXPECT_FALSE(sphereWeight(0));
    EXPECT_FALSE(capWeight(0, 200));
    EXPECT_EQ(kept(cylinderWeight(100, 0)), "0");
    EXPECT_LT(*tubeWeight(100, 200, 1000), 0);  // bore larger than the outside: negative
}

TEST(SolidWeights, AreTheVolumesTimesTheDensityOfSteel) {
    for (double D : {50.0, 333.3, 1000.0}) {
        EXPECT_NEAR(*sphereWeight(D), *sphereVolume(D) * 7850, 1e-9 * *sphereWeight(D));
        EXPECT_NEAR(*cylinderWeight(D, 700), *cylinderVolume(D, 700) * 7850, 1e-9 * *cylinderWeight(D, 700));
        EXPECT_NEAR(*capWeight(D, 40), *capVolume(D, 40) * 7850, 1e-9 * *capWeight(D, 40));
    }
}
