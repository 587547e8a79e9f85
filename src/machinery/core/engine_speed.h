// Speed of a propulsion diesel engine at a part-load point on the propeller law (power
// proportional to the cube of the speed), from its contract maximum continuous rating (CMCR)
// and the speed at that rating. The point is given as a power in kW or as a share of CMCR in %.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace hanhai::machinery {

inline constexpr std::string_view kRatingMessage = "输入的CMCR或CMCR时的转速有误";
inline constexpr std::string_view kRatedSpeedMessage = "输入的主机合同最大功率时的转速值有误";

// The engine as rated: CMCR in kW and the speed at CMCR in RPM.
struct EngineRating {
    double cmcr = 0;
    double ratedSpeed = 0;
};

// A point on the propeller curve, described both ways, or the message that tells why there is
// none. Values are unrounded; one that overflowed or took the cube root of a negative base is
// not finite and is left for the screen to report.
struct PartLoadPoint {
    std::optional<double> speed;  // RPM
    double power = 0;             // kW
    double load = 0;              // % of CMCR
    std::string message;          // empty when computed

    bool ok() const { return speed.has_value(); }
};

// n = (P / CMCR)^(1/3) · R. CMCR and R must be above 0; the power is taken as it stands.
PartLoadPoint pointAtPower(const EngineRating &engine, double power);
// n = (C · 0.01)^(1/3) · R and P = CMCR · C / 100. Only R must be above 0.
PartLoadPoint pointAtLoad(const EngineRating &engine, double load);

}  // namespace hanhai::machinery
