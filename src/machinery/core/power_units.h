// Engine power between kilowatts and the two horsepowers: the imperial horsepower (hp,
// 0.746 kW) and the metric horsepower (PS, 0.735 kW).
#pragma once

namespace hanhai::machinery {

inline constexpr double kKwPerHp = 0.746;
inline constexpr double kKwPerPs = 0.735;

enum class PowerConversion {
    KwToHp,
    HpToKw,
    KwToPs,
    PsToKw,
};

// The power in the conversion's target unit, unrounded. Any value converts; one beyond the
// range of a double comes out infinite.
double convertPower(PowerConversion conversion, double power);

}  // namespace hanhai::machinery
