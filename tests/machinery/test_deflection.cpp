#include <gtest/gtest.h>

#include "machinery/core/deflection.h"
#include "shell/core/numbers.h"

using namespace hanhai::machinery;

TEST(WireDeflection, SagAlongTheSpan) {
    struct Case {
        StretchedWire wire;  // d, L, G
        double x;
        const char *sag;  // kept result; "none" when refused
    };
    const Case cases[] = {
        {{0.5, 10, 10}, 5, "1.94614128266256"},
        {{1, 8, 5}, 2, "7.47318252542424"},
        {{1, 8, 5}, 6, "7.47318252542424"},  // symmetric about mid-span
        {{1, 8, 5}, 8, "0"},                 // at the pulley
        {{0, 10, 10}, 5, "0"},
        {{1, 8, 0}, 2, "none"},
        {{1, 8, 1e-300}, 2, "3.73659126271212E+301"},  // a tiny weight still counts
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.sag);
        const std::optional<double> f = wireDeflection(c.wire, c.x);
        EXPECT_EQ(f ? hanhai::shell::generalText(*f) : "none", c.sag);
    }
}
