#include "cabling/core/cables.h"

#include <algorithm>

namespace hanhai::cabling {

namespace {

constexpr std::string_view kTypeCounts[kCableRows] = {
    "单种型号电缆",     "2种不同型号电缆", "3种不同型号电缆", "4种不同型号电缆", "5种不同型号电缆",
    "6种不同型号电缆", "7种不同型号电缆", "8种不同型号电缆", "9种不同型号电缆", "10种不同型号电缆",
};

}  // namespace

std::span<const std::string_view> typeCountEntries() { return kTypeCounts; }

std::optional<int> typeCount(std::string_view text) {
    const auto *entry = std::find(std::begin(kTypeCounts), std::end(kTypeCounts), text);
    if (entry == std::end(kTypeCounts)) return std::nullopt;
    return static_cast<int>(entry - std::begin(kTypeCounts)) + 1;
}

bool missingDiameter(const Cables &cables, int k) {
    const int shown = std::clamp(k, 0, kCableRows);
    return std::any_of(cables.begin(), cables.begin() + shown, [](const Cable &c) { return c.diameter <= 0; });
}

}  // namespace hanhai::cabling
