// The cable fittings of CB/T3667.1-1995 that the estimates choose from: frames for
// non-watertight horizontal passages, tubes for watertight vertical ones and boxes for
// watertight horizontal ones. For every standard tray width there are two series of fittings,
// each ordered by increasing opening area.
#pragma once

#include <span>
#include <string_view>

namespace hanhai::cabling {

// An opening: a circle of diameter d, or (d = 0) an obround slot of overall length w and
// width h with semicircular ends. mm.
struct Opening {
    double d = 0;
    double w = 0;
    double h = 0;
};

// The clear area of an opening, mm²: (π/4)·d², or ((π/4 − 1)·h + w)·h for a slot (the w × h
// rectangle less the corners cut off by the round ends).
double openingArea(const Opening &opening);

// The two result fields a series writes its choice into: 标准号A and 标准号B.
enum class Slot { A, B };

// A cable frame (YK circular, TK obround) of the series A or B of its tray width.
struct Frame {
    int tray;  // mm
    Slot series;
    std::string_view name;  // "YK32", "TK200x110"
    Opening opening;
    double listedArea;  // mm², as the standard prints it; the choice uses openingArea
};

// A cable tube and the cable box of the same opening. Each tray width has a first and a second
// series, evaluated in that order, each writing into its own result field.
struct TubeAndBox {
    int tray;  // mm
    int series;  // 1 or 2
    Slot slot;
    std::string_view tube;  // "HT100x40"
    std::string_view box;   // "仿BH100x40"
    Opening opening;
    double listedArea;  // mm²
};

std::span<const Frame> frameCatalogue();
std::span<const TubeAndBox> tubeAndBoxCatalogue();

// The tray widths the catalogues serve, narrowest first, with the length L of the longest
// fitting of the tray's last series (named when even that is too small).
struct TrayFittings {
    int tray;
    int longest;
};
std::span<const TrayFittings> fittingTrays();

}  // namespace hanhai::cabling
