// How every screen reads, keeps and shows numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hanhai::shell {

// The lenient read of every input field: blanks anywhere are skipped, an optional sign,
// digits with at most one ".", an optional exponent (E or D), "&H"/"&O" for hexadecimal and
// octal whole numbers; reading stops at the first character that cannot continue the number,
// and a text without a number at its start reads as 0.
double leadingNumber(std::string_view text);

// The whole text must be a number (as written by generalText or fixedText); nothing else.
std::optional<double> strictNumber(std::string_view text);

// A double in up to 15 significant digits: no trailing zeros, no point for whole values,
// exponent form ("1E-05", "1.5E+300") below 1E-04 and from 1E+15 up. Zero has no sign.
// Non-finite values have no text: the result is empty.
std::string generalText(double value);

// Fixed decimals ("0", "0.0", "0.00", "0.000" ...): rounds the decimal value of a number text
// (a kept result) half away from zero, so "1.005" gives "1.01" with two places. A value that
// rounds to zero has no minus sign. An empty or unreadable text gives the empty text.
std::string fixedText(std::string_view numberText, int places);

// The same for a computed double: it is first written as its general text.
std::string fixedText(double value, int places);

// The decimal-places group: three fixed patterns, or the kept result unchanged.
enum class Places { One = 1, Two = 2, Three = 3, Unrounded = 0 };

// The kept result as the chosen option shows it.
std::string displayText(std::string_view kept, Places places);

// The single-and-total weight display: the total is n times the single weight as shown
// (rounded), or n times the kept result when unrounded. Empty when the kept result is empty
// or the total is not a finite number.
struct WeightTexts {
    std::string single;
    std::string total;
};
std::optional<WeightTexts> weightTexts(std::string_view kept, Places places, double n);

}  // namespace hanhai::shell
