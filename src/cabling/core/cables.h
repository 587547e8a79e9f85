// The cable rows every cable routing estimate starts from: up to ten cable types, each with its
// largest outside diameter and its number of cables, and the list that says how many types
// are in use.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace hanhai::cabling {

inline constexpr int kCableRows = 10;

struct Cable {
    double diameter = 0;  // the largest outside diameter Di, mm
    double count = 0;     // ci, the number of cables of this type
};
using Cables = std::array<Cable, kCableRows>;

inline constexpr std::string_view kChooseTypeCount = "请先选择电缆型号的数量";
inline constexpr std::string_view kCheckDiameters = "请检查电缆的最大外径是否输入正确";

// The ten entries of the type-count list: "单种型号电缆", "2种不同型号电缆" … "10种不同型号电缆".
std::span<const std::string_view> typeCountEntries();

// The number of cable types an entry names (1 … 10); nothing for any other text.
std::optional<int> typeCount(std::string_view text);

// Whether one of the first k rows has a diameter of 0 or less.
bool missingDiameter(const Cables &cables, int k);

}  // namespace hanhai::cabling
