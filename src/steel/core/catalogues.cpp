// The section catalogues and the checkered plate table.
#include "steel/core/catalogues.h"

#include <array>
#include <iterator>

namespace hanhai::steel {

namespace {

// Every catalogue is listed in drop-down order; masses are theoretical kg/m.

// Hot-rolled channels (GB707-88): "[ " H x B x D.
constexpr CatalogueRow kChannels[] = {
    {"[ 50x37x4.5", 5.438},
    {"[ 63x40x4.8", 6.634},
    {"[ 65x40x4.8", 6.709},
    {"[ 80x43x5.0", 8.045},
    {"[ 100x48x5.3", 10.007},
    {"[ 120x53x5.5", 12.059},
    {"[ 126x53x5.5", 12.318},
    {"[ 140x58x6.0", 14.535},
    {"[ 140x60x8.0", 16.733},
    {"[ 160x63x6.5", 17.24},
    {"[ 160x65x8.5", 19.752},
    {"[ 180x68x7.0", 20.174},
    {"[ 180x70x9.0", 23.0},
    {"[ 200x73x7.0", 22.637},
    {"[ 200x75x9.0", 25.777},
    {"[ 220x77x7.0", 24.999},
    {"[ 220x79x9.0", 28.453},
    {"[ 240x78x7.0", 26.86},
    {"[ 240x80x9.0", 30.628},
    {"[ 240x82x11.0", 34.396},
    {"[ 250x78x7.0", 27.41},
    {"[ 250x80x9.0", 31.335},
    {"[ 250x82x11.0", 35.26},
    {"[ 270x82x7.5", 30.838},
    {"[ 270x84x9.5", 35.077},
    {"[ 270x86x11.5", 39.316},
    {"[ 280x82x7.5", 31.427},
    {"[ 280x84x9.5", 35.823},
    {"[ 280x86x11.5", 40.219},
    {"[ 300x85x7.5", 34.463},
    {"[ 300x87x9.5", 39.173},
    {"[ 300x89x11.5", 43.883},
    {"[ 320x88x8.0", 38.083},
    {"[ 320x90x10.0", 43.107},
    {"[ 320x92x12.0", 48.131},
    {"[ 360x96x9.0", 47.814},
    {"[ 360x98x11.0", 53.466},
    {"[ 360x100x13.0", 59.118},
    {"[ 400x100x10.5", 58.928},
    {"[ 400x102x12.5", 65.208},
    {"[ 400x104x14.5", 71.488},
};

// Hot-rolled I-beams (GB706-88): "工" H x B x D. The labels are kept as listed, with or
// without a decimal part, and both 550 rows with flange 168.
constexpr CatalogueRow kIBeams[] = {
    {"工100x68x4.5", 11.261},
    {"工120x74x5.0", 13.987},
    {"工126x74x5", 14.223},
    {"工140x80x5.5", 16.89},
    {"工160x88x6.0", 20.513},
    {"工180x94x6.5", 24.143},
    {"工200x100x7.0", 27.929},
    {"工200x102x9.0", 31.069},
    {"工220x110x7.5", 33.07},
    {"工220x112x9.5", 36.524},
    {"工240x116x8.0", 37.477},
    {"工240x118x10.0", 41.245},
    {"工250x116x8", 38.105},
    {"工250x118x10", 42.03},
    {"工270x122x8.5", 42.825},
    {"工270x124x10.5", 47.064},
    {"工280x122x8.5", 43.492},
    {"工280x124x10.5", 47.888},
    {"工300x126x9.0", 48.084},
    {"工300x128x11.0", 52.794},
    {"工300x130x13.0", 57.504},
    {"工320x130x9.5", 52.777},
    {"工320x132x11.5", 57.741},
    {"工320x134x13.5", 62.765},
    {"工360x136x10.0", 60.037},
    {"工360x138x12.0", 65.689},
    {"工360x140x14.0", 71.341},
    {"工400x142x10.5", 67.598},
    {"工400x144x12.5", 73.878},
    {"工400x146x14.5", 80.158},
    {"工450x150x11.5", 80.42},
    {"工450x152x13.5", 87.485},
    {"工450x154x15.5", 94.55},
    {"工500x158x12.0", 93.654},
    {"工500x160x14.0", 101.504},
    {"工500x162x16.0", 109.354},
    {"工550x168x12.5", 105.335},
    {"工550x168x14.5", 113.97},
    {"工550x170x16.5", 122.605},
    {"工560x166x12.5", 106.316},
    {"工560x168x14.5", 115.108},
    {"工560x170x16.5", 123.9},
    {"工630x176x13.0", 121.407},
    {"工630x178x15.0", 131.298},
    {"工630x180x17.0", 141.189},
};

// Hot-rolled equal-leg angles (GB9787-88): "L" b x b x d.
constexpr CatalogueRow kEqualAngles[] = {
    {"L20x20x3", 0.889},
    {"L20x20x4", 1.145},
    {"L25x25x3", 1.124},
    {"L25x25x4", 1.459},
    {"L30x30x3", 1.373},
    {"L30x30x4", 1.786},
    {"L36x36x3", 1.656},
    {"L36x36x4", 2.163},
    {"L36x36x5", 2.654},
    {"L40x40x3", 1.852},
    {"L40x40x4", 2.442},
    {"L40x40x5", 2.976},
    {"L45x45x3", 2.088},
    {"L45x45x4", 2.736},
    {"L45x45x5", 3.369},
    {"L45x45x6", 3.985},
    {"L50x50x3", 2.332},
    {"L50x50x4", 3.059},
    {"L50x50x5", 3.77},
    {"L50x50x6", 4.465},
    {"L56x56x3", 2.624},
    {"L56x56x4", 3.446},
    {"L56x56x5", 4.251},
    {"L56x56x6", 5.04},  // the theoretical mass of a 56 x 56 x 6 angle
    {"L63x63x4", 3.907},
    {"L63x63x5", 4.822},
    {"L63x63x6", 5.721},
    {"L63x63x8", 7.469},
    {"L63x63x10", 9.151},
    {"L70x70x4", 4.372},
    {"L70x70x5", 5.397},
    {"L70x70x6", 6.406},
    {"L70x70x7", 7.398},
    {"L70x70x8", 8.373},
    {"L75x75x5", 5.818},
    {"L75x75x6", 6.905},
    {"L75x75x7", 7.976},
    {"L75x75x8", 9.03},
    {"L75x75x10", 11.089},
    {"L80x80x5", 6.211},
    {"L80x80x6", 7.376},
    {"L80x80x7", 8.525},
    {"L80x80x8", 9.658},
    {"L80x80x10", 11.874},
    {"L90x90x6", 8.35},
    {"L90x90x7", 9.656},
    {"L90x90x8", 10.946},
    {"L90x90x10", 13.476},
    {"L90x90x12", 15.94},
    {"L100x100x6", 9.366},
    {"L100x100x7", 10.83},
    {"L100x100x8", 12.276},
    {"L100x100x10", 15.12},
    {"L100x100x12", 17.898},
    {"L100x100x14", 20.611},
    {"L100x100x16", 23.257},
    {"L110x110x7", 11.928},
    {"L110x110x8", 13.532},
    {"L110x110x10", 16.69},
    {"L110x110x12", 19.782},
    {"L110x110x14", 22.809},
    {"L125x125x8", 15.504},
    {"L125x125x10", 19.133},
    {"L125x125x12", 22.696},
    {"L125x125x14", 26.193},
    {"L140x140x10", 21.488},
    {"L140x140x12", 25.522},
    {"L140x140x14", 29.49},
    {"L140x140x16", 33.39},
    {"L160x160x10", 24.729},
    {"L160x160x12", 29.391},
    {"L160x160x14", 33.987},
    {"L160x160x16", 38.518},
    {"L180x180x12", 33.159},
    {"L180x180x14", 38.383},
    {"L180x180x16", 43.542},
    {"L180x180x18", 48.634},
    {"L200x200x14", 42.894},
    {"L200x200x16", 48.68},
    {"L200x200x18", 54.401},
    {"L200x200x20", 60.056},
    {"L200x200x24", 71.168},
};

// Hot-rolled unequal-leg angles (GB9788-88): "L" B x b x d.
constexpr CatalogueRow kUnequalAngles[] = {
    {"L25x16x3", 0.912},
    {"L25x16x4", 1.176},
    {"L32x20x3", 1.171},
    {"L32x20x4", 1.522},
    {"L40x25x3", 1.484},
    {"L40x25x4", 1.936},
    {"L45x28x3", 1.687},
    {"L45x28x4", 2.203},
    {"L50x32x3", 1.908},
    {"L50x32x4", 2.494},
    {"L56x36x3", 2.153},
    {"L56x36x4", 2.818},
    {"L56x36x5", 3.466},
    {"L63x40x4", 3.185},
    {"L63x40x5", 3.92},
    {"L63x40x6", 4.638},
    {"L63x40x7", 5.339},
    {"L70x45x4", 3.57},
    {"L70x45x5", 4.403},
    {"L70x45x6", 5.218},
    {"L70x45x7", 6.011},
    {"L75x50x5", 4.808},
    {"L75x50x6", 5.699},
    {"L75x50x8", 7.431},
    {"L75x50x10", 9.098},
    {"L80x50x5", 5.005},
    {"L80x50x6", 5.935},
    {"L80x50x7", 6.848},
    {"L80x50x8", 7.745},
    {"L90x56x5", 5.661},
    {"L90x56x6", 6.717},
    {"L90x56x7", 7.756},
    {"L90x56x8", 8.779},
    {"L100x63x6", 7.55},
    {"L100x63x7", 8.722},
    {"L100x63x8", 9.878},
    {"L100x63x10", 12.142},
    {"L100x80x6", 8.35},
    {"L100x80x7", 9.656},
    {"L100x80x8", 10.946},
    {"L100x80x10", 13.476},
    {"L110x70x6", 8.35},
    {"L110x70x7", 9.656},
    {"L110x70x8", 10.946},
    {"L110x70x10", 13.476},
    {"L125x80x7", 11.066},
    {"L125x80x8", 12.551},
    {"L125x80x10", 15.474},
    {"L125x80x12", 18.33},
    {"L140x90x8", 14.16},
    {"L140x90x10", 17.475},
    {"L140x90x12", 20.724},
    {"L140x90x14", 23.908},
    {"L160x100x10", 19.872},
    {"L160x100x12", 23.592},
    {"L160x100x14", 27.247},
    {"L160x100x16", 30.835},
    {"L180x110x10", 22.273},
    {"L180x110x12", 26.464},
    {"L180x110x14", 30.589},
    {"L180x110x16", 34.649},
    {"L200x125x12", 29.761},
    {"L200x125x14", 34.436},
    {"L200x125x16", 39.045},
    {"L200x125x18", 43.588},
};

// Bulb flats: "HP" a x s.
constexpr CatalogueRow kBulbFlats[] = {
    {"HP60x4", 2.81},
    {"HP60x5", 3.28},
    {"HP60x6", 3.75},
    {"HP80x5", 4.24},
    {"HP80x6", 4.87},
    {"HP80x7", 5.5},
    {"HP100x6", 6.08},
    {"HP100x7", 6.86},
    {"HP100x8", 7.65},
    {"HP120x6", 7.31},
    {"HP120x7", 8.25},
    {"HP120x8", 9.19},
    {"HP140x7", 9.74},
    {"HP140x8", 10.8},
    {"HP140x9", 11.9},
    {"HP160x7", 11.4},
    {"HP160x8", 12.7},
    {"HP160x9", 14.0},
    {"HP180x8", 14.8},
    {"HP180x9", 16.2},
    {"HP180x10", 17.6},
    {"HP200x9", 18.5},
    {"HP200x10", 20.1},
    {"HP200x11.5", 22.5},
    {"HP220x10", 22.8},
    {"HP220x11.5", 25.4},
    {"HP240x10", 25.4},
    {"HP240x11", 27.4},
    {"HP240x12", 29.3},
    {"HP260x10", 28.3},
    {"HP260x11", 30.3},
    {"HP260x12", 32.4},
    {"HP280x11", 33.5},
    {"HP280x12", 35.7},
    {"HP300x11", 36.7},
    {"HP300x12", 39.0},
    {"HP300x13", 41.5},
    {"HP320x12", 42.5},
    {"HP320x13", 45.0},
    {"HP340x12", 46.1},
    {"HP340x14", 51.5},
    {"HP370x13", 54.6},
    {"HP370x15", 60.5},
    {"HP400x14", 63.9},
    {"HP400x16", 70.2},
    {"HP430x15", 73.9},
    {"HP430x17", 80.6},
};

// Square bars: "□" A; the uncommon sizes carry a leading "*", which is part of the label.
constexpr CatalogueRow kSquareBars[] = {
    {"□5.5", 0.237},
    {"□6", 0.283},
    {"□6.5", 0.332},
    {"□7", 0.385},
    {"□8", 0.502},
    {"□9", 0.636},
    {"□10", 0.785},
    {"*□11", 0.95},
    {"□12", 1.13},
    {"□13", 1.33},
    {"□14", 1.54},
    {"□15", 1.77},
    {"□16", 2.01},
    {"□17", 2.27},
    {"□18", 2.54},
    {"□19", 2.83},
    {"□20", 3.14},
    {"□21", 3.46},
    {"□22", 3.8},
    {"*□23", 4.15},
    {"□24", 4.52},
    {"□25", 4.91},
    {"□26", 5.31},
    {"*□27", 5.72},
    {"□28", 6.15},
    {"*□29", 6.6},
    {"□30", 7.06},
    {"*□31", 7.54},
    {"□32", 8.04},
    {"*□33", 8.55},
    {"□34", 9.07},
    {"*□35", 9.62},
    {"□36", 10.2},
    {"□38", 11.3},
    {"□40", 12.6},
    {"□42", 13.8},
    {"□45", 15.9},
    {"□48", 18.1},
    {"□50", 19.6},
    {"□53", 22.0},
    {"*□55", 23.7},
    {"□56", 24.6},
    {"*□58", 26.4},
    {"□60", 28.3},
    {"□63", 31.2},
    {"*□65", 33.2},
    {"*□68", 36.3},
    {"□70", 38.5},
    {"□75", 44.2},
    {"□80", 50.2},
    {"□85", 56.7},
    {"□90", 63.6},
    {"□95", 70.8},
    {"□100", 78.5},
    {"□105", 86.5},
    {"□110", 95.0},
    {"□115", 104.0},
    {"□120", 113.0},
    {"□125", 123.0},
    {"□130", 133.0},
    {"□140", 154.0},
    {"□150", 177.0},
    {"□160", 201.0},
    {"□170", 227.0},
    {"□180", 254.0},
    {"□190", 283.0},
    {"□200", 314.0},
};

static_assert(std::size(kChannels) == 41);
static_assert(std::size(kIBeams) == 45);
static_assert(std::size(kEqualAngles) == 82);
static_assert(std::size(kUnequalAngles) == 65);
static_assert(std::size(kBulbFlats) == 47);
static_assert(std::size(kSquareBars) == 67);

// Checkered plate, kg/m² by nominal thickness and pattern.
struct CheckeredRow {
    std::string_view thickness;
    double rhombic;  // 菱形
    double lentil;   // 扁豆形
    double bean;     // 圆豆形
};

constexpr CheckeredRow kCheckered[] = {
    {"2.5厚", 21.6, 21.3, 21.1},
    {"3.0厚", 25.6, 24.4, 24.3},
    {"3.5厚", 29.5, 28.4, 28.3},
    {"4.0厚", 33.4, 32.4, 32.3},
    {"4.5厚", 37.3, 36.4, 36.2},
    {"5.0厚", 42.3, 40.5, 40.2},
    {"5.5厚", 46.2, 44.3, 44.1},
    {"6.0厚", 50.1, 48.4, 48.1},
    {"7.0厚", 59.0, 52.6, 52.4},
    {"8.0厚", 66.8, 56.4, 56.2},
};

// The pattern drop-down's order.
constexpr std::array<std::string_view, 3> kPatterns = {"扁豆形", "菱形", "圆豆形"};

constexpr std::array<std::string_view, std::size(kCheckered)> kThicknesses = [] {
    std::array<std::string_view, std::size(kCheckered)> texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = kCheckered[i].thickness;
    return texts;
}();

}  // namespace

std::span<const CatalogueRow> channelCatalogue() { return kChannels; }
std::span<const CatalogueRow> iBeamCatalogue() { return kIBeams; }
std::span<const CatalogueRow> equalAngleCatalogue() { return kEqualAngles; }
std::span<const CatalogueRow> unequalAngleCatalogue() { return kUnequalAngles; }
std::span<const CatalogueRow> bulbFlatCatalogue() { return kBulbFlats; }
std::span<const CatalogueRow> squareBarCatalogue() { return kSquareBars; }

std::optional<double> massPerMetre(std::span<const CatalogueRow> catalogue, std::string_view label) {
    for (const CatalogueRow& row : catalogue)
        if (row.label == label) return row.kgPerMetre;
    return std::nullopt;
}

std::optional<double> sectionWeight(std::span<const CatalogueRow> catalogue, std::string_view label, double L) {
    const std::optional<double> w = massPerMetre(catalogue, label);
    if (!w) return std::nullopt;
    return (L * *w) * 1e-3;
}

std::span<const std::string_view> checkeredPatterns() { return kPatterns; }
std::span<const std::string_view> checkeredThicknesses() { return kThicknesses; }

std::optional<double> checkeredMass(std::string_view thickness, std::string_view pattern) {
    for (const CheckeredRow& row : kCheckered) {
        if (row.thickness != thickness) continue;
        if (pattern == "菱形") return row.rhombic;
        if (pattern == "扁豆形") return row.lentil;
        if (pattern == "圆豆形") return row.bean;
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<double> checkeredPlateWeight(std::string_view thickness, std::string_view pattern, double L, double W) {
    const std::optional<double> w = checkeredMass(thickness, pattern);
    if (!w) return std::nullopt;
    return ((L * *w) * W) * 1e-6;
}

}  // namespace hanhai::steel
