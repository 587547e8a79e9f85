// The number rules every field goes through, fed arbitrary bytes: nothing may crash or trip a
// sanitizer, a number written by the general text reads back as itself to 15 digits, and no
// text the program would show is inf, nan or a negative zero.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shell/core/numbers.h"

using namespace hanhai::shell;

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool shownWell(const std::string &text) {
    if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos) return false;
    if (text.empty() || text[0] != '-') return true;
    return text.find_first_not_of("-0.") != std::string::npos;  // "-0", "-0.00" never
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size == 0) return 0;
    const int places = data[0] % 8;
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);

    const double lenient = leadingNumber(text);
    (void)strictNumber(text);

    const std::string general = generalText(lenient);
    require(shownWell(general));
    if (std::isfinite(lenient)) {
        const auto back = strictNumber(general);
        require(back.has_value());
        require(*back == lenient || std::abs(*back - lenient) <= 1e-14 * std::abs(lenient));
    } else {
        require(general.empty());
    }

    require(shownWell(fixedText(general, places)));
    require(shownWell(fixedText(text, places)));
    require(shownWell(displayText(general, Places::Two)));
    if (auto w = weightTexts(general, Places::Two, leadingNumber(text.substr(text.size() / 2)))) {
        require(shownWell(w->single));
        require(shownWell(w->total));
    }
    return 0;
}
