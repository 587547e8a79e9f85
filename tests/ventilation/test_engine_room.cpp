#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "shell/core/numbers.h"
#include "ventilation/core/engine_room.h"

using namespace hanhai::ventilation;

namespace {

const std::string kTwo(kTwoStroke), kFour(kFourStroke), kUptake(kInUptake), kInside(kInEngineRoom);

using Change = std::function<void(EngineRoom &)>;

// The screen as it opens (nothing ticked, its design counts, four fans) with a change.
EngineRoom alone(const Change &change) {
    EngineRoom r;
    r.mainEngine.stroke = kTwo;
    r.auxiliaryBoiler.position = kInside;
    r.compositeBoiler.position = kUptake;
    r.mainEngine.running = r.shaftGenerator.running = r.auxiliaryBoiler.running = r.compositeBoiler.running = 1;
    r.incinerator.running = r.inertGasBlowers.running = 1;
    r.generators.running = r.compressors.running = r.hydraulicDiesels.running = 2;
    r.fans = 4;
    change(r);
    return r;
}

// The worked example (main engine, generator sets, auxiliary boiler inside) with a change.
EngineRoom changed(const Change &change) {
    return alone([&change](EngineRoom &r) {
        r.mainEngine = {true, 1, 10000, kTwo, 30, 0.1};
        r.generators = {true, 2, 1000, 900, 20, 0.05};
        r.auxiliaryBoiler = {true, 1, 1000, 0, kInside, 2};
        change(r);
    });
}

struct Case {
    const char *name;
    EngineRoom room;
    std::vector<std::string> results;  // Text201 to Text204 as shown; none after a stop
    std::vector<std::string_view> messages = {};  // in the order shown, the stop last
};

const std::string_view kBoiler = kBoilerLossMessage;

const Case kCases[] = {
    {"worked example", changed([](EngineRoom &) {}), {"87087.60", "165964.463", "253052.063", "63263.01575"}},
    {"four-stroke", alone([](EngineRoom &r) { r.mainEngine = {true, 1, 6000, kFour, 25, 0.2}; }),
     {"38228.40", "30065.927", "68294.327", "17073.58175"}},
    {"unticked, no exhaust loss", alone([](EngineRoom &r) { r.mainEngine = {false, 1, 10000, kFour, 30, 0}; }),
     {"63716.40", "37563.814", "101280.214", "25320.0535"}},
    {"composite in uptake", alone([](EngineRoom &r) { r.compositeBoiler = {true, 1, 1500, 2000, kUptake, 3}; }),
     {"1605.60", "34826.539", "36432.139", "9108.03475"}},
    {"composite steam once", alone([](EngineRoom &r) { r.compositeBoiler = {true, 3, 0, 2000, kInside, 1}; }),
     {"0.00", "35958.994", "35958.994", "8989.7485"}},
    {"both boilers without loss", alone([](EngineRoom &r) {
         r.compositeBoiler = {true, 1, 1500, 2000, kInside, 0};
         r.auxiliaryBoiler = {true, 1, 1000, 0, kInside, -2};
     }),
     {"2674.80", "34072.769", "36747.569", "9186.89225"}, {kBoiler, kBoiler}},
    {"boiler neither entry", alone([](EngineRoom &r) { r.compositeBoiler = {true, 1, 1500, 2000, "机舱", 0}; }),
     {"1605.60", "34826.539", "36432.139", "9108.03475"}},
    {"auxiliary unticked", alone([](EngineRoom &r) { r.auxiliaryBoiler = {false, 1, 1000, 0, kInside, 0}; }),
     {"1069.20", "-753.77", "315.43", "78.8575"}},
    {"compressor half up", alone([](EngineRoom &r) { r.compressors = {true, 1, 1.8}; }), {"3.60", "0", "3.6", "0.9"}},
    // the checks, in the order of the steps
    {"main MCR first", changed([](EngineRoom &r) { r.mainEngine = {false, 1, -1, "", 0, 0}; }), {}, {kMainEngineMcrMessage}},
    {"stroke, then exhaust", changed([](EngineRoom &r) { r.mainEngine.stroke = ""; r.mainEngine.exhaustLoss = 0; }), {},
     {kNoStrokeMessage, kMainExhaustMessage}},
    {"generator MCR first", changed([](EngineRoom &r) { r.generators.engineMcr = r.generators.power = -5; }), {},
     {kGeneratorMcrMessage}},
    {"generator power unticked", changed([](EngineRoom &r) { r.generators = {false, 2, 0, -900, 0, 0}; }), {},
     {kGeneratorPowerMessage}},
    {"boiler, then hydraulic", changed([](EngineRoom &r) { r.auxiliaryBoiler.heatLoss = 0; r.hydraulicDiesels.fitted = true; }),
     {}, {kBoiler, kHydraulicExhaustMessage}},
};

class EngineRoomAirTest : public testing::TestWithParam<Case> {};

TEST_P(EngineRoomAirTest, ResultsAndMessages) {
    const EngineRoomAir air = engineRoomAir(GetParam().room);
    std::vector<std::string_view> messages(air.notes.begin(), air.notes.end());
    if (!air.ok()) messages.push_back(air.stop);
    if (!air.fanNote.empty()) messages.push_back(air.fanNote);
    EXPECT_EQ(messages, GetParam().messages);
    if (!air.ok()) {
        EXPECT_TRUE(GetParam().results.empty());
        return;
    }
    using hanhai::shell::generalText;
    EXPECT_EQ((std::vector<std::string>{hanhai::shell::fixedText(air.combustionAir, 2), generalText(air.heatAir),
                                        generalText(air.totalAir), generalText(air.perFan)}),
              GetParam().results);
}

INSTANTIATE_TEST_SUITE_P(EngineRoom, EngineRoomAirTest, testing::ValuesIn(kCases), [](const auto &row) {
    std::string name = row.param.name;
    for (char &c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

}  // namespace
