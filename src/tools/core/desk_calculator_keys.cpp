#include "tools/core/desk_calculator_keys.h"

namespace hanhai::tools {

namespace {

using C = DeskCalculator;

constexpr KeyPlace left(int row, int column) { return {0, row, column}; }
constexpr KeyPlace right(int row, int column) { return {1, row, column * 3, 1, 3}; }
constexpr KeyPlace top(int column) { return {1, 0, column * 4, 1, 4}; }

const DeskKey kKeys[] = {
    // number entry
    {"Command1", 0, "0", left(4, 0), [](C &c) { return c.digits("0"); }},
    {"Command1", 1, "1", left(1, 0), [](C &c) { return c.digits("1"); }},
    {"Command1", 2, "2", left(1, 1), [](C &c) { return c.digits("2"); }},
    {"Command1", 3, "3", left(1, 2), [](C &c) { return c.digits("3"); }},
    {"Command1", 4, "4", left(2, 0), [](C &c) { return c.digits("4"); }},
    {"Command1", 5, "5", left(2, 1), [](C &c) { return c.digits("5"); }},
    {"Command1", 6, "6", left(2, 2), [](C &c) { return c.digits("6"); }},
    {"Command1", 7, "7", left(3, 0), [](C &c) { return c.digits("7"); }},
    {"Command1", 8, "8", left(3, 1), [](C &c) { return c.digits("8"); }},
    {"Command1", 9, "9", left(3, 2), [](C &c) { return c.digits("9"); }},
    {"Command1", 10, ".", left(4, 2), [](C &c) { return c.point(); }},
    {"Command1", 11, "00", left(4, 1), [](C &c) { return c.digits("00"); }},

    // operators: the index is the operator's code
    {"Command2", 0, "+", left(1, 3), [](C &c) { return c.operate(Add); }},
    {"Command2", 1, "-", left(1, 4), [](C &c) { return c.operate(Subtract); }},
    {"Command2", 2, "/", left(2, 3), [](C &c) { return c.operate(Divide); }},
    {"Command2", 3, "*", left(2, 4), [](C &c) { return c.operate(Multiply); }},
    {"Command2", 4, "=", {0, 2, 6, 2, 1}, [](C &c) { return c.operate(Equals); }},
    {"Command2", 5, "ncr", right(2, 0), [](C &c) { return c.operate(Combinations); }},
    {"Command2", 6, "%", left(3, 3), [](C &c) { return c.operate(Remainder); }},
    {"Command2", 7, "npr", right(3, 0), [](C &c) { return c.operate(Permutations); }},
    {"Command2", 8, "x^y", left(3, 5), [](C &c) { return c.operate(Power); }},

    // trigonometry
    {"Command5", 0, "sin", left(0, 0), [](C &c) { return c.sine(); }},
    {"Command5", 1, "cos", left(0, 1), [](C &c) { return c.cosine(); }},
    {"Command5", 2, "tan", left(0, 2), [](C &c) { return c.tangent(); }},
    {"Command5", 3, "asin", left(0, 3), [](C &c) { return c.arcSine(); }},
    {"Command5", 4, "acos", left(0, 4), [](C &c) { return c.arcCosine(); }},
    {"Command5", 5, "atan", left(0, 5), [](C &c) { return c.arcTangent(); }},

    // other functions
    {"Command6", 0, "1/X", left(4, 3), [](C &c) { return c.reciprocal(); }},
    {"Command6", 1, "X^2 ", left(4, 4), [](C &c) { return c.square(); }},
    {"Command6", 2, "√", left(5, 5), [](C &c) { return c.squareRoot(); }},
    {"Command6", 4, "n!", left(5, 1), [](C &c) { return c.factorial(); }},
    {"Command6", 8, "X^3 ", left(4, 5), [](C &c) { return c.cube(); }},

    // logarithms
    {"Command10", 0, "ln", left(2, 5), [](C &c) { return c.naturalLog(); }},
    {"Command10", 1, "log", left(5, 0), [](C &c) { return c.commonLog(); }},
    {"Command10", 2, "e(x)", left(1, 5), [](C &c) { return c.exponential(); }},

    // memory
    {"Command7", 0, "M+", right(1, 1), [](C &c) { return c.memoryAdd(); }},
    {"Command7", 1, "M-", right(1, 2), [](C &c) { return c.memorySubtract(); }},
    {"Command7", 2, "M*", right(2, 1), [](C &c) { return c.memoryMultiply(); }},
    {"Command7", 3, "M/", right(2, 2), [](C &c) { return c.memoryDivide(); }},
    {"Command7", 4, "MR", right(3, 1), [](C &c) { return c.memoryRecall(); }},
    {"Command7", 5, "MC", right(3, 2), [](C &c) { return c.memoryClear(); }},

    // constants
    {"Command9", 0, "Rnd", right(4, 0), [](C &c) { return c.random(); }},
    {"Command9", 1, "pi", right(1, 0), [](C &c) { return c.pi(); }},
    {"Command9", 2, "e", right(4, 1), [](C &c) { return c.eulerNumber(); }},
    {"Command9", 3, "g", right(4, 2), [](C &c) { return c.gravity(); }},
    {"Command9", 4, "h", right(4, 3), [](C &c) { return c.planck(); }},

    // editing
    {"Command3", -1, "C", top(1), [](C &c) { return c.clearEntry(); }},
    {"Command4", -1, "AC", top(2), [](C &c) { return c.allClear(); }},
    {"Command11", -1, "Back", top(0), [](C &c) { return c.back(); }},
    {"Command14", -1, "+/-", left(3, 4), [](C &c) { return c.changeSign(); }},

    // shown, without any action
    {"Command8", 0, "push", left(5, 4), nullptr},
    {"Command8", 2, "del", left(5, 2), nullptr},
    {"Command8", 3, "copy", left(5, 3), nullptr},
    {"Command12", 0, "AND", right(1, 3), nullptr},
    {"Command12", 1, "OR", right(2, 3), nullptr},
    {"Command12", 2, "NOT", right(3, 3), nullptr},
};

}  // namespace

std::span<const DeskKey> deskKeys() { return kKeys; }

const DeskKey *findDeskKey(std::string_view caption) {
    for (const DeskKey &k : kKeys)
        if (caption == k.caption) return &k;
    return nullptr;
}

}  // namespace hanhai::tools
