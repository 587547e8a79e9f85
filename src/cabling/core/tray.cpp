#include "cabling/core/tray.h"

#include <algorithm>
#include <cmath>

namespace hanhai::cabling {

namespace {

constexpr int kTrayWidths[] = {150, 200, 300, 400, 500, 600};

constexpr double kGap = 25;             // mm between bundles, and at both edges
constexpr double kFlatBarDiameter = 20;  // thicker cables always need a tray
constexpr double kFlatBarCables = 6;     // fewer thinner cables go on a flat bar
constexpr double kTwoLayerDiameter = 16.3;  // from here on cables may lie in two layers
constexpr double kNarrowest = 100;       // a narrower estimate needs no tray

TrayEstimate stop(std::string_view message) {
    TrayEstimate e;
    e.message = std::string(message);
    return e;
}

}  // namespace

std::span<const int> standardTrayWidths() { return kTrayWidths; }

TrayEstimate estimateTrayWidth(const TrayInputs &in) {
    const std::optional<int> k = typeCount(in.typeText);
    if (!k) {
        TrayEstimate e = stop(kChooseTypeCount);
        e.resultEmptied = true;
        return e;
    }
    if (in.bundles < 1) return stop(kBundlesWrong);
    if (missingDiameter(in.cables, *k)) return stop(kCheckDiameters);

    // Every row counts from here on, shown or not (a row not shown is empty).
    double cables = 0, sum = 0;
    bool thick = false, twoLayers = false;
    for (const Cable &c : in.cables) {
        cables += c.count;
        sum += c.count * c.diameter;
        thick = thick || c.diameter > kFlatBarDiameter;
        twoLayers = twoLayers || c.diameter >= kTwoLayerDiameter;
    }
    if (!thick && cables < kFlatBarCables) return stop(kUseFlatBar);
    if (twoLayers) sum *= 0.5;

    TrayEstimate e;
    const double W = sum + (in.bundles + 1) * kGap;
    if (!std::isfinite(W)) {
        e.invalid = true;
        return e;
    }
    e.estimate = W;
    if (W < kNarrowest) {
        e.message = std::string(kTrayTooNarrow);
        return e;
    }
    const int *width = std::find_if(std::begin(kTrayWidths), std::end(kTrayWidths), [W](int w) { return W <= w; });
    if (width == std::end(kTrayWidths)) e.message = std::string(kUseDoubleTray);
    else e.width = *width;
    return e;
}

}  // namespace hanhai::cabling
