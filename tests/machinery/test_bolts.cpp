#include <gtest/gtest.h>

#include "machinery/core/bolts.h"

using namespace hanhai::machinery;

// The diameters of the basic metric profile, and the stress area the bolt tables list (mm²).
TEST(BoltTorque, ThreadProfileAndStressArea) {
    const struct {
        double d, P, As;
    } threads[] = {{10, 1.5, 58.0}, {12, 1.25, 92.1}, {16, 2, 157}, {20, 2.5, 245}, {24, 3, 353}, {36, 4, 817}};
    for (const auto &t : threads) {
        SCOPED_TRACE(t.d);
        const BoltTorque b = boltTorque({t.d, t.P, 640});
        EXPECT_NEAR(b.d2, t.d - 0.649519 * t.P, 1e-5);
        EXPECT_NEAR(b.d1, t.d - 1.082532 * t.P, 1e-5);
        EXPECT_NEAR(b.d3, t.d - 1.226869 * t.P, 1e-5);
        EXPECT_NEAR(b.As, t.As, t.As * 0.003);
        EXPECT_NEAR(b.use, 0.7 * b.T, 1e-12 * b.T);
    }
}
