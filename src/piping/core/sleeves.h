// Welded straight sleeves joining two seamless steel pipes, by the pipe's nominal bore or by
// its outside diameter. Every cell is a text, shown as it stands.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace hanhai::piping {

struct Sleeve {
    std::string_view bore;      // "无缝钢管通径DN100"
    std::string_view pipe;      // "无缝钢管外径DN114"
    std::string_view diameter;  // D, mm
    std::string_view wall;      // t, mm
    std::string_view length;    // L, mm
    std::string_view mass;      // M, kg
    std::string_view standard;  // "133x8 CB*3193-83"
};

std::span<const Sleeve> sleeveTable();

// The row whose bore text, or pipe text, equals the text exactly.
const Sleeve *sleeveByBore(std::string_view text);
const Sleeve *sleeveByPipe(std::string_view text);

}  // namespace hanhai::piping
