// The heating coil of one cargo oil tank, fed with steam or with thermal oil: the heat to warm
// the oil up, the heat lost through the tank's boundaries while keeping it warm, the steam
// consumption (or thermal-oil flow), the coil's heating area and length, and the English
// calculation sheets of both.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "report/core/sheet.h"

namespace hanhai::heating {

// The tank, its oil and its surroundings; the same on both screens.
struct Tank {
    double rho = 0;          // ρ, oil density, kg/m³
    double V = 0;            // tank volume, m³
    double tStart = 0;       // t′, initial oil temperature, ℃
    double tEnd = 0;         // t″, final oil temperature, ℃
    double C = 0;            // specific heat of the oil, kJ/(kg·K)
    double heatingTime = 0;  // t, h
    double t1 = 0;           // sea water, ℃
    double t2 = 0;           // outside air, ℃
    double t3 = 0, t4 = 0, t5 = 0, t6 = 0;  // adjacent tanks NO.1 to NO.4, ℃
    double F1 = 0;  // side shell below the waterline, m²
    double F2 = 0;  // bottom
    double F3 = 0;  // side shell above the waterline
    double F4 = 0;  // deck
    double F5 = 0, F6 = 0, F7 = 0, F8 = 0;  // bulkheads to the adjacent tanks NO.1 to NO.4
    double k1 = 0, k2 = 0, k3 = 0, k4 = 0;  // heat-transfer coefficients of F1 to F4, W/(m²·K)
    double k5 = 0;                          // of all four bulkheads
};

struct Coil {
    double d = 0;  // outside diameter, mm (the inside diameter is only printed on the sheet)
    double Z = 0;  // number of parallel runs
    double k = 0;  // heat-transfer coefficient, W/(m²·K)
};

struct Steam {
    std::string pressure;     // the drop-down's text as it stands, e.g. "0.7MPa"
    double tCondensate = 0;   // t″s, ℃
};

struct ThermalOil {
    double tInlet = 0;   // t′s, ℃
    double tOutlet = 0;  // t″s, ℃
    double CT = 0;       // specific heat, kJ/(kg·K)
};

// A calculation either stops at the first check that fails, with its message and no results
// (the screen shows the message and leaves its result fields as they were), or gives every
// result. Of the results, an empty one was not computed and its field shows empty text: Q1
// when the heating time is 0, the flow when the steam's two enthalpies are equal. F is 0 when
// it cannot be computed (k = 0, or the coil as warm on average as the oil), so L, l and R
// are 0 too, and so the screen shows them.
// Steam: heats in kJ/h, flow G = steam in kg/h. Thermal oil: heats in kW, flow Qt in kg/h.
struct HeatingResult {
    std::string message;  // empty when the calculation went through
    std::optional<double> Q1, Q2, Q, flow, F, L, l, R;

    bool ok() const { return message.empty(); }
};

// The messages, in the order the steps can raise them.
inline constexpr std::string_view kHeatingTimeMessage = "加热时间输入有误  ";
inline constexpr std::string_view kNoPressureMessage = "未选择蒸汽压力，请选择  ";
inline constexpr std::string_view kCondensateMessage = "蒸汽凝水温度取值在100℃-150℃之间，否则计算错误";
inline constexpr std::string_view kThermalOilMessage = "热媒油的进出口温度输入有误  ";
inline constexpr std::string_view kDiameterMessage = "请按管子标准，输入管子外径  ";
inline constexpr std::string_view kVolumeWrongMessage = "货油舱舱容输入错误  ";
inline constexpr std::string_view kNoVolumeMessage = "请输入货油舱舱容  ";

// What the steam drop-down shows before a pressure is chosen.
inline constexpr std::string_view kPressurePrompt = "选择加热蒸汽压力";

// Saturated steam by gauge pressure, in the drop-down's order.
struct SteamRow {
    std::string_view pressure;  // the drop-down text
    double hSteam;              // h″, enthalpy of saturated steam, kJ/kg
    double tSaturation;         // ts, ℃
};
inline constexpr std::array<SteamRow, 4> kSteamTable{{
    {"0.2MPa", 2706.9, 120.23},
    {"0.4MPa", 2738.5, 143.62},
    {"0.7MPa", 2762.9, 164.96},
    {"0.8MPa", 2768.4, 170.42},
}};

// Enthalpy of saturated water h′ at the limits of the condensate bands, 100 ℃ to 150 ℃.
struct WaterPoint {
    double T;  // ℃
    double h;  // kJ/kg
};
inline constexpr std::array<WaterPoint, 6> kCondensateTable{{
    {100, 419.06}, {110, 461.32}, {120, 503.7}, {130, 546.3}, {140, 589.1}, {150, 632.2},
}};

// The row whose pressure text equals the text exactly; nothing otherwise.
const SteamRow *steamByPressure(std::string_view text);

// h′ at a condensate temperature, interpolated within its band (the bands are 100 ≤ T ≤ 110,
// then 110 < T ≤ 120 and so on up to 150); nothing outside 100 to 150.
std::optional<double> condensateEnthalpy(double T);

HeatingResult steamHeating(const Tank &tank, const Steam &steam, const Coil &coil);
HeatingResult thermalOilHeating(const Tank &tank, const ThermalOil &oil, const Coil &coil);

// The text a screen field shows, by its control name ("Text1", "Combo2").
using FieldText = std::function<std::string(std::string_view control)>;

// The fields the two screens number differently: the adjacent tanks NO.2 to NO.4, their
// temperatures t4 to t6 and their bulkhead areas F6 to F8.
struct AdjacentTankFields {
    std::string_view t4, t5, t6, F6, F7, F8;
};
inline constexpr AdjacentTankFields kSteamAdjacentFields{"Text35", "Text36", "Text37", "Text38", "Text39", "Text40"};
inline constexpr AdjacentTankFields kOilAdjacentFields{"Text37", "Text38", "Text39", "Text40", "Text41", "Text42"};

// The inputs as the calculate button reads them from the fields, each number by the
// leading-number rule.
struct SteamInputs {
    Tank tank;
    Steam steam;
    Coil coil;
};
struct ThermalOilInputs {
    Tank tank;
    ThermalOil oil;
    Coil coil;
};
SteamInputs readSteamInputs(const FieldText &field);
ThermalOilInputs readThermalOilInputs(const FieldText &field);

// The English calculation sheets, built from the texts the screens show at the moment of the
// export, results included.
report::Sheet steamHeatingSheet(const FieldText &field);
report::Sheet thermalOilHeatingSheet(const FieldText &field);

}  // namespace hanhai::heating
