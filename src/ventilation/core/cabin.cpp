#include "ventilation/core/cabin.h"

#include "shell/core/units.h"

namespace hanhai::ventilation {

namespace {

CabinAir shared(double Q, double N) { return {Q, Q / N}; }

}  // namespace

CabinAir regularCabinAir(double L, double W, double H, double K, double N) {
    return shared(shell::kM3PerMm3 * (W * L * H * K), N);
}

CabinAir irregularCabinAir(double S, double H, double K, double N) {
    return shared(shell::kM3PerMm3 * (H * S * K), N);
}

}  // namespace hanhai::ventilation
