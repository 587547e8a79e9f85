#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "shell/core/numbers.h"
#include "shell/core/units.h"

using namespace hanhai::shell;

struct Read {
    const char *text;
    double value;
};

class LeadingNumber : public ::testing::TestWithParam<Read> {};

TEST_P(LeadingNumber, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(leadingNumber(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    ScreenExamples, LeadingNumber,
    ::testing::Values(Read{"12.5mm", 12.5}, Read{"1 200", 1200}, Read{"1,5", 1}, Read{"abc", 0},
                      Read{"2e3", 2000}, Read{".5", 0.5}, Read{"", 0}));

INSTANTIATE_TEST_SUITE_P(
    Blanks, LeadingNumber,
    ::testing::Values(Read{"  42", 42}, Read{"4 2 . 5", 42.5}, Read{"\t7\n", 7}, Read{"- 3", -3},
                      Read{"1 e 3", 1000}, Read{"   ", 0}));

INSTANTIATE_TEST_SUITE_P(
    Signs, LeadingNumber,
    ::testing::Values(Read{"-12.5", -12.5}, Read{"+8", 8}, Read{"--5", 0}, Read{"+-5", 0},
                      Read{"-", 0}, Read{"5-3", 5}));

INSTANTIATE_TEST_SUITE_P(
    LonePoints, LeadingNumber,
    ::testing::Values(Read{".", 0}, Read{"-.", 0}, Read{"5.", 5}, Read{"-.25", -0.25},
                      Read{"1.2.3", 1.2}, Read{"..5", 0}));

INSTANTIATE_TEST_SUITE_P(
    Exponents, LeadingNumber,
    ::testing::Values(Read{"1.5E2", 150}, Read{"1.5d2", 150}, Read{"2D-3", 0.002}, Read{"3e+2", 300},
                      Read{"2e", 2}, Read{"2e+", 2}, Read{"2ex", 2}, Read{"1E-400", 0},
                      Read{"4e2e3", 400}, Read{"0e99999999999999999999", 0}));

INSTANTIATE_TEST_SUITE_P(
    HexAndOctal, LeadingNumber,
    ::testing::Values(Read{"&HFF", 255}, Read{"&hff", 255}, Read{"&H1G", 1}, Read{"&H", 0},
                      Read{"&O17", 15}, Read{"&o8", 0}, Read{"& H 10", 16}, Read{"&X1", 0}));

TEST(LeadingNumber, HugeExponentsReadAsInfinityNotACrash) {
    EXPECT_TRUE(std::isinf(leadingNumber("1e999")));
    EXPECT_TRUE(std::isinf(leadingNumber("-1e99999999999999999999")));
    std::string longDigits(5000, '9');
    EXPECT_TRUE(std::isinf(leadingNumber(longDigits)));
}

TEST(LeadingNumber, NonAsciiTextEndsTheNumber) {
    EXPECT_DOUBLE_EQ(leadingNumber("12毫米"), 12);
    EXPECT_DOUBLE_EQ(leadingNumber("直径100"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("１２"), 0);  // full-width digits are not digits here
}

TEST(StrictNumber, AcceptsOnlyWholeNumbers) {
    EXPECT_EQ(strictNumber("61.65"), 61.65);
    EXPECT_EQ(strictNumber("-0.5"), -0.5);
    EXPECT_EQ(strictNumber("1E-05"), 1e-5);
    EXPECT_EQ(strictNumber("1.5E+300"), 1.5e300);
    EXPECT_EQ(strictNumber("3.141592654"), 3.141592654);
    EXPECT_FALSE(strictNumber(""));
    EXPECT_FALSE(strictNumber("12mm"));
    EXPECT_FALSE(strictNumber("inf"));
    EXPECT_FALSE(strictNumber("nan"));
    EXPECT_FALSE(strictNumber(" 1"));
}

TEST(Pi, IsTheTenDigitValue) { EXPECT_EQ(kPi, *strictNumber("3.141592654")); }

struct General {
    double value;
    const char *text;
};
class GeneralText : public ::testing::TestWithParam<General> {};
TEST_P(GeneralText, Writes) { EXPECT_EQ(generalText(GetParam().value), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Forms, GeneralText,
    ::testing::Values(General{1200.0, "1200"}, General{0.5, "0.5"}, General{-0.5, "-0.5"},
                      General{0.0, "0"}, General{-0.0, "0"}, General{0.007853981635, "0.007853981635"},
                      General{1.0 / 3.0, "0.333333333333333"}, General{2.0 / 3.0, "0.666666666666667"},
                      General{0.0001, "0.0001"}, General{0.00001, "1E-05"}, General{-0.000012, "-1.2E-05"},
                      General{1.5e300, "1.5E+300"}, General{1e15, "1E+15"},
                      General{999999999999999.0, "999999999999999"},
                      General{123456789012345678.0, "1.23456789012346E+17"},
                      General{184.95000000000002, "184.95"}, General{61.65375583475, "61.65375583475"},
                      General{5e-324, "4.94065645841247E-324"}));

TEST(GeneralText, HasNoTextForNonFiniteValues) {
    EXPECT_EQ(generalText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(generalText(std::nan("")), "");
}

struct Fixed {
    const char *kept;
    int places;
    const char *text;
};
class FixedText : public ::testing::TestWithParam<Fixed> {};
TEST_P(FixedText, Rounds) { EXPECT_EQ(fixedText(GetParam().kept, GetParam().places), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Patterns, FixedText,
    ::testing::Values(Fixed{"0.007853981635", 1, "0.0"}, Fixed{"0.007853981635", 2, "0.01"},
                      Fixed{"0.007853981635", 3, "0.008"}, Fixed{"6", 2, "6.00"},
                      Fixed{"0.261799387833333", 3, "0.262"}, Fixed{"0.5", 2, "0.50"},
                      Fixed{"1340.48257372654", 0, "1340"}, Fixed{"0.5", 0, "1"}, Fixed{"-0.5", 0, "-1"},
                      Fixed{"2.5", 0, "3"}, Fixed{"0.373", 0, "0"}, Fixed{"12.3456", 2, "12.35"}));

INSTANTIATE_TEST_SUITE_P(
    DecimalHalves, FixedText,
    ::testing::Values(Fixed{"1.005", 2, "1.01"}, Fixed{"-1.005", 2, "-1.01"}, Fixed{"2.675", 2, "2.68"},
                      Fixed{"0.125", 2, "0.13"}, Fixed{"9.995", 2, "10.00"}, Fixed{"999.9996", 3, "1000.000"},
                      Fixed{"0.10205", 2, "0.10"}, Fixed{"0.10205", 3, "0.102"}));

INSTANTIATE_TEST_SUITE_P(
    NoMinusZero, FixedText,
    ::testing::Values(Fixed{"-0.004", 2, "0.00"}, Fixed{"-0.0004", 3, "0.000"}, Fixed{"-1E-05", 1, "0.0"},
                      Fixed{"0", 3, "0.000"}, Fixed{"-0.4", 0, "0"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentForms, FixedText,
    ::testing::Values(Fixed{"1E-05", 2, "0.00"}, Fixed{"5E-03", 2, "0.01"}, Fixed{"1.23456789012346E+17", 1,
                                                                             "123456789012346000.0"}));

TEST(FixedText, EmptyKeptResultShowsNothing) {
    EXPECT_EQ(fixedText("", 2), "");
    EXPECT_EQ(fixedText("abc", 2), "");
}

TEST(FixedText, HugeValuesAreWrittenOut) {
    std::string t = fixedText("1.5E+300", 2);
    EXPECT_EQ(t.size(), 301u + 3u);
    EXPECT_EQ(t.substr(0, 3), "150");
    EXPECT_EQ(t.substr(t.size() - 3), ".00");
}

TEST(FixedText, OfADoubleRoundsItsGeneralText) {
    EXPECT_EQ(fixedText(1.005, 2), "1.01");  // 1.00499999999999989... as a double
    EXPECT_EQ(fixedText(-0.001, 2), "0.00");
    EXPECT_EQ(fixedText(std::numeric_limits<double>::infinity(), 2), "");
}

TEST(DisplayText, FollowsTheChosenOption) {
    EXPECT_EQ(displayText("0.007853981635", Places::One), "0.0");
    EXPECT_EQ(displayText("0.007853981635", Places::Two), "0.01");
    EXPECT_EQ(displayText("0.007853981635", Places::Three), "0.008");
    EXPECT_EQ(displayText("0.007853981635", Places::Unrounded), "0.007853981635");
    EXPECT_EQ(displayText("", Places::Two), "");
    EXPECT_EQ(displayText("", Places::Unrounded), "");
}

TEST(WeightTexts, TotalIsTheRoundedSingleTimesN) {
    auto w = weightTexts("12.3456", Places::Two, 3);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->single, "12.35");
    EXPECT_EQ(w->total, "37.05");

    w = weightTexts("61.65375583475", Places::Two, 3);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->single, "61.65");
    EXPECT_EQ(w->total, "184.95");

    w = weightTexts("0.10205", Places::Three, 100);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->single, "0.102");
    EXPECT_EQ(w->total, "10.200");
}

TEST(WeightTexts, UnroundedTotalIsTheKeptResultTimesN) {
    auto w = weightTexts("61.65375583475", Places::Unrounded, 3);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->single, "61.65375583475");
    EXPECT_EQ(w->total, "184.96126750425");
}

TEST(WeightTexts, EmptyOrOverflowingGivesNothing) {
    EXPECT_FALSE(weightTexts("", Places::Two, 3));
    EXPECT_FALSE(weightTexts("1E+300", Places::Unrounded, 1e300));
    EXPECT_FALSE(weightTexts("1.5", Places::Two, std::numeric_limits<double>::infinity()));
}

TEST(WeightTexts, ZeroOrNegativeCountsAreUsedAsRead) {
    auto w = weightTexts("5", Places::Two, 0);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->total, "0.00");
    w = weightTexts("5", Places::One, -2);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->total, "-10.0");
}

// Any text at all, and any double, goes through the rules without a crash or a stray form.
TEST(NumberRules, HoldForArbitraryTextsAndValues) {
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    const std::string alphabet = "0123456789+-.eEdD&HhOo, \t\nabc\xe4\xb8\xad";
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        for (std::size_t n = next() % 24; n > 0; --n) text += alphabet[next() % alphabet.size()];
        const double v = leadingNumber(text);
        EXPECT_FALSE(std::isnan(v)) << text;

        double x;
        std::uint64_t bits = next();
        std::memcpy(&x, &bits, sizeof x);
        if (!std::isfinite(x)) continue;
        const std::string g = generalText(x);
        auto back = strictNumber(g);
        ASSERT_TRUE(back) << g;
        EXPECT_NEAR(*back, x, std::abs(x) * 1e-14) << g;
        EXPECT_EQ(leadingNumber(g), *back) << g;  // a shown result reads back as itself
        for (int places : {0, 1, 2, 3}) {
            const std::string f = fixedText(g, places);
            const bool minusZero = !f.empty() && f[0] == '-' && f.find_first_not_of("-0.") == std::string::npos;
            EXPECT_FALSE(minusZero) << f;
            EXPECT_EQ(f.find_first_not_of("-0123456789."), std::string::npos) << f;
        }
    }
}
