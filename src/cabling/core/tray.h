// The width of a U-shaped cable tray for up to ten cable types: the cables side by side, halved
// for thick cables that may lie in two layers, plus 25 mm for every gap between the bundles,
// rounded up to the next standard tray width.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "cabling/core/cables.h"

namespace hanhai::cabling {

inline constexpr std::string_view kBundlesWrong = "输入的预估束数有误";
inline constexpr std::string_view kUseFlatBar = "电缆数量太少，不需要用托架，请改用扁铁条";
inline constexpr std::string_view kTrayTooNarrow =
    "所需托架宽度太小，请不要用托架，请改用扁铁条,若电缆太粗而无法用扁铁条应并入其它电缆或用其它方法安装";
inline constexpr std::string_view kUseDoubleTray = "请改用双层托架，或改为I型托架等";

struct TrayInputs {
    std::string typeText;  // the type-count list's text as it stands
    Cables cables;         // rows not shown are empty: 0 and 0
    double bundles = 0;    // S, the estimated number of bundles
};

struct TrayEstimate {
    std::optional<int> width;  // the standard width chosen, mm
    std::string message;       // why no width is given
    bool resultEmptied = false;  // no type count chosen: the previous width goes too
    bool invalid = false;        // the estimate is not a finite number
    std::optional<double> estimate;  // W, mm, once computed
};

// The standard tray widths, narrowest first: 150, 200, 300, 400, 500, 600 mm.
std::span<const int> standardTrayWidths();

TrayEstimate estimateTrayWidth(const TrayInputs &in);

}  // namespace hanhai::cabling
