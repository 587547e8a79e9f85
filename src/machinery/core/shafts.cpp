#include "machinery/core/shafts.h"

#include <cmath>
#include <initializer_list>

namespace hanhai::machinery {

namespace {

constexpr double kShaftPowerFactor = 560;
constexpr double kStrengthAllowance = 160;  // added to the shaft material's tensile strength, N/mm²
constexpr double kBoltPowerFactor = 240;
constexpr double kBoltScale = 1e6;
constexpr double kFlangeShare = 0.2;

}  // namespace

ShaftDiameters shaftDiameters(const ShaftInputs &in) {
    ShaftDiameters s;
    for (double v : {in.Ne, in.ne, in.shaftSigma, in.boltSigma, in.Dz, in.Dw, in.F, in.Cz, in.Cw, in.Zz, in.Zw}) {
        if (!(v > 0)) {
            s.message = kShaftInputMessage;
            return s;
        }
    }
    s.k = in.Ne * kShaftPowerFactor / ((in.shaftSigma + kStrengthAllowance) * in.ne);
    const double root = std::pow(s.k, 1.0 / 3.0);  // the power 1/3 as a double, not an exact cube root
    s.di = root * (in.Cz * in.F);
    s.dp = root * (in.F * in.Cw);
    s.d1 = std::pow(kBoltScale * (in.Ne * kBoltPowerFactor) / (in.ne * in.Zz * in.Dz * in.boltSigma), 0.5);
    s.d2 = std::pow(kBoltScale * (in.Ne * kBoltPowerFactor) / (in.Zw * in.ne * in.Dw * in.boltSigma), 0.5);
    s.b = s.dp * kFlangeShare;
    return s;
}

}  // namespace hanhai::machinery
