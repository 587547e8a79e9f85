#include <gtest/gtest.h>

#include "geometry/core/volumes.h"
#include "shell/core/numbers.h"
#include "shell/core/units.h"

using namespace hanhai::geometry;
using hanhai::shell::generalText;

namespace {
std::string kept(std::optional<double> v) { return v ? generalText(*v) : std::string(); }
}  // namespace

TEST(Volumes, WorkedExamplesToFifteenDigits) {
    EXPECT_EQ(kept(cylinderVolume(100, 1000)), "0.007853981635");
    EXPECT_EQ(kept(coneVolume(1000, 1000)), "0.261799387833333");
    EXPECT_EQ(kept(cuboidVolume(1000, 2000, 3000)), "6");
    EXPECT_EQ(kept(tubeVolume(200, 100, 1000)), "0.023561944905");
    EXPECT_EQ(kept(torusVolume(1000, 800)), "0.177652879266002");
    EXPECT_EQ(kept(sphereVolume(1000)), "0.523598775666667");
    EXPECT_EQ(kept(frustumVolume(1000, 500, 1000)), "0.458148928708333");
    EXPECT_EQ(kept(capVolume(1000, 500)), "0.850848010458333");
}

TEST(Volumes, OnlyTheFirstSizeIsChecked) {
    EXPECT_FALSE(cylinderVolume(0, 1000));
    EXPECT_FALSE(coneVolume(0, 5));
    EXPECT_FALSE(cuboidVolume(0, 1, 1));
    EXPECT_FALSE(tubeVolume(0, 1, 1));
    EXPECT_FALSE(torusVolume(0, 1));
    EXPECT_FALSE(sphereVolume(0));
    EXPECT_FALSE(frustumVolume(0, 1, 1));
    EXPECT_FALSE(capVolume(0, 1));

    EXPECT_EQ(kept(cylinderVolume(100, 0)), "0");
    EXPECT_EQ(kept(cuboidVolume(1000, 0, 3000)), "0");
    EXPECT_EQ(kept(capVolume(1000, 0)), "0");
}

TEST(Volumes, NegativeAndInvertedSizesPassThrough) {
    // an inner diameter larger than the outer gives a negative tube volume
    EXPECT_LT(*tubeVolume(100, 200, 1000), 0);
    EXPECT_EQ(kept(tubeVolume(100, 200, 1000)), "-0.023561944905");
    EXPECT_LT(*cuboidVolume(1000, -2000, 3000), 0);
    EXPECT_GT(*frustumVolume(500, 1000, 1000), 0);  // small and large swapped: same solid
    EXPECT_EQ(kept(frustumVolume(500, 1000, 1000)), "0.458148928708333");
}

TEST(Volumes, FormulasMatchTheTextbookShapes) {
    const double pi = hanhai::shell::kPi;
    EXPECT_NEAR(*torusVolume(1000, 800), pi * pi / 4 * 1800 * 200 * 200 * 1e-9, 1e-15);
    EXPECT_NEAR(*capVolume(1000, 500), pi * 500 * (3e6 + 250000) / 6 * 1e-9, 1e-15);
    EXPECT_NEAR(*sphereVolume(1000), 4.0 / 3.0 * pi * 500.0 * 500 * 500 * 1e-9, 1e-15);
}
