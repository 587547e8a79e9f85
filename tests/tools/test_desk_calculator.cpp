#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <string>
#include <vector>

#include "shell/core/numbers.h"
#include "tools/core/desk_calculator.h"
#include "tools/core/desk_calculator_keys.h"

using namespace hanhai::tools;

namespace {

using Keys = std::vector<std::string>;
using Texts = std::vector<std::string>;

// Keys pressed by caption; "[rad]", "[grd]" and "[deg]" choose the angle unit.
Texts press(DeskCalculator &c, const Keys &keys) {
    Texts messages;
    for (const std::string &k : keys) {
        if (k == "[rad]" || k == "[grd]" || k == "[deg]") {
            c.setAngleUnit(k == "[rad]" ? AngleUnit::Radians : k == "[grd]" ? AngleUnit::Grads : AngleUnit::Degrees);
            continue;
        }
        const DeskKey *key = findDeskKey(k);
        if (!key || !key->action) {
            ADD_FAILURE() << "no key " << k;
            continue;
        }
        KeyReply r = key->action(c);
        messages.insert(messages.end(), r.messages.begin(), r.messages.end());
    }
    return messages;
}

struct Case {
    Keys keys;
    const char *display;
    Texts messages = {};
};

std::string joined(const Keys &keys) {
    std::string out;
    for (const std::string &k : keys) out += "[" + k + "]";
    return out;
}

void check(const std::vector<Case> &cases) {
    for (const Case &c : cases) {
        SCOPED_TRACE(joined(c.keys));
        DeskCalculator calc;
        EXPECT_EQ(press(calc, c.keys), c.messages);
        EXPECT_EQ(calc.display(), c.display);
        EXPECT_EQ(calc.entry(), c.display);
    }
}

const char *kDivideZero = " ILLEGAL  DIVIDE  0 ";
const char *kOverflow = "OVERFLOW. VALUE TOO LARGE ";
const char *kTooLarge = "VALUE TOO LARGE";
const char *kEntries = "ILLEGAL  ENTRIES  of  N ,R ";
const char *kPoint = "ILLEGAL KELDAR";

}  // namespace

TEST(DeskCalculator, OpensWithTheDisplayZeroPointAndAnEmptyEntry) {
    DeskCalculator c;
    EXPECT_EQ(c.display(), "0.");
    EXPECT_EQ(c.entry(), "");
    press(c, {"Back", "MC", "M+"});  // nothing changes the entry text
    EXPECT_EQ(c.display(), "0.");
}

TEST(DeskCalculator, DisplayFormOfNumbers) {
    const std::pair<double, const char *> cases[] = {
        {25, " 25"}, {0.5, " .5"}, {-0.5, "-.5"}, {0, " 0"}, {-0.0, " 0"}, {1.0 / 3, " .333333333333333"},
        {-2.75, "-2.75"}, {999999999999999, " 999999999999999"}, {1e15, " 1E+15"}, {1e20, " 1E+20"},
        {0.0001, " .0001"}, {-1.5e-7, "-1.5E-07"}, {123456789012345678.0, " 1.23456789012346E+17"},
    };
    for (auto [value, text] : cases) EXPECT_EQ(displayForm(value), text) << value;
    EXPECT_EQ(displayForm(0.1f, 7), " .1");
    EXPECT_EQ(displayForm(0.70554751157760620, 7), " .7055475");
}

TEST(DeskCalculator, NumberEntry) {
    check({
        {{"2", "5"}, " 25"},
        {{"0", "00"}, " 00"},
        {{".", "5"}, " .5"},
        {{"1", ".", "5", "."}, " 1.5", {kPoint}},
        // the point flag survives "C" and is cleared by an operator
        {{"1", ".", "5", ".", "C", "."}, " 0", {kPoint, kPoint}},
        {{"1", ".", "5", "+", "."}, " .", {}},
        {{"1", "2", "3", "Back"}, " 12"},
        {{"5", "Back", "Back"}, ""},
        {{"1", "2", "C", "4"}, " 4"},
    });
}

TEST(DeskCalculator, ChainsWithoutPrecedence) {
    check({
        {{"2", "+", "3", "*", "4", "="}, " 20"},
        {{"5", "+", "*", "3", "="}, " 15"},  // a second operator replaces the first
        {{"1", "/", "3", "="}, " .333333333333333"},
        {{"2", "+", "3", "=", "7"}, " 7"},                // a digit after "=" starts afresh
        {{"2", "+", "3", "=", "7", "+", "1", "="}, " 8"},
        {{"2", "+", "3", "=", "+", "1", "="}, " 6"},      // an operator continues from the result
        {{"5", "+", "="}, " 10"},                          // "=" folds even straight after an operator
        {{"7", "=", "="}, " 7"},
        {{"1", "0", "/", "0", "="}, " 10", {kDivideZero}},
        {{"1", "0", "/", "0", "=", "+", "2", "="}, " 12", {kDivideZero}},
        {{"5", "+", "3", "AC", "="}, " 0"},
        {{"2", "+", "pi", "="}, " 5.14159265358979"},
    });
}

TEST(DeskCalculator, WholeNumberOperators) {
    const char *badPower = "ILLEGAL.  INVALIED ENTRIES";
    check({
        {{"5", "ncr", "0", "="}, " 1"},
        {{"5", "ncr", "2", "="}, " 10"},
        {{"5", ".", "9", "ncr", "2", ".", "9", "="}, " 10"},
        {{"5", "npr", "2", "="}, " 20"},
        {{"3", "ncr", "5", "="}, " 3", {kEntries}},
        {{"0", "ncr", "0", "="}, " 0", {kEntries}},
        {{"5", "ncr", "2", "+/-", "="}, " 5", {kEntries}},
        // above 12 each factorial beyond 32 bits is reported and the operation refused
        {{"2", "0", "ncr", "5", "="}, " 20", {kTooLarge, kTooLarge}},
        {{"1", "3", "npr", "1", "="}, " 13", {kTooLarge}},
        {{"9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "ncr", "2", "="}, " 9999999999", {kOverflow}},
        {{"1", "7", "%", "5", "="}, " 2"},
        {{"1", "7", "+/-", "%", "5", "="}, "-2"},
        {{"7", ".", "5", "%", "2", ".", "5", "="}, " 0"},  // 8 mod 2: halves round to even
        {{"7", "%", ".", "4", "="}, " 7", {kDivideZero}},
        {{"9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "%", "7", "="}, " 9999999999", {kOverflow}},
        {{"2", "x^y", "1", "0", "="}, " 1024"},
        {{"2", "x^y", "0", "="}, " 1"},
        {{"2", "x^y", "2", ".", "9", "="}, " 4"},
        {{"2", "+/-", "x^y", "3", "="}, "-8"},
        {{"0", "x^y", "2", "="}, " 0", {badPower}},
        {{"2", "x^y", "Back", "Back", "="}, " 2", {badPower}},
        {{"2", "x^y", "3", "+/-", "="}, " 0", {"ILLEGAL. POWER LESTHAN 0."}},
        {{"1", "0", "x^y", "4", "0", "0", "="}, " 10", {kOverflow}},
        {{"2", "x^y", "9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "="}, " 2", {kOverflow}},
    });
}

TEST(DeskCalculator, PowersFarOutAnswerQuickly) {
    DeskCalculator c;
    const auto start = std::chrono::steady_clock::now();
    press(c, {"1", ".", "0", "0", "0", "0", "0", "0", "1", "x^y", "1", "0", "0", "0", "0", "0", "0", "0", "0", "="});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(16));
    EXPECT_NEAR(c.accumulator(), 22026.4549101825, 1e-4);
    press(c, {"AC", "1", "+/-", "x^y", "2", "1", "4", "7", "4", "8", "3", "6", "4", "7", "="});
    EXPECT_EQ(c.display(), "-1");
}

TEST(DeskCalculator, FunctionKeysInEachAngleUnit) {
    const char *cannot = "不能计算";
    check({
        {{"3", "0", "sin"}, " .5"},
        {{"[rad]", "3", "0", "sin"}, "-.988031624092862"},
        {{"[grd]", "1", "0", "0", "sin"}, " 1"},
        {{"4", "5", "tan"}, " .999999999999998"},
        {{".", "5", "asin"}, " 30"},
        {{"1", "asin"}, " 90"},
        {{"1", "+/-", "asin"}, "-90"},
        {{"[rad]", "1", "asin"}, " 1.5707963267949"},
        {{"[grd]", "1", "asin"}, " 100"},
        {{"1", "acos"}, " 0"},
        {{"1", "+/-", "acos"}, " 180"},
        {{"0", "acos"}, " 90.0000000000001"},
        {{"2", "asin"}, " 2", {cannot}},
        {{"1", "atan"}, " 45"},
        {{"[grd]", "1", "atan"}, " 50"},
        {{"2", ".", "5", "1/X"}, " .5"},
        {{"3", ".", "5", "1/X"}, " .25"},
        {{".", "4", "1/X"}, " .4", {kDivideZero}},
        {{"4", "6", "2", "9", "9", "X^2 "}, " 2143597401"},
        {{"2", ".", "5", "X^2 "}, " 4"},
        {{"5", "0", "0", "0", "0", "X^2 "}, " 50000", {kOverflow}},
        {{"1", "2", "8", "9", "X^3 "}, " 2141700569"},
        {{"1", "2", "9", "0", "+/-", "X^3 "}, "-1290", {kOverflow}},
        {{"1", "6", "√"}, " 4"},
        {{"4", "+/-", "√"}, "-4", {" ILLEGAL  ATTEMPTING  NEGETIVE  ROOT"}},
        {{"2", "√", "5"}, " 1.41421356237315"},  // a digit is appended to the result
        {{"1", "2", "n!"}, " 479001600"},
        {{"1", "3", "n!"}, " 13", {kTooLarge}},
        {{"1", "3", ".", "2", "n!"}, " 13", {kTooLarge}},
        {{"0", "n!"}, " 1"},
        {{"3", "+/-", "n!"}, "-3", {"ILLEGAL  NEAGETIVE  FACTORIAL"}},
        {{"9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "n!"}, " 9999999999", {kOverflow}},
        {{"9", "9", "9", "9", "9", "9", "9", "9", "9", "9", "1/X"}, " 9999999999", {kOverflow}},
        {{"0", "ln"}, " 0", {" ILLEGAL.  LOG  NON  POSITIVE "}},
        {{"1", "0", "0", "0", "log"}, " 3"},
        {{"0", "log"}, " 0", {" ILLEGAL. LOG  NON  POSITIVE "}},
        {{"1", "e(x)"}, " 2.71828182845905"},
        {{"7", "0", "0", "e(x)"}, " 700", {" OVERFLOW. VALUE TOO BIG "}},
        {{"5", "+/-"}, "-5"},
        {{"0", "+/-"}, " 0"},
    });
}

TEST(DeskCalculator, FunctionKeysLeaveTheCalculationAsItWas) {
    DeskCalculator c;
    press(c, {"9", "+", "1", "6", "√"});
    EXPECT_EQ(c.accumulator(), 9);
    EXPECT_EQ(c.pendingOperator(), Add);
    press(c, {"="});
    EXPECT_EQ(c.display(), " 13");
}

TEST(DeskCalculator, ResultsBeyondTheDoublesAreRefused) {
    check({
        {{"6", "9", "9", "e(x)", "*", "6", "9", "9", "e(x)", "="}, " 3.73115121514077E+303", {kOverflow}},
        {{"6", "9", "9", "e(x)", "9", "√"}, " 3.73115121514077E+3039", {kOverflow}},  // reads as beyond the doubles
        {{"6", "9", "9", "e(x)", "9", "sin"}, " 3.73115121514077E+3039", {kOverflow}},
        {{"6", "9", "9", "e(x)", "9", "+/-"}, " 3.73115121514077E+3039", {kOverflow}},
        {{"6", "9", "9", "e(x)", "9", "atan"}, " 90.0000000000001"},
        {{"6", "9", "9", "e(x)", "M+", "M*", "MR"}, " 3.73115121514077E+303", {kOverflow}},
    });
}

TEST(DeskCalculator, Memory) {
    // Memory keys leave the entry flag alone: a digit right after one would be appended, hence the "C"s.
    check({
        {{"5", "M+", "C", "3", "M+", "MR"}, " 8"},
        {{"5", "M+", "C", "2", "M-", "MR"}, " 3"},
        {{"5", "M+", "C", "3", "M*", "MR"}, " 15"},
        {{"6", "M+", "C", "3", "M/", "MR"}, " 2"},
        {{"6", "M+", "C", "0", "M/", "MR"}, " 6", {"ILLEGAL. DIVIDE 0 ERROR "}},
        {{"5", "M+", "MC", "MR"}, " 0"},
        {{"5", "M+", "3"}, " 53"},
        {{"7", "M+", "C", "5", "+", "MR", "="}, " 14"},  // MR sets the accumulator too
        {{"7", "M+", "AC", "MR"}, " 0"},
    });
}

TEST(DeskCalculator, Constants) {
    check({
        {{"pi"}, "3.14159265358979"},
        {{"pi", "2"}, "3.141592653589792"},
        {{"e"}, "2.71828182845905"},
        {{"g"}, "9.80665"},
        {{"h"}, "6.625"},
        {{"1", "+", "h", "7"}, "6.6257"},
    });
    DeskCalculator a(7), b(7);
    for (int i = 0; i < 50; ++i) {
        press(a, {"Rnd"});
        press(b, {"Rnd"});
        EXPECT_EQ(a.entry(), b.entry());
        const double v = hanhai::shell::leadingNumber(a.entry());
        EXPECT_TRUE(v >= 0 && v < 1) << a.entry();
        std::string mantissa = a.entry().substr(0, a.entry().find('E'));
        mantissa.erase(0, mantissa.find_first_of("123456789"));
        EXPECT_LE(std::count_if(mantissa.begin(), mantissa.end(), ::isdigit), 7) << a.entry();  // single precision
    }
}

TEST(DeskCalculator, AllClearEmptiesTheClipboardAndTheMemory) {
    DeskCalculator c;
    press(c, {"7", "M+", "+", "3"});
    const KeyReply r = findDeskKey("AC")->action(c);
    EXPECT_TRUE(r.emptyClipboard);
    EXPECT_EQ(c.memory(), 0);
    EXPECT_EQ(c.accumulator(), 0);
    EXPECT_EQ(c.display(), " 0");
}

TEST(DeskCalculator, Keyboard) {
    struct Typed {
        std::u32string chars;
        const char *display;
        int beeps;
    };
    const Typed cases[] = {
        {U"2+3*4=", " 20", 6},
        {U"1.5.", " 1.5", 4},
        {U"5+3D2=", " 7", 6},   // D clears the entry only
        {U"5+3c2=", " 2", 7},   // C starts afresh, with two beeps
        {U"7xX a%", " 7", 1},  // other characters are ignored
    };
    for (const Typed &t : cases) {
        DeskCalculator c;
        int beeps = 0;
        for (char32_t ch : t.chars) beeps += c.typed(ch).beeps;
        EXPECT_EQ(c.display(), t.display);
        EXPECT_EQ(beeps, t.beeps);
    }
    DeskCalculator c;
    press(c, {"7", "M+"});
    c.typed(U'C');
    EXPECT_EQ(c.memory(), 7);  // a typed C keeps the memory
    EXPECT_EQ(c.typed(U'.').messages, Texts{});
    EXPECT_EQ(c.typed(U'.').messages, Texts{kPoint});
}
