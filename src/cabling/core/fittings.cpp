#include "cabling/core/fittings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace hanhai::cabling {

namespace {

constexpr std::string_view kFrameHeights[] = {"H=40", "H=75", "H=150"};
constexpr std::string_view kTubeHeights[] = {"H=250", "H=450"};
constexpr std::string_view kBoxHeights[] = {"H=215", "H=300"};

// Frames are made in the lowest height for the two narrowest trays only.
constexpr std::string_view kLowFrame = "H=40";
constexpr int kWidestLowFrameTray = 200;

std::string_view noun(Fitting f) {
    switch (f) {
    case Fitting::Frame: return "电缆框";
    case Fitting::Tube: return "电缆筒";
    case Fitting::Box: return "电缆盒";
    }
    return {};
}

// Cables fill the opening of a frame to one half, of a watertight fitting to three tenths.
double fill(Fitting f) { return f == Fitting::Frame ? 0.5 : 0.3; }

std::string chooseHeight(Fitting f) { return "请先选择" + std::string(noun(f)) + "的高度H"; }

std::string beyondLongest(Fitting f, const TrayFittings &tray) {
    const std::string n(noun(f));
    const std::string advice = tray.tray == fittingTrays().back().tray ? "请改用双" + n : "请凭经验选其它长度的" + n;
    return "无法用L=" + std::to_string(tray.longest) + "的" + n + "，本程序无法计算，" + advice;
}

struct Member {
    std::string_view name;
    double area;
};

struct Series {
    Slot slot = Slot::A;
    std::vector<Member> members;  // by increasing area
};

// The tray's two series in the order they are evaluated.
std::array<Series, 2> seriesOf(Fitting f, int tray) {
    std::array<Series, 2> series;
    if (f == Fitting::Frame) {
        series[1].slot = Slot::B;
        for (const Frame &frame : frameCatalogue())
            if (frame.tray == tray)
                series[frame.series == Slot::A ? 0 : 1].members.push_back({frame.name, openingArea(frame.opening)});
        return series;
    }
    for (const TubeAndBox &t : tubeAndBoxCatalogue()) {
        if (t.tray != tray) continue;
        Series &s = series[t.series == 1 ? 0 : 1];
        s.slot = t.slot;
        s.members.push_back({f == Fitting::Tube ? t.tube : t.box, openingArea(t.opening)});
    }
    return series;
}

}  // namespace

std::span<const std::string_view> heightEntries(Fitting f) {
    switch (f) {
    case Fitting::Frame: return kFrameHeights;
    case Fitting::Tube: return kTubeHeights;
    case Fitting::Box: return kBoxHeights;
    }
    return {};
}

std::string designation(std::string_view name, std::string_view heightEntry) {
    const std::string_view height = heightEntry.substr(std::min(heightEntry.size(), std::string_view("H=").size()));
    return std::string(name) + "x" + std::string(height) + " CB/T3667.1-1995";
}

FittingEstimate estimateFitting(Fitting f, const FittingInputs &in) {
    FittingEstimate e;
    const std::optional<int> k = typeCount(in.typeText);
    if (!k) {
        e.areaEmptied = true;
        e.message = std::string(kChooseTypeCount);
        return e;
    }
    if (missingDiameter(in.cables, *k)) {
        e.message = std::string(kCheckDiameters);
        return e;
    }

    // Every row counts, shown or not (a row not shown is empty).
    double sum = 0;
    for (const Cable &c : in.cables) sum += c.count * c.diameter * c.diameter;
    const double A = sum / fill(f);
    if (!std::isfinite(A)) {
        e.invalid = true;
        return e;
    }
    e.area = A;

    const auto trays = fittingTrays();
    const auto tray = std::find_if(trays.begin(), trays.end(), [&](const TrayFittings &t) { return in.trayWidth == t.tray; });
    if (tray == trays.end()) {
        e.message = std::string(kTrayWidthWrong);
        return e;
    }
    const auto heights = heightEntries(f);
    if (std::find(heights.begin(), heights.end(), in.heightText) == heights.end()) {
        e.message = chooseHeight(f);
        return e;
    }

    const std::array<Series, 2> series = seriesOf(f, tray->tray);
    for (const Series &s : series) {
        std::optional<std::string> &field = s.slot == Slot::A ? e.designationA : e.designationB;
        const auto fits = std::find_if(s.members.begin(), s.members.end(), [A](const Member &m) { return A <= m.area; });
        if (fits == s.members.end()) {
            field = std::string(kNone);
            if (&s == &series.back()) e.message = beyondLongest(f, *tray);
            continue;
        }
        if (f == Fitting::Frame && in.heightText == kLowFrame && tray->tray > kWidestLowFrameTray) {
            e.message = std::string(kFrameHeightWrong);
            return e;
        }
        field = designation(fits->name, in.heightText);
    }
    return e;
}

}  // namespace hanhai::cabling
