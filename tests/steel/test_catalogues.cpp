#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "shell/core/numbers.h"
#include "steel/core/catalogues.h"

using namespace hanhai::steel;
using hanhai::shell::generalText;
using hanhai::shell::Places;
using hanhai::shell::weightTexts;

namespace {

using Catalogue = std::span<const CatalogueRow> (*)();

struct CatalogueFacts {
    const char* name;
    Catalogue catalogue;
    std::size_t rows;
    const char* prefix;  // every label starts with it (after an optional "*")
    CatalogueRow first;
    CatalogueRow last;
    // Where the list moves on to the next column of the printed table: index and label.
    std::vector<std::pair<std::size_t, std::string_view>> columnStarts;
};

const CatalogueFacts kFacts[] = {
    {"channel", channelCatalogue, 41, "[ ", {"[ 50x37x4.5", 5.438}, {"[ 400x104x14.5", 71.488},
     {{14, "[ 200x75x9.0"}, {28, "[ 280x86x11.5"}}},
    {"ibeam", iBeamCatalogue, 45, "工", {"工100x68x4.5", 11.261}, {"工630x180x17.0", 141.189},
     {{16, "工280x122x8.5"}, {32, "工450x154x15.5"}}},
    {"equal_angle", equalAngleCatalogue, 82, "L", {"L20x20x3", 0.889}, {"L200x200x24", 71.168},
     {{21, "L56x56x4"}, {42, "L80x80x8"}, {63, "L125x125x12"}}},
    {"unequal_angle", unequalAngleCatalogue, 65, "L", {"L25x16x3", 0.912}, {"L200x125x18", 43.588},
     {{17, "L70x45x4"}, {34, "L100x63x7"}, {51, "L140x90x12"}}},
    {"bulb_flat", bulbFlatCatalogue, 47, "HP", {"HP60x4", 2.81}, {"HP430x17", 80.6},
     {{16, "HP160x8"}, {32, "HP280x11"}}},
    {"square_bar", squareBarCatalogue, 67, "□", {"□5.5", 0.237}, {"□200", 314.0},
     {{17, "□21"}, {34, "□40"}, {51, "□90"}}},
};

// The numbers in a label: "L100x63x8" gives {100, 63, 8}.
std::vector<double> sizesOf(std::string_view label) {
    std::vector<double> sizes;
    std::string number;
    auto flush = [&] {
        if (!number.empty()) sizes.push_back(std::stod(number));
        number.clear();
    };
    for (char c : label) {
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            number += c;
        else
            flush();
    }
    flush();
    return sizes;
}

std::string kept(std::optional<double> weight) { return weight ? generalText(*weight) : std::string(); }

// The single and total weight as the screen shows them.
std::pair<std::string, std::string> shown(std::optional<double> weight, Places places, double n) {
    auto texts = weightTexts(kept(weight), places, n);
    if (!texts) return {};
    return {texts->single, texts->total};
}

using Shown = std::pair<std::string, std::string>;

class CatalogueTable : public ::testing::TestWithParam<CatalogueFacts> {};

std::string catalogueName(const ::testing::TestParamInfo<CatalogueFacts>& param) { return param.param.name; }

}  // namespace

TEST_P(CatalogueTable, RowCountAndEnds) {
    const CatalogueFacts& f = GetParam();
    auto rows = f.catalogue();
    ASSERT_EQ(rows.size(), f.rows);
    EXPECT_EQ(rows.front().label, f.first.label);
    EXPECT_EQ(rows.front().kgPerMetre, f.first.kgPerMetre);
    EXPECT_EQ(rows.back().label, f.last.label);
    EXPECT_EQ(rows.back().kgPerMetre, f.last.kgPerMetre);
}

TEST_P(CatalogueTable, ListRunsDownEachColumnInTurn) {
    const CatalogueFacts& f = GetParam();
    auto rows = f.catalogue();
    for (auto [index, label] : f.columnStarts) {
        ASSERT_LT(index, rows.size());
        EXPECT_EQ(rows[index].label, label) << "row " << index;
    }
}

TEST_P(CatalogueTable, LabelsAreDistinctAndWellFormed) {
    const CatalogueFacts& f = GetParam();
    std::set<std::string_view> seen;
    for (const CatalogueRow& row : f.catalogue()) {
        EXPECT_TRUE(seen.insert(row.label).second) << "duplicate " << row.label;
        std::string_view body = row.label;
        if (body.starts_with('*')) body.remove_prefix(1);
        EXPECT_TRUE(body.starts_with(f.prefix)) << row.label;
        EXPECT_GT(row.kgPerMetre, 0.0) << row.label;
        // Every row is found by its own label, and gives its own mass.
        EXPECT_EQ(massPerMetre(f.catalogue(), row.label), row.kgPerMetre) << row.label;
    }
}

// Within one nominal size (all numbers of the label but the last), a thicker section is
// heavier; for square bars the whole list is one series by side length.
TEST_P(CatalogueTable, ThickerSectionsOfOneSizeAreHeavier) {
    const CatalogueFacts& f = GetParam();
    auto rows = f.catalogue();
    for (std::size_t i = 1; i < rows.size(); ++i) {
        auto a = sizesOf(rows[i - 1].label);
        auto b = sizesOf(rows[i].label);
        ASSERT_FALSE(a.empty());
        ASSERT_FALSE(b.empty());
        if (!std::equal(a.begin(), a.end() - 1, b.begin(), b.end() - 1)) continue;
        EXPECT_LT(a.back(), b.back()) << rows[i - 1].label << " then " << rows[i].label;
        EXPECT_LT(rows[i - 1].kgPerMetre, rows[i].kgPerMetre) << rows[i - 1].label << " then " << rows[i].label;
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogues, CatalogueTable, ::testing::ValuesIn(kFacts), catalogueName);

TEST(Catalogues, SquareBarsWeighTheirSectionAtSteelDensity) {
    // A × A mm² × 7.85 g/cm³, as the rounded catalogue values give it
    for (const CatalogueRow& row : squareBarCatalogue()) {
        double side = sizesOf(row.label).at(0);
        EXPECT_NEAR(row.kgPerMetre, side * side * 7.85e-3, side * side * 7.85e-3 * 0.01) << row.label;
    }
}

TEST(Catalogues, UncommonSquareBarsCarryTheirAsterisk) {
    const std::set<std::string_view> uncommon = {"*□11", "*□23", "*□27", "*□29", "*□31", "*□33",
                                                 "*□35", "*□55", "*□58", "*□65", "*□68"};
    std::set<std::string_view> marked;
    for (const CatalogueRow& row : squareBarCatalogue())
        if (row.label.starts_with('*')) marked.insert(row.label);
    EXPECT_EQ(marked, uncommon);
}

TEST(Catalogues, IBeamRowsThatLookAlike) {
    auto beams = iBeamCatalogue();
    // the two 550 rows share the flange width and differ in the web
    EXPECT_EQ(massPerMetre(beams, "工550x168x12.5"), 105.335);
    EXPECT_EQ(massPerMetre(beams, "工550x168x14.5"), 113.97);
    // labels without a decimal part are kept as they are
    EXPECT_EQ(massPerMetre(beams, "工126x74x5"), 14.223);
    EXPECT_EQ(massPerMetre(beams, "工250x116x8"), 38.105);
    EXPECT_EQ(massPerMetre(beams, "工250x118x10"), 42.03);
    EXPECT_FALSE(massPerMetre(beams, "工126x74x5.0"));
    EXPECT_FALSE(massPerMetre(beams, "工250x118x10.0"));
}

TEST(Catalogues, MendedFiftySixAngle) {
    auto angles = equalAngleCatalogue();
    // still in its place, between the 5 mm and the first 63 angle
    EXPECT_EQ(angles[23].label, "L56x56x6");
    EXPECT_EQ(angles[22].label, "L56x56x5");
    EXPECT_EQ(angles[24].label, "L63x63x4");

    auto w = massPerMetre(angles, "L56x56x6");
    ASSERT_TRUE(w);
    EXPECT_EQ(*w, 5.04);
    EXPECT_GT(*w, *massPerMetre(angles, "L56x56x5"));
    EXPECT_LT(*w, *massPerMetre(angles, "L63x63x6"));
    EXPECT_EQ(shown(sectionWeight(angles, "L56x56x6", 1000), Places::Two, 2), Shown("5.04", "10.08"));
}

TEST(Catalogues, SharedMassesOfTheOneEightyAngles) {
    // 100 x 80, 110 x 70 and 90 x 90 angles have the same leg sum and the same masses
    const char* thick[] = {"6", "7", "8", "10"};
    for (const char* d : thick) {
        auto equal = massPerMetre(equalAngleCatalogue(), std::string("L90x90x") + d);
        ASSERT_TRUE(equal) << d;
        EXPECT_EQ(massPerMetre(unequalAngleCatalogue(), std::string("L100x80x") + d), equal) << d;
        EXPECT_EQ(massPerMetre(unequalAngleCatalogue(), std::string("L110x70x") + d), equal) << d;
    }
}

TEST(CatalogueLookup, OnlyTheWholeExactTextMatches) {
    struct Miss {
        Catalogue catalogue;
        const char* text;
    };
    const Miss misses[] = {
        {channelCatalogue, "[100x48x5.3"},     // blank after the bracket removed
        {channelCatalogue, "[  100x48x5.3"},   // doubled blank
        {channelCatalogue, "[ 100X48X5.3"},    // capital X
        {channelCatalogue, "[ 100x48x5.3 "},   // trailing blank
        {channelCatalogue, " [ 100x48x5.3"},   // leading blank
        {channelCatalogue, "[ 100x48x5.30"},
        {channelCatalogue, "[ 100x48x5"},
        {channelCatalogue, "请选择槽钢的尺寸"},
        {channelCatalogue, "L50x50x5"},        // a row of another catalogue
        {channelCatalogue, ""},
        {iBeamCatalogue, "工 200x100x7.0"},
        {iBeamCatalogue, "200x100x7.0"},
        {iBeamCatalogue, "请选择工字钢的尺寸"},
        {equalAngleCatalogue, "l50x50x5"},
        {equalAngleCatalogue, "L50×50×5"},     // multiplication sign
        {equalAngleCatalogue, "L 50x50x5"},
        {equalAngleCatalogue, "L100x63x8"},
        {equalAngleCatalogue, "请选择等边角钢的尺寸"},
        {unequalAngleCatalogue, "l100x63x8"},
        {unequalAngleCatalogue, "L63x100x8"},
        {unequalAngleCatalogue, "L50x50x5"},
        {unequalAngleCatalogue, "请选择不等边角钢的尺寸"},
        {bulbFlatCatalogue, "hp200x10"},
        {bulbFlatCatalogue, "HP 200x10"},
        {bulbFlatCatalogue, "HP200x10.0"},
        {bulbFlatCatalogue, "请选择球扁钢的尺寸"},
        {squareBarCatalogue, "□11"},           // the asterisk is part of the label
        {squareBarCatalogue, "*□12"},
        {squareBarCatalogue, "* □11"},
        {squareBarCatalogue, "■100"},          // black square
        {squareBarCatalogue, "100"},
        {squareBarCatalogue, "□100.0"},
        {squareBarCatalogue, "请选择方钢的尺寸"},
    };
    for (const Miss& m : misses) {
        EXPECT_FALSE(massPerMetre(m.catalogue(), m.text)) << m.text;
        EXPECT_FALSE(sectionWeight(m.catalogue(), m.text, 1000)) << m.text;
    }
}

TEST(CatalogueLookup, LengthIsTakenAsGiven) {
    auto channels = channelCatalogue();
    EXPECT_EQ(kept(sectionWeight(channels, "[ 180x70x9.0", 0)), "0");
    EXPECT_EQ(kept(sectionWeight(channels, "[ 180x70x9.0", -1000)), "-23");
    EXPECT_EQ(shown(sectionWeight(channels, "[ 100x48x5.3", 0), Places::Two, 4), Shown("0.00", "0.00"));
    EXPECT_EQ(shown(sectionWeight(equalAngleCatalogue(), "L50x50x5", 0), Places::Two, 1),
              Shown("0.00", "0.00"));
}

namespace {

struct SectionExample {
    Catalogue catalogue;
    const char* label;
    double L;
    double n;
    Places places;
    const char* kept;
    const char* single;
    const char* total;
};

const SectionExample kSectionExamples[] = {
    {channelCatalogue, "[ 100x48x5.3", 6000, 4, Places::Two, "60.042", "60.04", "240.16"},
    {channelCatalogue, "[ 100x48x5.3", 6000, 4, Places::One, "60.042", "60.0", "240.0"},
    {channelCatalogue, "[ 100x48x5.3", 6000, 4, Places::Unrounded, "60.042", "60.042", "240.168"},
    {channelCatalogue, "[ 180x70x9.0", 1000, 1, Places::Two, "23", "23.00", "23.00"},
    {iBeamCatalogue, "工200x100x7.0", 12000, 2, Places::Two, "335.148", "335.15", "670.30"},
    {equalAngleCatalogue, "L50x50x5", 6000, 10, Places::Two, "22.62", "22.62", "226.20"},
    {unequalAngleCatalogue, "L100x63x8", 2000, 3, Places::Two, "19.756", "19.76", "59.28"},
    {unequalAngleCatalogue, "L100x63x8", 2000, 3, Places::Three, "19.756", "19.756", "59.268"},
    {bulbFlatCatalogue, "HP200x10", 8000, 5, Places::Two, "160.8", "160.80", "804.00"},
    {squareBarCatalogue, "*□11", 1000, 1, Places::Two, "0.95", "0.95", "0.95"},
    {squareBarCatalogue, "□100", 1234, 2, Places::Two, "96.869", "96.87", "193.74"},
};

}  // namespace

TEST(SectionWeight, WorkedExamples) {
    for (const SectionExample& e : kSectionExamples) {
        SCOPED_TRACE(e.label);
        auto m = sectionWeight(e.catalogue(), e.label, e.L);
        EXPECT_EQ(kept(m), e.kept);
        EXPECT_EQ(shown(m, e.places, e.n), Shown(e.single, e.total));
    }
}

TEST(CheckeredPlate, ListsInDropDownOrder) {
    auto patterns = checkeredPatterns();
    ASSERT_EQ(patterns.size(), 3u);
    EXPECT_EQ(patterns[0], "扁豆形");
    EXPECT_EQ(patterns[1], "菱形");
    EXPECT_EQ(patterns[2], "圆豆形");

    const std::vector<std::string_view> expected = {"2.5厚", "3.0厚", "3.5厚", "4.0厚", "4.5厚",
                                                    "5.0厚", "5.5厚", "6.0厚", "7.0厚", "8.0厚"};
    auto thicknesses = checkeredThicknesses();
    EXPECT_EQ(std::vector<std::string_view>(thicknesses.begin(), thicknesses.end()), expected);
}

TEST(CheckeredPlate, EveryCellIsFilledAndOrdered) {
    for (std::string_view p : checkeredPatterns()) {
        double previous = 0.0;
        for (std::string_view t : checkeredThicknesses()) {
            auto w = checkeredMass(t, p);
            ASSERT_TRUE(w) << t << " " << p;
            EXPECT_GT(*w, previous) << t << " " << p;
            previous = *w;
        }
    }
    // in every thickness the rhombic pattern is the heaviest and the circular bean the lightest
    for (std::string_view t : checkeredThicknesses()) {
        EXPECT_GT(*checkeredMass(t, "菱形"), *checkeredMass(t, "扁豆形")) << t;
        EXPECT_GT(*checkeredMass(t, "扁豆形"), *checkeredMass(t, "圆豆形")) << t;
    }
}

TEST(CheckeredPlate, CellsByPatternAndThickness) {
    EXPECT_EQ(checkeredMass("2.5厚", "菱形"), 21.6);
    EXPECT_EQ(checkeredMass("2.5厚", "扁豆形"), 21.3);
    EXPECT_EQ(checkeredMass("2.5厚", "圆豆形"), 21.1);
    EXPECT_EQ(checkeredMass("7.0厚", "菱形"), 59.0);
    EXPECT_EQ(checkeredMass("7.0厚", "扁豆形"), 52.6);
    EXPECT_EQ(checkeredMass("8.0厚", "圆豆形"), 56.2);
}

TEST(CheckeredPlate, OnlyListedTextsMatch) {
    const std::pair<const char*, const char*> misses[] = {
        {"4.5厚", "请选择花钢板的花纹型状"},
        {"请选择花钢板的厚度", "菱形"},
        {"请选择花钢板的厚度", "请选择花钢板的花纹型状"},
        {"菱形", "4.5厚"},  // the two texts swapped
        {"4.5", "菱形"},
        {"4.5 厚", "菱形"},
        {"4.5厚 ", "菱形"},
        {"4.50厚", "菱形"},
        {"9.0厚", "菱形"},
        {"4.5厚", "菱 形"},
        {"4.5厚", "菱"},
        {"4.5厚", ""},
        {"", "菱形"},
    };
    for (auto [t, p] : misses) {
        EXPECT_FALSE(checkeredMass(t, p)) << t << " / " << p;
        EXPECT_FALSE(checkeredPlateWeight(t, p, 2000, 1000)) << t << " / " << p;
    }
}

TEST(CheckeredPlate, WorkedExamples) {
    auto rhombic = checkeredPlateWeight("4.5厚", "菱形", 2000, 1000);
    EXPECT_EQ(kept(rhombic), "74.6");
    EXPECT_EQ(shown(rhombic, Places::Two, 3), Shown("74.60", "223.80"));

    auto bean = checkeredPlateWeight("7.0厚", "圆豆形", 1500, 600);
    EXPECT_EQ(kept(bean), "47.16");
    EXPECT_EQ(shown(bean, Places::Two, 1), Shown("47.16", "47.16"));

    // an empty width reads as 0
    EXPECT_EQ(shown(checkeredPlateWeight("4.5厚", "菱形", 2000, 0), Places::Two, 3), Shown("0.00", "0.00"));
    EXPECT_EQ(kept(checkeredPlateWeight("4.5厚", "菱形", -2000, 1000)), "-74.6");
}

TEST(CheckeredPlate, LengthTimesMassFirstThenWidth) {
    // ((L × w) × W) × 10⁻⁶: taking L × W first would end in ...908 here
    EXPECT_EQ(kept(checkeredPlateWeight("6.0厚", "圆豆形", 145.4155, 146.4665)), "1.02445781780907");
}
