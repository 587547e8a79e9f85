#include "shell/core/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace hanhai::shell {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Converts a decimal text in C syntax ("12.5e3", ".5", "5.") without regard to the locale.
// Out-of-range magnitudes become infinity or zero, as the exponent says.
double convertDecimal(const std::string &text, bool exponentNegative) {
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value,
                                     std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        return exponentNegative ? 0.0 : std::numeric_limits<double>::infinity();
    if (ec != std::errc()) return 0.0;
    return value;
}

// A number text split into its decimal digits and where the point stands: the value is
// 0.d1d2d3... × 10^point, so point is the count of digits before the decimal point.
struct Decimal {
    bool negative = false;
    std::string digits;  // no leading zeros; empty for zero
    long point = 0;
};

std::optional<Decimal> parseDecimal(std::string_view text) {
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) d.negative = text[i++] == '-';
    std::string digits;
    long intDigits = 0;
    bool seenPoint = false, any = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (isDigit(c)) {
            digits += c;
            if (!seenPoint) ++intDigits;
            any = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!any) return std::nullopt;
    long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negExp = false;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) negExp = text[i++] == '-';
        if (i >= text.size()) return std::nullopt;
        for (; i < text.size(); ++i) {
            if (!isDigit(text[i])) return std::nullopt;
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (negExp) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;
    std::size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0') ++lead;
    d.digits = digits.substr(lead);
    d.point = intDigits - static_cast<long>(lead) + exponent;
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) s += c;

    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == '&') {
        int base = 0;
        if (s[1] == 'H' || s[1] == 'h') base = 16;
        else if (s[1] == 'O' || s[1] == 'o') base = 8;
        if (base != 0) {
            double v = 0.0;
            for (i = 2; i < s.size(); ++i) {
                int d = digitValue(s[i], base);
                if (d < 0) break;
                v = v * base + d;
            }
            return v;
        }
    }

    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    std::string number;
    bool seenPoint = false, anyDigit = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (isDigit(c)) {
            number += c;
            anyDigit = true;
        } else if (c == '.' && !seenPoint) {
            number += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;

    bool exponentNegative = false;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponentNegative = s[j] == '-';
            exponent += s[j++];
        }
        std::size_t firstDigit = j;
        while (j < s.size() && isDigit(s[j])) exponent += s[j++];
        if (j > firstDigit) number += exponent;
    }
    if (number.front() == '.') number.insert(number.begin(), '0');
    double value = convertDecimal(number, exponentNegative);
    return negative ? -value : value;
}

std::optional<double> strictNumber(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::string_view body = text;
    bool negative = false;
    if (body.front() == '-' || body.front() == '+') {
        negative = body.front() == '-';
        body.remove_prefix(1);
    }
    if (body.empty() || !(isDigit(body.front()) || body.front() == '.')) return std::nullopt;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value,
                                     std::chars_format::general);
    if (ec != std::errc() || ptr != body.data() + body.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string generalText(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0) return "0";

    // 15 significant digits, d.dddddddddddddde±x
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    if (ec != std::errc()) return {};
    std::string_view sci(buf, static_cast<std::size_t>(end - buf));

    bool negative = sci.front() == '-';
    if (negative) sci.remove_prefix(1);
    std::size_t e = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, e))
        if (isDigit(c)) digits += c;
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out += digits.substr(1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        std::string ex = std::to_string(std::abs(exponent));
        if (ex.size() < 2) ex.insert(ex.begin(), '0');
        out += ex;
    } else if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    } else {
        auto intCount = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intCount) {
            out += digits;
            out.append(intCount - digits.size(), '0');
        } else {
            out += digits.substr(0, intCount);
            out += '.';
            out += digits.substr(intCount);
        }
    }
    return out;
}

std::string fixedText(std::string_view numberText, int places) {
    auto parsed = parseDecimal(numberText);
    if (!parsed || places < 0) return {};
    const Decimal &d = *parsed;

    // Digits of the value at the wanted resolution: everything up to `places` decimals.
    // Index k of `all` holds the digit of weight 10^(point-1-k) of the value 0.digits×10^point.
    long keep = d.point + places;  // how many of d.digits fall on or above the last place
    std::string kept;               // digits above the cut, without the implied leading zeros
    bool roundUp = false;
    if (keep < 0) {
        kept.clear();
    } else {
        auto k = static_cast<std::size_t>(keep);
        if (d.digits.size() > k) {
            kept = d.digits.substr(0, k);
            roundUp = d.digits[k] >= '5';
        } else {
            kept = d.digits;
            kept.append(k - d.digits.size(), '0');
        }
    }
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9') kept[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0) ++kept[static_cast<std::size_t>(i)];
        else kept.insert(kept.begin(), '1');
    }
    // kept now holds the scaled integer value × 10^places, possibly with fewer digits.
    if (kept.size() < static_cast<std::size_t>(places) + 1)
        kept.insert(0, static_cast<std::size_t>(places) + 1 - kept.size(), '0');
    std::size_t lead = 0;
    while (lead + 1 + static_cast<std::size_t>(places) < kept.size() && kept[lead] == '0') ++lead;
    kept.erase(0, lead);

    bool zero = kept.find_first_not_of('0') == std::string::npos;
    std::string out = (d.negative && !zero) ? "-" : "";
    std::size_t intCount = kept.size() - static_cast<std::size_t>(places);
    out += kept.substr(0, intCount);
    if (places > 0) {
        out += '.';
        out += kept.substr(intCount);
    }
    return out;
}

std::string fixedText(double value, int places) { return fixedText(generalText(value), places); }

std::string displayText(std::string_view kept, Places places) {
    if (places == Places::Unrounded) return std::string(kept);
    return fixedText(kept, static_cast<int>(places));
}

std::optional<WeightTexts> weightTexts(std::string_view kept, Places places, double n) {
    auto single = strictNumber(kept);
    if (!single) return std::nullopt;
    WeightTexts out;
    out.single = displayText(kept, places);
    double total = 0.0;
    if (places == Places::Unrounded) {
        total = *single * n;
    } else {
        total = strictNumber(out.single).value_or(0.0) * n;
    }
    if (!std::isfinite(total)) return std::nullopt;
    out.total = places == Places::Unrounded ? generalText(total)
                                            : fixedText(total, static_cast<int>(places));
    return out;
}

}  // namespace hanhai::shell
