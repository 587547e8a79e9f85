#include "tools/core/desk_calculator.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "shell/core/numbers.h"

namespace hanhai::tools {

namespace {

// The calculator's messages, as its users know them.
const char *const kPointTwice = "ILLEGAL KELDAR";
const char *const kDivideZero = " ILLEGAL  DIVIDE  0 ";
const char *const kBadEntries = "ILLEGAL  ENTRIES  of  N ,R ";
const char *const kBadPower = "ILLEGAL.  INVALIED ENTRIES";
const char *const kNegativePower = "ILLEGAL. POWER LESTHAN 0.";
const char *const kDivideByZero = " ILLEGAL.  DIVIDE  BY  ZERO ";
const char *const kCannot = "不能计算";
const char *const kOverflow = "OVERFLOW. VALUE TOO LARGE ";
const char *const kNegativeRoot = " ILLEGAL  ATTEMPTING  NEGETIVE  ROOT";
const char *const kTooLarge = "VALUE TOO LARGE";
const char *const kNegativeFactorial = "ILLEGAL  NEAGETIVE  FACTORIAL";
const char *const kLnNotPositive = " ILLEGAL.  LOG  NON  POSITIVE ";
const char *const kLogNotPositive = " ILLEGAL. LOG  NON  POSITIVE ";
const char *const kTooBig = " OVERFLOW. VALUE TOO BIG ";
const char *const kMemoryDivideZero = "ILLEGAL. DIVIDE 0 ERROR ";

// The largest whole number whose factorial fits in 32 bits: 12! = 479001600.
constexpr int kLargestFactorial = 12;

// Powers are multiplied out step by step; one past this many steps (where the base is so
// close to ±1 that neither overflow nor underflow has ended the work) finishes with pow, so a
// click never takes long.
constexpr std::int64_t kPowerSteps = std::int64_t{1} << 20;

// Whole numbers of 32 bits; nothing for a value that does not fit (or is not finite).
std::optional<std::int32_t> whole32(double value) {
    if (!(value >= -2147483648.0 && value <= 2147483647.0)) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// Rounded to the nearest whole number, halves to the even one.
std::optional<std::int32_t> rounded(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double low = std::floor(value);
    const double rest = value - low;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(low, 2.0) != 0.0)) low += 1.0;
    return whole32(low);
}

std::optional<std::int32_t> truncated(double value) { return whole32(std::trunc(value)); }

std::int64_t fact(std::int32_t n) {
    std::int64_t product = 1;
    for (std::int32_t i = 2; i <= n; ++i) product *= i;
    return product;
}

double power(double base, std::int32_t exponent) {
    double product = 1.0;
    std::int64_t step = 0;
    for (; step < exponent && step < kPowerSteps; ++step) {
        product *= base;
        if (product == 0.0 || !std::isfinite(product)) return product;
    }
    if (step < exponent) product *= std::pow(base, static_cast<double>(exponent - step));
    return product;
}

KeyReply say(const char *message) { return KeyReply{{message}, 0, false}; }

}  // namespace

std::string displayForm(double value, int digits) {
    if (digits < 15) {  // first rounded to the digits asked for
        char buf[64];
        auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
        if (ec == std::errc()) std::from_chars(buf, end, value);
    }
    std::string body = shell::generalText(std::fabs(value));
    if (body.rfind("0.", 0) == 0) body.erase(0, 1);
    return (value < 0 ? "-" : " ") + body;
}

DeskCalculator::DeskCalculator(std::uint32_t seed) : random_(seed) {}

double DeskCalculator::x() const { return shell::leadingNumber(entry_); }

double DeskCalculator::angleFactor() const {
    switch (unit_) {
    case AngleUnit::Radians: return 1.0;
    case AngleUnit::Grads: return kDeskPi / 200;
    case AngleUnit::Degrees: break;
    }
    return kDeskPi / 180;
}

void DeskCalculator::setEntry(const std::string &text) {
    if (text == entry_) return;  // the display follows changes of the entry text only
    entry_ = text;
    display_ = text;
}

// A function key's result, or the overflow message when the arithmetic has left the doubles.
KeyReply DeskCalculator::showResult(double value) {
    if (!std::isfinite(value)) return say(kOverflow);
    setEntry(displayForm(value));
    return {};
}

// ---- number entry ----

// What every number key does first: after "=" a new calculation starts from 0, and a number
// starts afresh unless one is being typed.
void DeskCalculator::startTyping() {
    if (pending_ == Equals) {
        accumulator_ = 0.0;
        setEntry(" ");
        pending_ = Add;
    }
    afterOperator_ = false;
    if (!entering_) setEntry(" ");
    entering_ = true;
}

KeyReply DeskCalculator::digits(std::string_view caption) {
    startTyping();
    std::string next = entry_ == " 0" ? std::string(" ") : entry_;
    next.append(caption);
    setEntry(next);
    return {};
}

KeyReply DeskCalculator::point() {
    startTyping();
    if (pointTyped_) return say(kPointTwice);
    setEntry(entry_ + '.');
    pointTyped_ = true;
    return {};
}

// ---- operators ----

bool DeskCalculator::fold(double value, KeyReply &reply) {
    const double a = accumulator_;
    double next = a;
    switch (pending_) {
    case Add: next = value + a; break;
    case Subtract: next = a - value; break;
    case Multiply: next = value * a; break;
    case Equals: break;
    case Divide:
        if (value == 0.0) {
            reply.messages.push_back(kDivideZero);
            return false;
        }
        next = a / value;
        break;
    case Combinations:
    case Permutations: {
        const auto n = truncated(shell::leadingNumber(shell::generalText(a)));
        const auto r = truncated(value);
        if (!n || !r) {
            reply.messages.push_back(kOverflow);
            return false;
        }
        if (*r > *n || *n < 1 || *r < 0) {
            reply.messages.push_back(kBadEntries);
            return false;
        }
        // Each factorial beyond 32 bits is reported, and then the operation is refused.
        std::vector<std::int32_t> factors{*n, *r, *n - *r};
        if (pending_ == Permutations) factors.erase(factors.begin() + 1);
        bool tooLarge = false;
        for (std::int32_t f : factors)
            if (f > kLargestFactorial) {
                reply.messages.push_back(kTooLarge);
                tooLarge = true;
            }
        if (tooLarge) return false;
        const double top = static_cast<double>(fact(*n));
        next = pending_ == Combinations ? top / static_cast<double>(fact(*r) * fact(*n - *r))
                                        : top / static_cast<double>(fact(*n - *r));
        break;
    }
    case Remainder: {
        const auto dividend = rounded(a);
        const auto divisor = rounded(value);
        if (!dividend || !divisor) {
            reply.messages.push_back(kOverflow);
            return false;
        }
        if (*divisor == 0) {
            reply.messages.push_back(kDivideZero);
            return false;
        }
        next = static_cast<double>(std::int64_t{*dividend} % std::int64_t{*divisor});
        break;
    }
    case Power: {
        if (a == 0.0 || entry_.empty()) {
            reply.messages.push_back(kBadPower);
            return false;
        }
        const auto exponent = truncated(value);
        if (!exponent) {
            reply.messages.push_back(kOverflow);
            return false;
        }
        if (*exponent < 0) {
            reply.messages.push_back(kNegativePower);
            next = 0.0;
        } else {
            next = power(a, *exponent);
        }
        break;
    }
    default: break;
    }
    if (!std::isfinite(next)) {
        reply.messages.push_back(kOverflow);
        return false;
    }
    accumulator_ = next;
    return true;
}

KeyReply DeskCalculator::operate(int code) {
    KeyReply reply;
    if (code == Equals || !afterOperator_) {
        fold(x(), reply);
        setEntry(displayForm(accumulator_));  // after a refusal too
        entering_ = false;
    }
    afterOperator_ = true;
    pointTyped_ = false;
    pending_ = code;
    return reply;
}

// ---- functions ----

KeyReply DeskCalculator::sine() { return showResult(std::sin(x() * angleFactor())); }

KeyReply DeskCalculator::cosine() { return showResult(std::cos(x() * angleFactor())); }

KeyReply DeskCalculator::tangent() {
    const double angle = x() * angleFactor();
    if (std::cos(angle) == 0.0) return say(kDivideByZero);
    return showResult(std::sin(angle) / std::cos(angle));
}

// Both inverse functions go through the arc tangent; at ±1 they take its limits.
KeyReply DeskCalculator::arcSine() {
    const double v = x();
    const double rest = 1 - v * v;
    if (rest < 0) return say(kCannot);
    if (rest == 0) return showResult((v > 0 ? kDeskPi / 2 : -kDeskPi / 2) / angleFactor());
    return showResult(std::atan(v / std::sqrt(rest)) / angleFactor());
}

KeyReply DeskCalculator::arcCosine() {
    const double v = x();
    const double rest = 1 - v * v;
    if (rest < 0) return say(kCannot);
    if (rest == 0) return showResult((v > 0 ? 0.0 : kDeskPi) / angleFactor());
    return showResult((std::atan(-v / std::sqrt(rest)) + 2 * std::atan(1.0)) / angleFactor());
}

KeyReply DeskCalculator::arcTangent() { return showResult(std::atan(x()) / angleFactor()); }

KeyReply DeskCalculator::reciprocal() {
    const auto m = rounded(x());
    if (!m) return say(kOverflow);
    if (*m == 0) return say(kDivideZero);
    return showResult(1.0 / *m);
}

KeyReply DeskCalculator::square() {
    const double v = x();
    if (!(std::fabs(v) < 46300)) return say(kOverflow);
    const std::int64_t m = *rounded(v);
    return showResult(static_cast<double>(m * m));
}

KeyReply DeskCalculator::cube() {
    const double v = x();
    if (!(std::fabs(v) < 1290)) return say(kOverflow);
    const std::int64_t m = *rounded(v);
    return showResult(static_cast<double>(m * m * m));
}

KeyReply DeskCalculator::squareRoot() {
    const double v = x();
    if (v < 0) return say(kNegativeRoot);
    return showResult(std::sqrt(v));
}

KeyReply DeskCalculator::factorial() {
    const auto m = rounded(x());
    if (!m) return say(kOverflow);
    if (*m > kLargestFactorial || *m < 0) {  // the number itself stays
        KeyReply reply = say(*m < 0 ? kNegativeFactorial : kTooLarge);
        setEntry(displayForm(*m));
        return reply;
    }
    return showResult(static_cast<double>(fact(*m)));
}

KeyReply DeskCalculator::naturalLog() {
    const double v = x();
    if (v <= 0) return say(kLnNotPositive);
    return showResult(std::log(v));
}

KeyReply DeskCalculator::commonLog() {
    const double v = x();
    if (v <= 0) return say(kLogNotPositive);
    return showResult(std::log(v) / std::log(10.0));
}

KeyReply DeskCalculator::exponential() {
    const double v = x();
    if (v >= 700) return say(kTooBig);
    return showResult(std::exp(v));
}

KeyReply DeskCalculator::changeSign() { return showResult(x() * -1); }

// ---- memory ----

namespace {

KeyReply store(double &memory, double value) {
    if (!std::isfinite(value)) return say(kOverflow);
    memory = value;
    return {};
}

}  // namespace

KeyReply DeskCalculator::memoryAdd() { return store(memory_, x() + memory_); }

KeyReply DeskCalculator::memorySubtract() { return store(memory_, memory_ - x()); }

KeyReply DeskCalculator::memoryMultiply() { return store(memory_, x() * memory_); }

KeyReply DeskCalculator::memoryDivide() {
    const double v = x();
    if (v == 0.0) return say(kMemoryDivideZero);
    return store(memory_, memory_ / v);
}

KeyReply DeskCalculator::memoryRecall() {
    setEntry(displayForm(memory_));
    accumulator_ = memory_;
    return {};
}

KeyReply DeskCalculator::memoryClear() {
    memory_ = 0.0;
    return {};
}

// ---- constants ----

KeyReply DeskCalculator::constant(const std::string &text) {
    setEntry(text);
    afterOperator_ = false;
    entering_ = true;
    return {};
}

KeyReply DeskCalculator::random() {
    // Single precision: 24 random bits below the point.
    const float value = static_cast<float>(random_() >> 8) / 16777216.0f;
    return constant(displayForm(value, 7));
}

KeyReply DeskCalculator::pi() { return constant(shell::generalText(kDeskPi)); }

KeyReply DeskCalculator::eulerNumber() { return constant(shell::generalText(2.71828182845905)); }

// The standard acceleration of gravity, m/s².
KeyReply DeskCalculator::gravity() { return constant(shell::generalText(9.80665)); }

KeyReply DeskCalculator::planck() { return constant("6.625"); }

// ---- editing ----

KeyReply DeskCalculator::clearEntry() {
    setEntry(" 0");
    return {};
}

KeyReply DeskCalculator::allClear() {
    accumulator_ = 0.0;
    memory_ = 0.0;
    pending_ = Add;
    entering_ = afterOperator_ = pointTyped_ = false;
    setEntry(" 0");
    KeyReply reply;
    reply.emptyClipboard = true;
    return reply;
}

KeyReply DeskCalculator::back() {
    if (!entry_.empty()) setEntry(entry_.substr(0, entry_.size() - 1));
    return {};
}

// ---- keyboard ----

KeyReply DeskCalculator::typed(char32_t c) {
    KeyReply reply;
    switch (c) {
    case U'.': reply = point(); break;
    case U'+': reply = operate(Add); break;
    case U'-': reply = operate(Subtract); break;
    case U'/': reply = operate(Divide); break;
    case U'*': reply = operate(Multiply); break;
    case U'=': reply = operate(Equals); break;
    case U'C':
    case U'c':  // a fresh calculation; the memory stays
        accumulator_ = 0.0;
        pending_ = Add;
        entering_ = afterOperator_ = pointTyped_ = false;
        setEntry(" 0");
        reply.beeps = 2;
        return reply;
    case U'D':
    case U'd': reply = clearEntry(); break;
    default:
        if (c < U'0' || c > U'9') return reply;  // not a key of the calculator
        reply = digits(std::string(1, static_cast<char>(c)));
    }
    reply.beeps += 1;
    return reply;
}

}  // namespace hanhai::tools
