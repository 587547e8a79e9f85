#include <gtest/gtest.h>

#include <cmath>

#include "sections/core/sections.h"
#include "shell/core/numbers.h"

using namespace hanhai::sections;
using hanhai::shell::generalText;

namespace {

struct Case {
    const char *name;
    SectionProperties s;
    const char *W, *I;  // as the screens show them, unrounded; nullptr: refused with the message
};

void check(const Case &c) {
    SCOPED_TRACE(c.name);
    if (!c.W) {
        EXPECT_EQ(c.s.message, kSectionInputMessage);
        return;
    }
    ASSERT_TRUE(c.s.ok()) << c.s.message;
    EXPECT_EQ(generalText(c.s.W), c.W);
    EXPECT_EQ(generalText(c.s.I), c.I);
}

SectionProperties tee(double W1, double t1, double H, double B, double W2, double t2) {
    return tSectionProperties({W1, t1, H, B, W2, t2});
}

}  // namespace

TEST(TSection, ModulusAtTheFacePlateAndInertia) {
    const Case cases[] = {
        {"face plate, web and plating", tee(100, 10, 300, 8, 500, 10), "497.41935483871", "11014.2857142857"},
        {"flat bar with plating", tee(0, 0, 300, 8, 500, 10), "216.774193548387", "5448.64864864865"},
        {"face plate of no width", tee(0, 12, 300, 8, 500, 10), "216.774193548387", "5448.64864864865"},
        {"face plate wider than the plating", tee(200, 20, 300, 8, 100, 10), "1320", "19800"},
        {"odd sizes", tee(150, 12, 250, 10, 600, 8), "605.81955922865", "10069.2536630037"},
        // equal flanges: symmetric, so W is I over half the depth
        {"equal flanges", tee(100, 10, 200, 10, 100, 10), "266.666666666667", "2666.66666666667"},
        {"no plating thickness", tee(100, 10, 300, 8, 500, 0), nullptr, nullptr},
        {"no plating width", tee(100, 10, 300, 8, 0, 10), nullptr, nullptr},
        {"no web thickness", tee(100, 10, 300, 0, 500, 10), nullptr, nullptr},
        {"no web height", tee(100, 10, 0, 8, 500, 10), nullptr, nullptr},
        {"negative web height", tee(100, 10, -300, 8, 500, 10), nullptr, nullptr},
        {"negative face plate width", tee(-100, 10, 300, 8, 500, 10), nullptr, nullptr},
        {"negative face plate thickness", tee(100, -10, 300, 8, 500, 10), nullptr, nullptr},
    };
    for (const Case &c : cases) check(c);
}

TEST(Corrugation, ModulusAndTheInertiaOfASymmetricCorrugation) {
    const Case cases[] = {
        {"handbook corrugation", corrugationProperties({100, 120, 200, 10}), "280", "2800"},
        {"no flat part", corrugationProperties({0, 120, 200, 10}), "80", "800"},
        {"deep corrugation", corrugationProperties({250, 300, 500, 12}), "2100", "52500"},
        {"thin and shallow", corrugationProperties({50, 70, 90, 6.5}), "42.9", "193.05"},
        {"no inclined part", corrugationProperties({100, 0, 200, 10}), nullptr, nullptr},
        {"no depth", corrugationProperties({100, 120, 0, 10}), nullptr, nullptr},
        {"no thickness", corrugationProperties({100, 120, 200, 0}), nullptr, nullptr},
        {"negative flat part", corrugationProperties({-100, 120, 200, 10}), nullptr, nullptr},
    };
    for (const Case &c : cases) check(c);
}

// Sizes that pass the checks and overflow are handed on, for the screen to refuse to show.
TEST(Sections, OverflowIsHandedOn) {
    const SectionProperties huge = tee(1e308, 1e308, 300, 8, 500, 10);
    ASSERT_TRUE(huge.ok());
    EXPECT_FALSE(std::isfinite(huge.W) || std::isfinite(huge.I));
    const SectionProperties tall = corrugationProperties({100, 120, 1e160, 1e140});  // W fits, I does not
    ASSERT_TRUE(tall.ok());
    EXPECT_TRUE(std::isfinite(tall.W));
    EXPECT_FALSE(std::isfinite(tall.I));
}
