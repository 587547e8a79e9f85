#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "heating/core/cargo_heating.h"
#include "shell/core/numbers.h"

using namespace hanhai::heating;
using hanhai::shell::generalText;

namespace {

using Fields = std::map<std::string, std::string, std::less<>>;

FieldText lookup(const Fields &fields) {
    return [fields](std::string_view control) {
        auto it = fields.find(control);
        return it == fields.end() ? std::string() : it->second;
    };
}

// The worked example as typed into each screen; the two screens number some fields differently.
Fields tankFields(bool oil) {
    Fields f = {{"Text1", "950"}, {"Text22", "1000"}, {"Text2", "20"},  {"Text3", "50"},
                {"Text4", "2"},   {"Text5", "48"},    {"Text6", "0"},   {"Text7", "-10"},
                {"Text8", "20"},  {"Text9", "100"},   {"Text10", "150"}, {"Text11", "50"},
                {"Text12", "150"}, {"Text13", "80"},  {"Text14", "19.77"}, {"Text15", "6.98"},
                {"Text16", "19.77"}, {"Text17", "8.72"}, {"Text18", "5.82"}, {"Text19", "60"},
                {"Text20", "50"}, {"Text21", "4"},     {"Text27", "110"}};
    const char *t4to6[] = {"Text35", "Text36", "Text37"}, *oilT4to6[] = {"Text37", "Text38", "Text39"};
    const char *f6to8[] = {"Text38", "Text39", "Text40"}, *oilF6to8[] = {"Text40", "Text41", "Text42"};
    const char *f6to8Values[] = {"80", "0", "0"};
    for (int i = 0; i < 3; ++i) {
        f[oil ? oilT4to6[i] : t4to6[i]] = "20";
        f[oil ? oilF6to8[i] : f6to8[i]] = f6to8Values[i];
    }
    return f;
}

SteamInputs steamExample() {
    Fields f = tankFields(false);
    f["Combo2"] = "0.7MPa";
    f["Text33"] = "105";
    return readSteamInputs(lookup(f));
}

ThermalOilInputs oilExample() {
    Fields f = tankFields(true);
    f["Text28"] = "180";
    f["Text33"] = "150";
    f["Text34"] = "2.1";
    return readThermalOilInputs(lookup(f));
}

HeatingResult run(const SteamInputs &in) { return steamHeating(in.tank, in.steam, in.coil); }
HeatingResult run(const ThermalOilInputs &in) { return thermalOilHeating(in.tank, in.oil, in.coil); }

// The result fields Text23 to Text26 (general number text, empty when not computed) and
// Text29 to Text32 ("0.000", R "0.000000") as the screen fills them.
std::vector<std::string> shown(const HeatingResult &r) {
    EXPECT_TRUE(r.ok()) << r.message;
    auto general = [](std::optional<double> v) { return v ? hanhai::shell::generalText(*v) : std::string(); };
    auto fixed = [](std::optional<double> v, int places) { return v ? hanhai::shell::fixedText(*v, places) : std::string(); };
    return {general(r.Q1), general(r.Q2), general(r.Q), general(r.flow),
            fixed(r.F, 3),   fixed(r.L, 3),   fixed(r.l, 3),   fixed(r.R, 6)};
}

// Whether every computed result is a finite number.
bool finite(const HeatingResult &r) {
    for (const auto &value : {r.Q1, r.Q2, r.Q, r.flow, r.F, r.L, r.l, r.R})
        if (value && !std::isfinite(*value)) return false;
    return true;
}

}  // namespace

TEST(CargoHeating, WorkedExamplesFromTheFields) {
    // G = 953.2297… and Qt = 33386.86… are shown with every digit
    EXPECT_EQ(shown(run(steamExample())),
              (std::vector<std::string>{"1187500", "915872.4", "2103372.4", "953.229723265632", "62.136",
                                        "329.644", "82.411", "0.062136"}));
    EXPECT_EQ(shown(run(oilExample())),
              (std::vector<std::string>{"329.861111111111", "254.409", "584.270111111111", "33386.8634920635",
                                        "49.181", "260.913", "65.228", "0.049181"}));
}

TEST(CargoHeating, CondensateBands) {
    struct Case {
        double T;
        const char *h;  // empty: outside the bands
    };
    const Case cases[] = {{100, "419.06"}, {105, "440.19"}, {110, "461.32"}, {115, "482.51"}, {120, "503.7"},
                          {150, "632.2"},  {99.9, ""},      {150.1, ""},     {NAN, ""}};
    for (const Case &c : cases) {
        std::optional<double> h = condensateEnthalpy(c.T);
        EXPECT_EQ(h ? generalText(*h) : "", c.h) << c.T;
    }
    EXPECT_EQ(steamByPressure("0.2MPa")->hSteam, 2706.9);
    EXPECT_EQ(steamByPressure("0.8MPa")->tSaturation, 170.42);
    EXPECT_EQ(steamByPressure("0.7 MPa"), nullptr);
}

TEST(CargoHeating, StopsAtTheFirstFailingCheck) {
    using Steam = std::function<void(SteamInputs &)>;
    using Oil = std::function<void(ThermalOilInputs &)>;
    // Each case also empties the tank volume: only the last check may complain about it.
    const std::pair<Steam, std::string_view> steamCases[] = {
        {[](SteamInputs &in) { in.tank.heatingTime = -1; in.steam.pressure = ""; }, kHeatingTimeMessage},
        {[](SteamInputs &in) { in.steam.pressure = kPressurePrompt; in.coil.d = 0; }, kNoPressureMessage},
        {[](SteamInputs &in) { in.steam.pressure = "0.7mpa"; }, kNoPressureMessage},
        {[](SteamInputs &in) { in.steam.tCondensate = 99.9; in.coil.d = 0; }, kCondensateMessage},
        {[](SteamInputs &in) { in.steam.tCondensate = 150.1; }, kCondensateMessage},
        {[](SteamInputs &in) { in.coil.d = 0; }, kDiameterMessage},
        {[](SteamInputs &in) { in.coil.d = NAN; }, kDiameterMessage},
        {[](SteamInputs &) {}, kNoVolumeMessage},
        {[](SteamInputs &in) { in.tank.V = -1; }, kVolumeWrongMessage},
    };
    for (const auto &[change, message] : steamCases) {
        SteamInputs in = steamExample();
        in.tank.V = 0;
        change(in);
        HeatingResult r = run(in);
        EXPECT_EQ(r.message, message);
        EXPECT_FALSE(r.Q2 || r.Q || r.F || r.R) << message;
    }

    const std::pair<Oil, std::string_view> oilCases[] = {
        {[](ThermalOilInputs &in) { in.tank.heatingTime = -1; in.oil.CT = 0; }, kHeatingTimeMessage},
        {[](ThermalOilInputs &in) { in.oil.tOutlet = 180; in.coil.d = 0; }, kThermalOilMessage},
        {[](ThermalOilInputs &in) { in.oil.tOutlet = 200; }, kThermalOilMessage},
        {[](ThermalOilInputs &in) { in.oil.CT = 0; }, kThermalOilMessage},
        {[](ThermalOilInputs &in) { in.coil.d = -60; }, kDiameterMessage},
        {[](ThermalOilInputs &) {}, kNoVolumeMessage},
        {[](ThermalOilInputs &in) { in.tank.V = -1; }, kVolumeWrongMessage},
    };
    for (const auto &[change, message] : oilCases) {
        ThermalOilInputs in = oilExample();
        in.tank.V = 0;
        change(in);
        EXPECT_EQ(run(in).message, message);
    }
}

TEST(CargoHeating, QuantitiesLeftOut) {
    // heating time 0: no warming-up heat, Q is the heat lost alone
    SteamInputs steam = steamExample();
    steam.tank.heatingTime = 0;
    std::vector<std::string> t = shown(run(steam));
    EXPECT_EQ(t[0], "");
    EXPECT_EQ(t[2], "915872.4");
    EXPECT_EQ(t[1], t[2]);

    // no coil coefficient, or a coil no warmer on average than the oil: F, L, l, R are zero
    steam = steamExample();
    steam.coil.k = 0;
    ThermalOilInputs oilK0 = oilExample(), oilEven = oilExample();
    oilK0.coil.k = 0;
    oilEven.oil = {60, 30, 2.1};  // θm = (60 + 2·30)/3 = 40 = tm
    for (const HeatingResult &zero : {run(steam), run(oilK0), run(oilEven)}) {
        t = shown(zero);
        EXPECT_EQ(t[4] + t[5] + t[6] + t[7], "0.0000.0000.0000.000000");
        EXPECT_NE(t[3], "");
    }

    // inlet below outlet with a negative specific heat passes and gives a positive flow
    ThermalOilInputs odd = oilExample();
    odd.oil = {150, 180, -2.1};
    EXPECT_EQ(shown(run(odd))[3], "33386.8634920635");
}

TEST(CargoHeating, UnusableNumbersNeverPassAsResults) {
    SteamInputs noRuns = steamExample();
    noRuns.coil.Z = 0;
    HeatingResult r = run(noRuns);
    EXPECT_TRUE(r.ok());
    EXPECT_FALSE(finite(r));

    ThermalOilInputs nanTime = oilExample();
    nanTime.tank.heatingTime = NAN;  // neither above nor below 0: left out like 0
    r = run(nanTime);
    EXPECT_TRUE(r.ok() && finite(r) && !r.Q1);

    SteamInputs huge = steamExample();
    huge.tank.rho = INFINITY;
    huge.tank.tEnd = huge.tank.tStart;
    EXPECT_FALSE(finite(run(huge)));
    EXPECT_TRUE(finite(run(steamExample())));
}
