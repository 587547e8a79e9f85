// The desk calculator's key machine fed random key strings: keys of the table, characters
// typed on the keyboard and angle units, in any order. Nothing may crash or trip a sanitizer,
// the display never shows inf or nan, and what it keeps stays a finite number.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "tools/core/desk_calculator_keys.h"

using namespace hanhai::tools;

namespace {

bool shownWell(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const auto keys = deskKeys();
    DeskCalculator calculator(7);
    for (std::size_t i = 0; i < size && i < 400; ++i) {
        const std::uint8_t byte = data[i];
        if (byte < 0xC0) {
            const DeskKey &key = keys[byte % keys.size()];
            if (key.action) key.action(calculator);
        } else if (byte < 0xFC) {
            static constexpr char kTyped[] = " 0123456789.+-*/%=^\r\n\b\x1b()eEaApP!";
            calculator.typed(static_cast<char32_t>(kTyped[byte % (sizeof kTyped - 1)]));
        } else {
            calculator.setAngleUnit(static_cast<AngleUnit>(byte % 3));
        }
        if (!shownWell(calculator.display()) || !shownWell(calculator.entry()) ||
            !std::isfinite(calculator.accumulator()) || !std::isfinite(calculator.memory()))
            std::abort();
    }
    return 0;
}
