// The section catalogues: theoretical mass per metre of the rolled sections, keyed by the
// exact, whole text shown in their drop-downs; and the checkered plate's mass per square metre.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace hanhai::steel {

struct CatalogueRow {
    std::string_view label;  // as listed, e.g. "[ 100x48x5.3", "L50x50x5", "*□11"
    double kgPerMetre;
};

std::span<const CatalogueRow> channelCatalogue();       // 槽钢
std::span<const CatalogueRow> iBeamCatalogue();         // 工字钢
std::span<const CatalogueRow> equalAngleCatalogue();    // 等边角钢
std::span<const CatalogueRow> unequalAngleCatalogue();  // 不等边角钢
std::span<const CatalogueRow> bulbFlatCatalogue();      // 球扁钢
std::span<const CatalogueRow> squareBarCatalogue();     // 方钢

// The row whose label equals the text exactly (case, blanks and "*" included).
std::optional<double> massPerMetre(std::span<const CatalogueRow> catalogue, std::string_view label);

// Weight of one piece of length L mm: (L × w) × 10⁻³ kg; nothing when no label matches.
std::optional<double> sectionWeight(std::span<const CatalogueRow> catalogue, std::string_view label, double L);

// Checkered plate: patterns in list order ("扁豆形", "菱形", "圆豆形"), thicknesses in table
// order ("2.5厚" ... "8.0厚").
std::span<const std::string_view> checkeredPatterns();
std::span<const std::string_view> checkeredThicknesses();
std::optional<double> checkeredMass(std::string_view thickness, std::string_view pattern);  // kg/m²
// (L × w × W) × 10⁻⁶ kg for L and W in mm; nothing when either text names no row or column.
std::optional<double> checkeredPlateWeight(std::string_view thickness, std::string_view pattern, double L, double W);

}  // namespace hanhai::steel
