#include <gtest/gtest.h>

#include <cmath>

#include "piping/core/flow.h"
#include "shell/core/numbers.h"

using namespace hanhai::piping;

TEST(FlowConversion, ValuesAndChecksInTheirOrder) {
    struct Case {
        Conversion r;
        const char *kept;  // empty: refused with the message
        std::string_view message;
    };
    const Case cases[] = {
        {pipeFlow(2, 108, 4), "56.548667772", ""},
        {pipeVelocity(56.55, 108, 4), "2.000047117927", ""},
        {pipeFlow(1, 100, 60), "1.13097335544", ""},  // a wall thicker than half the diameter
        {pipeFlow(2, 100, 50), "0", ""},              // only flow to velocity tests the wall
        {pipeVelocity(2, 0, 0), "", kFlowInputMessage},  // before the wall's own check
        {pipeVelocity(2, -100, -50), "", kFlowThicknessMessage},
        {ductVelocity(2160, 400, 0), "", kFlowInputMessage},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.kept << c.message);
        EXPECT_EQ(c.r.value ? hanhai::shell::generalText(*c.r.value) : "", c.kept);
        EXPECT_EQ(c.r.message, c.message);
    }
    EXPECT_TRUE(std::isinf(*pipeVelocity(1, 1e-200, 1e-300).value));  // the screen reports it
}
