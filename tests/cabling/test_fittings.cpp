#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "cabling/core/catalogues.h"
#include "cabling/core/fittings.h"

using namespace hanhai::cabling;

namespace {

// Each tray's series sizes in the order they are evaluated, after checking that every series
// grows in area (the choice walks it so) and every area is the one the standard lists.
template <class Row, class SeriesOf>
std::map<int, std::pair<int, int>> checkedSeries(std::span<const Row> rows, SeriesOf seriesOf) {
    std::map<int, std::pair<int, int>> sizes;
    std::map<std::pair<int, int>, double> last;
    for (const Row &r : rows) {
        const double a = openingArea(r.opening);
        EXPECT_NEAR(a, r.listedArea, 0.05) << r.tray;
        const auto key = std::make_pair(r.tray, seriesOf(r));
        EXPECT_GT(a, last[key]) << r.tray;
        last[key] = a;
        ++(key.second == 0 ? sizes[r.tray].first : sizes[r.tray].second);
    }
    return sizes;
}

FittingInputs one(double diameter, double count, double tray, std::string height) {
    FittingInputs in{"单种型号电缆", {}, tray, std::move(height)};
    in.cables[0] = {diameter, count};
    return in;
}

const std::string cb = " CB/T3667.1-1995";

}  // namespace

TEST(FittingCatalogues, FramesTubesAndBoxes) {
    const auto frames = frameCatalogue();
    ASSERT_EQ(frames.size(), 56u);
    EXPECT_EQ(frames.front().name, "YK32");
    EXPECT_EQ(frames.front().opening.d, 35.75);
    EXPECT_EQ(frames.back().name, "TK800x200");
    EXPECT_EQ(frames.back().opening.w, 780);
    const std::map<int, std::pair<int, int>> frameSeries = {{150, {5, 5}}, {200, {5, 6}}, {300, {6, 5}},
                                                            {400, {5, 4}}, {500, {4, 3}}, {600, {4, 4}}};
    EXPECT_EQ(checkedSeries(frames, [](const Frame &f) { return f.series == Slot::A ? 0 : 1; }), frameSeries);

    const auto tubes = tubeAndBoxCatalogue();
    ASSERT_EQ(tubes.size(), 51u);
    EXPECT_EQ(tubes.front().box, "仿BH100x40");
    EXPECT_EQ(tubes.back().tube, "HT800x200");
    EXPECT_EQ(tubes.back().opening.h, 168);
    std::map<int, std::pair<int, int>> tubeSeries = frameSeries;
    tubeSeries[150] = {2, 3};
    EXPECT_EQ(checkedSeries(tubes, [](const TubeAndBox &t) { return t.series - 1; }), tubeSeries);
    for (const TubeAndBox &t : tubes) {
        // the tray of 150 writes its first series into 标准号B, every other tray into 标准号A
        EXPECT_EQ(t.slot, (t.tray == 150) == (t.series == 1) ? Slot::B : Slot::A) << t.tube;
        const std::string size(t.tube.substr(2));  // a box is its tube's size, "BH" or "仿BH"
        EXPECT_TRUE(t.tube.starts_with("HT") && (t.box == "BH" + size || t.box == "仿BH" + size)) << t.box;
    }
}

TEST(FittingEstimate, SmallestFittingOfEachSeries) {
    struct Case {
        const char *what;
        Fitting fitting;
        FittingInputs in;
        std::optional<std::string> A, B;  // nothing: left as it was
        std::string message;
    };
    const std::string none(kNone);
    const std::vector<Case> cases = {
        {"frames, A 2000", Fitting::Frame, one(10, 10, 150, "H=75"), "YK50x75" + cb, "TK100x40x75" + cb, ""},
        {"series A too small", Fitting::Frame, one(30, 10, 200, "H=150"), none, "TK250x110x150" + cb, ""},
        {"low frames on tray 200", Fitting::Frame, one(30, 10, 200, "H=40"), none, "TK250x110x40" + cb, ""},
        {"found in series B only, too low", Fitting::Frame, one(150, 1, 300, "H=40"), none, {}, std::string(kFrameHeightWrong)},
        {"low, beyond both", Fitting::Frame, one(50, 20, 400, "H=40"), none, none,
         "无法用L=450的电缆框，本程序无法计算，请凭经验选其它长度的电缆框"},
        {"widest tray, beyond both", Fitting::Frame, one(100, 20, 600, "H=150"), none, none, "无法用L=800的电缆框，本程序无法计算，请改用双电缆框"},
        {"no height", Fitting::Frame, one(10, 10, 150, "请选择电缆框的高度H"), {}, {}, "请先选择电缆框的高度H"},
        {"tubes, A 3333.33", Fitting::Tube, one(10, 10, 150, "H=250"), "HT150x55x250" + cb, none, ""},
        {"boxes, A 3333.33", Fitting::Box, one(10, 10, 150, "H=215"), "BH150x55x215" + cb, none, ""},
        {"boxes outside the standard", Fitting::Box, one(10, 5, 150, "H=300"), "BH150x40x300" + cb, "仿BH100x55x300" + cb, ""},
        {"A 2550", Fitting::Tube, one(std::sqrt(765.0), 1, 150, "H=250"), "HT150x55x250" + cb, none, ""},
        {"tubes, A 100000", Fitting::Tube, one(100, 3, 600, "H=250"), "HT800x170x250" + cb, "HT700x200x250" + cb, ""},
        {"second series only", Fitting::Tube, one(100, 1.8, 400, "H=450"), none, "HT450x200x450" + cb, ""},
        {"tubes beyond both, tray 500", Fitting::Tube, one(100, 20, 500, "H=450"), none, none,
         "无法用L=600的电缆筒，本程序无法计算，请凭经验选其它长度的电缆筒"},
        {"boxes beyond both, tray 600", Fitting::Box, one(100, 20, 600, "H=215"), none, none, "无法用L=800的电缆盒，本程序无法计算，请改用双电缆盒"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const FittingEstimate e = estimateFitting(c.fitting, c.in);
        EXPECT_TRUE(e.area && !e.invalid && !e.areaEmptied);
        EXPECT_EQ(e.designationA, c.A);
        EXPECT_EQ(e.designationB, c.B);
        EXPECT_EQ(e.message, c.message);
    }
}

TEST(FittingEstimate, AreaOfAllTenRows) {
    FittingInputs in = one(10, 10, 150, "H=75");
    EXPECT_DOUBLE_EQ(*estimateFitting(Fitting::Frame, in).area, 2000);
    in.cables[1] = {20, 3};  // beyond the chosen count: summed all the same
    in.cables[2] = {5, -4};  // counts are taken as they stand
    EXPECT_DOUBLE_EQ(*estimateFitting(Fitting::Box, in).area, (1000 + 1200 - 100) / 0.3);
    // A = 2·c·D² with D = 1 is a frame's own area exactly: that frame, not the next
    const double yk40 = openingArea({.d = 41});
    EXPECT_EQ(estimateFitting(Fitting::Frame, one(1, yk40 / 2, 150, "H=150")).designationA, "YK40x150" + cb);
    EXPECT_EQ(estimateFitting(Fitting::Frame, one(1, std::nextafter(yk40, 1e9) / 2, 150, "H=150")).designationA, "YK50x150" + cb);
}

TEST(FittingEstimate, StopsBeforeTheArea) {
    for (Fitting f : {Fitting::Frame, Fitting::Tube, Fitting::Box}) {
        FittingInputs in = one(10, 10, 150, "H=75");
        in.typeText = "11种不同型号电缆";
        FittingEstimate e = estimateFitting(f, in);
        EXPECT_TRUE(e.areaEmptied && !e.area && !e.designationA && !e.designationB);
        EXPECT_EQ(e.message, kChooseTypeCount);

        in.typeText = "2种不同型号电缆";  // row 2 has no diameter
        e = estimateFitting(f, in);
        EXPECT_TRUE(!e.areaEmptied && !e.area && !e.designationA && !e.designationB);
        EXPECT_EQ(e.message, kCheckDiameters);

        e = estimateFitting(f, one(1e200, 1, 150, "H=75"));
        EXPECT_TRUE(e.invalid && !e.area && !e.designationA && !e.designationB && e.message.empty());
    }
}
