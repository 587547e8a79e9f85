// The desk calculator: a pocket calculator with immediate execution. An operator key applies
// the operator pressed before it to the running result and the number just entered; there is
// no precedence and there are no parentheses. Every key reads the entry text by the
// leading-number rule and answers with the messages, beeps and clipboard work the screen owes
// the user; the entry text and the display are then read back from the calculator.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace hanhai::tools {

// π as the desk calculator has it, to fifteen significant digits.
inline constexpr double kDeskPi = 3.14159265358979;

enum class AngleUnit { Degrees, Radians, Grads };

// The operator keys, numbered as their buttons are.
enum Operator : int {
    Add = 0,
    Subtract = 1,
    Divide = 2,
    Multiply = 3,
    Equals = 4,
    Combinations = 5,  // ncr
    Remainder = 6,     // %
    Permutations = 7,  // npr
    Power = 8,         // x^y
};

// What a key asks of the screen beyond the new entry text: message boxes in their order,
// system beeps, and whether the clipboard is to be emptied.
struct KeyReply {
    std::vector<std::string> messages;
    int beeps = 0;
    bool emptyClipboard = false;
};

// How a result is written into the entry text: a blank before zero and positive values, "-"
// before negative ones, no zero before the point (" .5", "-.5"), whole numbers without a point
// (" 25"), at most `digits` significant digits, exponent form below 1E-04 and from 1E+15 up.
std::string displayForm(double value, int digits = 15);

class DeskCalculator {
public:
    // `seed` starts the pseudo-random numbers of "Rnd".
    explicit DeskCalculator(std::uint32_t seed = 1);

    // The entry text (the hidden text box) and what the display shows: "0." until the entry
    // text first changes, then always the entry text.
    const std::string &entry() const { return entry_; }
    const std::string &display() const { return display_; }
    double accumulator() const { return accumulator_; }
    double memory() const { return memory_; }
    int pendingOperator() const { return pending_; }
    AngleUnit angleUnit() const { return unit_; }

    // Number entry: "0" to "9" and "00"; the decimal point.
    KeyReply digits(std::string_view caption);
    KeyReply point();

    KeyReply operate(int code);

    // Function keys: the result replaces the entry text; flags, accumulator and pending operator stay.
    KeyReply sine();
    KeyReply cosine();
    KeyReply tangent();
    KeyReply arcSine();
    KeyReply arcCosine();
    KeyReply arcTangent();
    KeyReply reciprocal();
    KeyReply square();
    KeyReply cube();
    KeyReply squareRoot();
    KeyReply factorial();
    KeyReply naturalLog();
    KeyReply commonLog();
    KeyReply exponential();
    KeyReply changeSign();

    // Memory keys.
    KeyReply memoryAdd();
    KeyReply memorySubtract();
    KeyReply memoryMultiply();
    KeyReply memoryDivide();
    KeyReply memoryRecall();
    KeyReply memoryClear();

    // Constant keys: the text goes into the entry, and digits typed next are appended to it.
    KeyReply random();
    KeyReply pi();
    KeyReply eulerNumber();
    KeyReply gravity();
    KeyReply planck();

    // Editing keys.
    KeyReply clearEntry();  // "C"
    KeyReply allClear();    // "AC"
    KeyReply back();        // "Back"

    void setAngleUnit(AngleUnit unit) { unit_ = unit; }

    // A character typed on the keyboard, whichever key of the screen has the focus.
    KeyReply typed(char32_t c);

private:
    double x() const;
    double angleFactor() const;
    void setEntry(const std::string &text);
    void startTyping();
    KeyReply showResult(double value);
    KeyReply constant(const std::string &text);
    // The pending operator applied to the accumulator and x; false when refused.
    bool fold(double x, KeyReply &reply);

    std::string entry_;
    std::string display_ = "0.";
    double accumulator_ = 0.0;
    int pending_ = Add;
    bool entering_ = false;    // a number is being typed: a digit appends
    bool afterOperator_ = false;  // the last key was an operator: another only replaces it
    bool pointTyped_ = false;  // the number being typed has its decimal point
    double memory_ = 0.0;
    AngleUnit unit_ = AngleUnit::Degrees;
    std::mt19937 random_;
};

}  // namespace hanhai::tools
