// The size of the fitting a bundle of cables passes a bulkhead or deck through: the clear area
// the cables need, then for the tray they run on the smallest fitting of each of its two series
// whose opening is at least that area, designated for the chosen height.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cabling/core/cables.h"
#include "cabling/core/catalogues.h"

namespace hanhai::cabling {

enum class Fitting {
    Frame,  // 电缆框: non-watertight, horizontal
    Tube,   // 电缆筒: watertight, vertical
    Box,    // 电缆盒: watertight, horizontal
};

inline constexpr std::string_view kTrayWidthWrong =
    "输入的托架宽度不对，请正确输入托架的宽度，本程序只适用于宽度为150或200或300或400或500或600的单层或双层托架的估算";
inline constexpr std::string_view kFrameHeightWrong = "选择的电缆框高度不对，应选择H=75或H=150";
inline constexpr std::string_view kNone = "无";

struct FittingInputs {
    std::string typeText;  // the type-count list's text as it stands
    Cables cables;         // rows not shown are empty: 0 and 0
    double trayWidth = 0;  // B, mm
    std::string heightText;  // the height list's text as it stands
};

// What one estimate writes, field by field: a field without a value keeps its text. The message
// is shown after everything is written.
struct FittingEstimate {
    std::optional<double> area;  // A, mm²
    bool areaEmptied = false;    // no type count chosen: the previous area goes
    std::optional<std::string> designationA;  // "YK50x75 CB/T3667.1-1995", or "无"
    std::optional<std::string> designationB;
    std::string message;
    bool invalid = false;  // the area is not a finite number: nothing is written
};

// The height list of a fitting: "H=40", "H=75", "H=150" for frames, "H=250", "H=450" for
// tubes, "H=215", "H=300" for boxes.
std::span<const std::string_view> heightEntries(Fitting fitting);

// "TK200x110" at "H=150": "TK200x110x150 CB/T3667.1-1995".
std::string designation(std::string_view name, std::string_view heightEntry);

FittingEstimate estimateFitting(Fitting fitting, const FittingInputs &in);

}  // namespace hanhai::cabling
