#include <gtest/gtest.h>

#include <set>

#include "piping/core/sleeves.h"

using namespace hanhai::piping;

TEST(Sleeves, ThirteenRowsKeyedBothWays) {
    ASSERT_EQ(sleeveTable().size(), 13u);
    std::set<std::string_view> bores, pipes;
    for (const Sleeve &s : sleeveTable()) {
        bores.insert(s.bore);
        pipes.insert(s.pipe);
        EXPECT_EQ(sleeveByBore(s.bore), &s);
        EXPECT_EQ(sleeveByPipe(s.pipe), &s);
        // the designation names the sleeve's own outside diameter and wall
        EXPECT_EQ(s.standard, std::string(s.diameter) + "x" + std::string(s.wall) + " CB*3193-83");
    }
    EXPECT_EQ(bores.size(), 13u);
    EXPECT_EQ(pipes.size(), 13u);
}

TEST(Sleeves, LookupsAreExact) {
    const Sleeve *s = sleeveByBore("无缝钢管通径DN100");
    ASSERT_TRUE(s);
    EXPECT_EQ(s->pipe, "无缝钢管外径DN114");
    EXPECT_EQ(s->mass, "3.45");
    EXPECT_EQ(sleeveByPipe("无缝钢管外径DN48")->bore, "无缝钢管通径DN40");
    EXPECT_FALSE(sleeveByBore("请选择无缝钢管的通径DN"));
    EXPECT_FALSE(sleeveByBore("无缝钢管通径DN100 "));
    EXPECT_FALSE(sleeveByBore("无缝钢管外径DN114"));  // a pipe text is no bore text
    EXPECT_FALSE(sleeveByPipe("无缝钢管外径dn114"));
}
