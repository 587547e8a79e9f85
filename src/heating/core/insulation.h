// Thermal insulation of pipes and tanks: the thickness of insulation that brings a pipe's outer
// surface down to a chosen temperature, and the outer surface temperature of an insulated tank
// wall.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hanhai::heating {

// ---------------------------------------------------------------------------------------------
// Pipe insulation. The outside diameter Dis of the insulation solves the estimate
//   (Dis/2)·ln(Dis/D0) = (kis/his)·(tp − ta)/(tis − ta)
// and is searched on a grid of 0.01 mm from 1 mm up to 99999 mm.

struct PipeInsulationInputs {
    double kis = 0;  // thermal conductivity of the insulating material, W/mK
    double his = 0;  // heat-transfer coefficient of the insulation surface, W/m²K
    double tp = 0;   // medium in the pipe, ℃
    double tis = 0;  // wanted surface temperature of the insulation, ℃
    double ta = 0;   // ambient, ℃
    double D0 = 0;   // outside diameter of the pipe, mm
};

// Either a message (a failed check, or no diameter on the grid), or the arithmetic failed
// (the right side B is not a finite number: his = 0, or an overflow), or the diameter and the
// thickness found.
struct PipeInsulation {
    std::string message;
    bool invalid = false;
    double B = 0;  // the right side of the estimate, mm
    std::optional<double> Dis;        // outside diameter of the insulation, mm
    std::optional<double> thickness;  // (Dis − D0)/2, mm

    bool ok() const { return message.empty() && !invalid; }
};

// The messages, in the order the checks can raise them.
inline constexpr std::string_view kSameTemperatureMessage = "环境温度不能与包扎后的温度为同一值";
inline constexpr std::string_view kAmbientMessage = "环境温度请输入0~45度内";
inline constexpr std::string_view kPipeDiameterMessage = "输入的管子外径有误   ";
inline constexpr std::string_view kNoThicknessMessage = "在计算范围内找不到满足条件的包扎厚度，请检查输入的数据";

PipeInsulation pipeInsulation(const PipeInsulationInputs &in);

// The grid of diameters the search walks: D(0) = 1 and D(i + 1) = D(i) + 0.01, each sum rounded
// to a double as repeated addition rounds it, so D(i) is generally not 1 + i·0.01.
namespace insulation_grid {

inline constexpr double kFirst = 1;
inline constexpr double kStep = 0.01;
inline constexpr double kLast = 99999;  // the search goes on while D does not exceed this

// The index of the last diameter not above kLast.
std::int64_t lastIndex();
// D(i), bit for bit the value the repeated addition reaches after i steps; 0 ≤ i ≤ lastIndex() + 1.
double diameter(std::int64_t i);

}  // namespace insulation_grid

// The first grid index whose diameter D is above D0 and where r = B − D·0.5·ln(D/D0) lies in
// [0, 1), that is where the left side has come within 1 mm below B; nothing when no diameter
// up to kLast qualifies. B must be finite and D0 above 0. It answers in microseconds: the
// left side grows with D, so the crossing is bracketed by bisection and only its neighbourhood
// is walked step by step.
std::optional<std::int64_t> insulationSearch(double B, double D0);

// ---------------------------------------------------------------------------------------------
// Tank insulation: rock wool felt held by steel lining bars under galvanised sheet.

struct TankInsulationInputs {
    double alpha = 0;  // α, heat-transfer coefficient of the outer surface, W/m²K
    double delta = 0;  // δ, thickness of the rock wool, mm
    double t1 = 0;     // oil in the tank, ℃
    double tw = 0;     // ambient, ℃
};

// Thermal resistance of the wall build-up, m²K/W: the rock wool (0.045 W/mK) plus the other layers.
double tankWallResistance(double delta);
// The outer surface temperature t, ℃, where the heat through the wall meets the heat the
// surface gives off. Not tested: a build-up without resistance gives no finite number.
double tankSurfaceTemperature(const TankInsulationInputs &in);

}  // namespace hanhai::heating
