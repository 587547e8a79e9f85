// The air a cabin needs for a number of air changes per hour, and the least flow of each fan
// when several fans share it.
#pragma once

namespace hanhai::ventilation {

struct CabinAir {
    double Q = 0;       // the cabin's air flow, m³/h
    double perFan = 0;  // the least flow each of the N fans must give, Q / N, m³/h
};

// A box of length L, width W and deck height H (mm), K air changes per hour, N fans:
// Q = 10⁻⁹ · (W · L · H · K). Nothing is checked: N = 0 gives a non-finite flow per fan.
CabinAir regularCabinAir(double L, double W, double H, double K, double N);

// A cabin of floor area S (mm²) and deck height H (mm): Q = 10⁻⁹ · (H · S · K).
CabinAir irregularCabinAir(double S, double H, double K, double N);

}  // namespace hanhai::ventilation
