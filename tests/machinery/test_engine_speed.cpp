#include <gtest/gtest.h>

#include "machinery/core/engine_speed.h"
#include "shell/core/numbers.h"

using namespace hanhai::machinery;
using hanhai::shell::generalText;

TEST(EngineSpeed, PointsOnThePropellerCurveAndTheirChecks) {
    struct Case {
        PartLoadPoint point;
        const char *speed, *power, *load;  // general number texts; no speed: refused
        std::string_view message;
    };
    const Case cases[] = {
        {pointAtPower({10000, 100}, 8500), "94.726823718591", "8500", "85", ""},
        {pointAtLoad({10000, 100}, 85), "94.726823718591", "8500", "85", ""},
        {pointAtLoad({10000, 100}, 110), "103.228011545637", "11000", "110", ""},
        {pointAtPower({10000, 100}, 1), "4.64158883361278", "1", "0.01", ""},
        {pointAtPower({0, 100}, 8500), "", "", "", kRatingMessage},
        {pointAtPower({10000, -1}, 8500), "", "", "", kRatingMessage},
        {pointAtLoad({10000, 0}, 85), "", "", "", kRatedSpeedMessage},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.speed);
        EXPECT_EQ(c.point.message, c.message);
        ASSERT_EQ(c.point.ok(), *c.speed != '\0');
        if (!c.point.ok()) continue;
        EXPECT_EQ(generalText(*c.point.speed), c.speed);
        EXPECT_EQ(generalText(c.point.power), c.power);
        EXPECT_EQ(generalText(c.point.load), c.load);
    }
}
