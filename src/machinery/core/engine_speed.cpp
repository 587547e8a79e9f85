#include "machinery/core/engine_speed.h"

#include <cmath>

namespace hanhai::machinery {

namespace {

// The propeller law's exponent, as the double 1/3: a negative base has no such power.
constexpr double kCubeRoot = 1.0 / 3.0;

PartLoadPoint refused(std::string_view message) {
    PartLoadPoint p;
    p.message = message;
    return p;
}

}  // namespace

PartLoadPoint pointAtPower(const EngineRating &engine, double power) {
    if (!(engine.cmcr > 0) || !(engine.ratedSpeed > 0)) return refused(kRatingMessage);
    PartLoadPoint p;
    p.speed = std::pow(power / engine.cmcr, kCubeRoot) * engine.ratedSpeed;
    p.power = power;
    p.load = power / engine.cmcr * 100;
    return p;
}

PartLoadPoint pointAtLoad(const EngineRating &engine, double load) {
    if (!(engine.ratedSpeed > 0)) return refused(kRatedSpeedMessage);
    PartLoadPoint p;
    p.speed = std::pow(load * 0.01, kCubeRoot) * engine.ratedSpeed;
    p.power = engine.cmcr * load / 100;
    p.load = load;
    return p;
}

}  // namespace hanhai::machinery
