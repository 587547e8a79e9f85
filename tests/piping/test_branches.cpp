#include <gtest/gtest.h>

#include <cmath>

#include "piping/core/branches.h"

using namespace hanhai::piping;

TEST(BranchMerging, EveryStandardSizeClosesTheGapBelowIt) {
    double below = 0;
    for (double size : kNominalSizes) {
        EXPECT_EQ(headerSize(size), size);
        EXPECT_EQ(headerSize(std::nextafter(below, size)), size);
        below = size;
    }
    EXPECT_EQ(headerSize(0), 0);
    EXPECT_EQ(headerSize(std::nextafter(400.0, 500.0)), 0);
}

TEST(BranchMerging, WarningFailureAndOverflow) {
    MergeInput in{{300, 300}, std::string(kBranchCountPrompt)};
    MergeResult r = mergeBranches(in);
    EXPECT_EQ(r.header, 0);
    EXPECT_EQ(r.warning, kHeaderTooLargeMessage);
    EXPECT_EQ(r.failure, kNoBranchCountMessage);
    in.selector = branchCountEntry(2);
    EXPECT_EQ(mergeBranches(in).failure, "");
    in.branches[9] = 1e200;
    r = mergeBranches(in);
    EXPECT_TRUE(std::isinf(r.bore));
    EXPECT_EQ(r.header, std::nullopt);
    EXPECT_EQ(r.warning, "");  // the screen reports the bore instead
}

TEST(BranchMerging, SelectorEntries) {
    for (int n = 2; n <= 10; ++n) EXPECT_EQ(branchCount(branchCountEntry(n)), n);
    EXPECT_EQ(branchCountEntry(10), "10根支管汇总一根总管");
    for (const std::string &other : {branchCountEntry(1), branchCountEntry(11), std::string(kBranchCountPrompt)})
        EXPECT_FALSE(branchCount(other)) << other;
}
