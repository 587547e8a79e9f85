#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cabling/core/tray.h"

using namespace hanhai::cabling;

TEST(TrayWidth, StandardWidthOrAdvice) {
    struct Case {
        const char *what;
        std::string types;
        std::vector<Cable> rows;  // diameter and count from row 1 on; the rest empty
        double bundles;
        std::optional<int> width;
        std::string_view message;
    };
    const std::string one = "单种型号电缆", two = "2种不同型号电缆";
    const std::vector<Case> cases = {
        {"W 151", two, {{10, 4}, {12, 3}}, 2, 200, ""},
        {"thick cables halved", one, {{30, 20}}, 3, 400, ""},
        {"few thin cables", one, {{15, 5}}, 1, std::nullopt, kUseFlatBar},
        {"20 mm is not over 20 mm", one, {{20, 5}}, 1, std::nullopt, kUseFlatBar},
        {"just over 20 mm: halved, W 100.025", one, {{20.01, 5}}, 1, 150, ""},
        {"W 75", one, {{25, 2}}, 1, std::nullopt, kTrayTooNarrow},
        {"W exactly 100", one, {{25, 2}}, 2, 150, ""},
        {"W exactly 600", one, {{11, 50}}, 1, 600, ""},
        {"W 650", one, {{10, 60}}, 1, std::nullopt, kUseDoubleTray},
        {"16.3 mm halves, W 131.5", one, {{16.3, 10}}, 1, 150, ""},
        {"16.2 mm does not, W 212", one, {{16.2, 10}}, 1, 300, ""},
        {"one thick type halves every row", two, {{10, 30}, {16.3, 1}}, 1, 300, ""},
        {"a row beyond the count is summed", one, {{10, 10}, {30, 10}}, 1, 300, ""},
        {"counts are taken as they stand", two, {{30, 20}, {30, -4}}, 1, 300, ""},
        {"no type count", "请先选择", {{10, 10}}, 1, std::nullopt, kChooseTypeCount},
        {"no bundle, before the diameters", one, {}, 0.99, std::nullopt, kBundlesWrong},
        {"second diameter missing", two, {{10, 10}, {0, 3}}, 1, std::nullopt, kCheckDiameters},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TrayInputs in{c.types, {}, c.bundles};
        std::copy(c.rows.begin(), c.rows.end(), in.cables.begin());
        const TrayEstimate e = estimateTrayWidth(in);
        EXPECT_EQ(e.width, c.width);
        EXPECT_EQ(e.message, c.message);
        EXPECT_EQ(e.resultEmptied, c.message == kChooseTypeCount);
        EXPECT_FALSE(e.invalid);
    }
    // sums beyond the double range
    EXPECT_TRUE(estimateTrayWidth({one, {{{1e308, 10}}}, 1}).invalid);
    EXPECT_TRUE(estimateTrayWidth({one, {{{10, 10}}}, 1e308}).invalid);
}

TEST(TrayWidth, TypeCountsByTheirExactEntry) {
    ASSERT_EQ(typeCountEntries().size(), 10u);
    EXPECT_EQ(typeCountEntries().front(), "单种型号电缆");
    EXPECT_EQ(typeCountEntries().back(), "10种不同型号电缆");
    for (int k = 1; k <= 10; ++k) EXPECT_EQ(typeCount(typeCountEntries()[k - 1]), k);
    for (const char *other : {"", "1种不同型号电缆", "3种不同型号电缆 ", "3"}) EXPECT_FALSE(typeCount(other)) << other;
}
