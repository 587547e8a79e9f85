#include <gtest/gtest.h>

#include <cmath>

#include "piping/core/expansion.h"
#include "shell/core/numbers.h"

using namespace hanhai::piping;
using hanhai::shell::fixedText;
using hanhai::shell::generalText;

TEST(PipeExpansion, ShownAsTheScreenShowsIt) {
    struct Case {
        double t2, t1, L;
        const char *dt, *kept, *one, *two, *three;
    };
    const Case cases[] = {
        {300, -20, 10, "320", "41.16224", "41.2", "41.16", "41.162"},
        {100, 20, 6, "80", "5.568384", "5.6", "5.57", "5.568"},
        {0, 0, 0, "0", "0", "0.0", "0.00", "0.000"},
        // t2 below t1: the square term stays positive
        {-20, 300, 10, "-320", "-30.38976", "-30.4", "-30.39", "-30.390"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kept);
        Expansion e = pipeExpansion(c.t2, c.t1, c.L);
        EXPECT_EQ(generalText(e.dt), c.dt);
        std::string kept = generalText(e.dL);
        EXPECT_EQ(kept, c.kept);
        EXPECT_EQ(fixedText(kept, 1), c.one);
        EXPECT_EQ(fixedText(kept, 2), c.two);
        EXPECT_EQ(fixedText(kept, 3), c.three);
    }
}

TEST(PipeExpansion, OverflowGivesNonFiniteValuesOnly) {
    EXPECT_TRUE(std::isinf(pipeExpansion(1e200, -1e200, 1).dL));
    EXPECT_TRUE(std::isnan(pipeExpansion(INFINITY, INFINITY, 1).dL));
    EXPECT_TRUE(std::isnan(pipeExpansion(NAN, 0, 1).dt));
}
