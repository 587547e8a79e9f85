// (being written)
#include "steel/core/catalogues.h"

namespace hanhai::steel {

std::span<const CatalogueRow> channelCatalogue() { return {}; }
std::span<const CatalogueRow> iBeamCatalogue() { return {}; }
std::span<const CatalogueRow> equalAngleCatalogue() { return {}; }
std::span<const CatalogueRow> unequalAngleCatalogue() { return {}; }
std::span<const CatalogueRow> bulbFlatCatalogue() { return {}; }
std::span<const CatalogueRow> squareBarCatalogue() { return {}; }
std::optional<double> massPerMetre(std::span<const CatalogueRow>, std::string_view) { return std::nullopt; }
std::optional<double> sectionWeight(std::span<const CatalogueRow>, std::string_view, double) { return std::nullopt; }
std::span<const std::string_view> checkeredPatterns() { return {}; }
std::span<const std::string_view> checkeredThicknesses() { return {}; }
std::optional<double> checkeredMass(std::string_view, std::string_view) { return std::nullopt; }
std::optional<double> checkeredPlateWeight(std::string_view, std::string_view, double, double) { return std::nullopt; }

}  // namespace hanhai::steel
