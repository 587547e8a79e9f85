// Engine room ventilation: the air the engine room fans must supply. It is the combustion air
// that engines, boilers, the incinerator, the air compressors and the inert gas blowers draw
// from the engine room, plus the air that carries off the heat the machinery gives off (less
// the share of that heat the combustion air already takes away), shared among the fans.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hanhai::ventilation {

// The entries of the stroke and boiler position drop-downs.
inline constexpr std::string_view kTwoStroke = "二冲程";
inline constexpr std::string_view kFourStroke = "四冲程";
inline constexpr std::string_view kInUptake = "机舱棚烟道内";     // in the funnel casing: its heat goes up the funnel
inline constexpr std::string_view kInEngineRoom = "机舱非烟道内";  // its heat stays in the engine room

// The messages, in the order the steps can raise them.
inline constexpr std::string_view kMainEngineMcrMessage = "输入的主机MCR有误";
inline constexpr std::string_view kNoStrokeMessage = "主机的冲程未选择";
inline constexpr std::string_view kMainExhaustMessage = "主机排气管的热损失有误，请重新查表后输入正确值";
inline constexpr std::string_view kGeneratorMcrMessage = "输入的主发柴油机MCR有误";
inline constexpr std::string_view kGeneratorPowerMessage = "输入的发电机功率有误";
inline constexpr std::string_view kGeneratorExhaustMessage = "付机排气管的热损失有误，请重新查表后输入正确值";
inline constexpr std::string_view kBoilerLossMessage = "请查表后输入热损失百分比Δhb/100";
inline constexpr std::string_view kHydraulicExhaustMessage = "液动单元柴油机排气管的热损失有误，请重新查表后输入正确值";
inline constexpr std::string_view kNoFansMessage = "机舱风机的台数";

// Every item carries whether it is fitted (its box ticked) and how many units run together
// (not how many are installed). Powers in kW, steam and oil in kg/h, air in m³/h, exhaust pipe
// lengths in m, their heat emission in kW per metre.
struct MainEngine {
    bool fitted = false;
    double running = 0;
    double mcr = 0;
    std::string stroke;  // the stroke drop-down's text as it stands
    double exhaustLength = 0;
    double exhaustLoss = 0;
};

// The generators' cooling (air or water) does not enter the calculation.
struct GeneratorSets {
    bool fitted = false;
    double running = 0;
    double engineMcr = 0;
    double power = 0;  // of the generator
    double exhaustLength = 0;  // of one set
    double exhaustLoss = 0;
};

struct Boiler {
    bool fitted = false;
    double running = 0;
    double oilSteam = 0;      // steam raised by oil firing
    double exhaustSteam = 0;  // raised from the main engine's exhaust: composite boiler only
    std::string position;     // the position drop-down's text as it stands
    double heatLoss = 0;      // Δhb/100 from the boiler heat loss chart
};

struct HydraulicDiesels {
    bool fitted = false;
    double running = 0;
    double mcr = 0;
    double exhaustLength = 0;  // of one unit
    double exhaustLoss = 0;
};

struct AirCompressors {
    bool fitted = false;
    double running = 0;
    double displacement = 0;  // m³/h
};

struct Incinerator {
    bool fitted = false;
    double running = 0;
    double oilConsumption = 0;  // the largest, kg/h
};

struct InertGasBlowers {
    bool fitted = false;
    double running = 0;
    double airFlow = 0;  // m³/h
};

struct ShaftGenerator {  // air cooled
    bool fitted = false;
    double running = 0;
    double power = 0;
};

struct EngineRoom {
    MainEngine mainEngine;
    GeneratorSets generators;
    ShaftGenerator shaftGenerator;
    Boiler auxiliaryBoiler;  // oil fired
    Boiler compositeBoiler;
    Incinerator incinerator;
    AirCompressors compressors;
    InertGasBlowers inertGasBlowers;
    HydraulicDiesels hydraulicDiesels;
    double fans = 0;  // engine room fans chosen
};

// A calculation either stops at a failed check, with its message and no results, or gives all
// four results. Messages that let it go on come in `notes` (raised before any result is known)
// and `fanNote` (raised after the results, when there are no fans: the air per fan is 0).
struct EngineRoomAir {
    std::string stop;
    std::vector<std::string> notes;
    std::string fanNote;
    double combustionAir = 0;  // m³/h, unrounded
    double heatAir = 0;        // m³/h to remove the heat, to three decimals
    double totalAir = 0;       // m³/h
    double perFan = 0;         // m³/h

    bool ok() const { return stop.empty(); }
};

EngineRoomAir engineRoomAir(const EngineRoom &room);

}  // namespace hanhai::ventilation
