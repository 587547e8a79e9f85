#include "machinery/core/bolts.h"

namespace hanhai::machinery {

namespace {

constexpr double kTriangleHeight = 0.866025404;  // √3/2
// π/16, to the digits the formula is written with: π/4 · ((d2 + d3)/2)² = π/16 · (d2 + d3)².
constexpr double kPiOver16 = 0.196349540625;
constexpr double kTorqueFactor = 0.14;  // the torque coefficient times the preload's share of the yield force
constexpr double kNmPerNmm = 0.001;
constexpr double kUsedShare = 0.7;

}  // namespace

BoltTorque boltTorque(const BoltInputs &in) {
    BoltTorque t;
    if (in.d == 0 || in.P == 0 || in.sigmaS == 0) {
        t.message = kThreadDataMessage;
        return t;
    }
    t.H = in.P * kTriangleHeight;
    t.d1 = in.d - t.H * 10 / 8;
    t.d2 = in.d - t.H * 6 / 8;
    t.d3 = t.d1 - t.H / 6;
    const double sum = t.d3 + t.d2;
    t.As = sum * sum * kPiOver16;
    // multiplied left to right, as the formula is written
    t.T = in.sigmaS * kTorqueFactor * t.As * in.d * kNmPerNmm;
    t.use = t.T * kUsedShare;
    return t;
}

}  // namespace hanhai::machinery
