#include "ventilation/core/engine_room.h"

#include <cmath>

#include "shell/core/numbers.h"

namespace hanhai::ventilation {

namespace {

// Every term is carried on as shown to three decimals ("0.000"), not as computed. A value that
// is no longer a number passes unchanged, so that the results show it.
double r3(double x) {
    if (!std::isfinite(x)) return x;
    return shell::strictNumber(shell::fixedText(x, 3)).value_or(x);
}

// Air density 1.13 kg/m³ and an hour of seconds, as one product: 4067.9999999999995.
constexpr double kAirPerHour = 3600 * 1.13;
// Heat that 1 m³/s of air carries off, kW: density 1.13 kg/m³ × heat capacity 1.01 kJ/(kg·K) × a
// rise of 12.5 K.
constexpr double kHeatPerAir = 14.26625;
// Air burnt per kg of fuel, kg.
constexpr double kAirPerFuel = 15.7;
// Fuel per kg of steam raised, kg, and the fuel's heating value, kJ/kg.
constexpr double kFuelPerSteam = 0.077;
constexpr double kFuelHeat = 40200;

// A boiler's combustion air, m³/s.
double boilerAir(const Boiler &b) { return r3(b.running * b.oilSteam * kFuelPerSteam * kAirPerFuel / kAirPerHour); }

// The heat a boiler gives to the engine room, kW; inside the engine room it needs its heat loss.
double boilerHeat(const Boiler &b, EngineRoomAir &out) {
    if (b.position != kInEngineRoom) return 0;
    if (b.heatLoss > 0) return r3(b.running * b.oilSteam * kFuelPerSteam * kFuelHeat * 0.1 * b.heatLoss / 360000);
    if (b.fitted) out.notes.emplace_back(kBoilerLossMessage);
    return 0;
}

EngineRoomAir stopped(EngineRoomAir out, std::string_view message) {
    out.stop = message;
    return out;
}

}  // namespace

EngineRoomAir engineRoomAir(const EngineRoom &room) {
    EngineRoomAir out;

    // Main engine: heat from its surface, combustion air and its exhaust pipe.
    const MainEngine &me = room.mainEngine;
    if (me.mcr < 0) return stopped(out, kMainEngineMcrMessage);
    double heatMe = 0, airMe = 0;
    if (me.stroke == kTwoStroke) {
        heatMe = r3(std::pow(me.mcr, 0.76) * (me.running * 0.141));
        airMe = r3(me.mcr * 0.0023 * me.running / 1.13);
    } else if (me.stroke == kFourStroke) {
        heatMe = r3(std::pow(me.mcr, 0.7) * (me.running * 0.396));
        airMe = r3(me.mcr * 0.002 * me.running / 1.13);
    } else {
        out.notes.emplace_back(kNoStrokeMessage);
    }
    double pipeMe = 0;
    if (me.exhaustLoss > 0) pipeMe = r3(me.exhaustLength * me.exhaustLoss * me.running);
    else if (me.fitted) return stopped(out, kMainExhaustMessage);

    // Generator sets: the diesels like a four-stroke main engine, the generators' own losses.
    const GeneratorSets &g = room.generators;
    if (g.engineMcr < 0) return stopped(out, kGeneratorMcrMessage);
    const double airG = r3(g.engineMcr * 0.002 * g.running / 1.13);
    const double heatGd = r3(std::pow(g.engineMcr, 0.7) * (g.running * 0.396));
    if (g.power < 0) return stopped(out, kGeneratorPowerMessage);
    const double heatGen = r3(g.power * 0.06 * g.running);
    double pipeG = 0;
    if (g.exhaustLoss > 0) pipeG = r3(g.exhaustLength * g.exhaustLoss * g.running);
    else if (g.fitted) return stopped(out, kGeneratorExhaustMessage);

    const ShaftGenerator &sg = room.shaftGenerator;
    const double heatSg = r3(sg.running * 0.06 * sg.power);

    const Boiler &cb = room.compositeBoiler;
    const double airCb = boilerAir(cb);
    const double heatCb = boilerHeat(cb, out);
    const Boiler &ab = room.auxiliaryBoiler;
    const double airAb = boilerAir(ab);
    const double heatAb = boilerHeat(ab, out);

    const HydraulicDiesels &hd = room.hydraulicDiesels;
    const double heatHd = r3(std::pow(hd.mcr, 0.7) * (hd.running * 0.396));
    const double airHd = r3(hd.running * hd.mcr * 0.002 / 1.13);
    double pipeHd = 0;
    if (hd.exhaustLoss > 0) pipeHd = r3(hd.exhaustLoss * hd.exhaustLength * hd.running);
    else if (hd.fitted) return stopped(out, kHydraulicExhaustMessage);

    const double airAc = r3(room.compressors.running * room.compressors.displacement / 3600);
    const double airIn = r3(room.incinerator.oilConsumption * room.incinerator.running * kAirPerFuel / kAirPerHour);
    const double airIg = r3(room.inertGasBlowers.airFlow * room.inertGasBlowers.running / 3600);

    out.combustionAir = (airG + airMe + airCb + airAb + airHd + airAc + airIn + airIg) * 3600;

    // The heat to carry away. The composite boiler's steam is not multiplied by its count.
    const double pipes = r3(pipeMe + pipeG + pipeHd);
    const double steam = r3((ab.running * ab.oilSteam + (cb.exhaustSteam + cb.oilSteam)) * 0.2 / 160);
    const double electric = r3((g.power * g.running + sg.power * sg.running) * 0.8 * 0.2);
    const double boilerAllowance = cb.fitted || ab.fitted ? 40 : 0;
    const double generalAllowance = g.fitted || cb.fitted || ab.fitted ? 100 : 0;
    const double heat = heatGd + heatMe + heatHd + heatGen + heatCb + heatAb + steam + electric + pipes + boilerAllowance +
                        generalAllowance + heatSg;
    out.heatAir = r3((heat / kHeatPerAir - (airG + airMe) * 0.4 - (airAb + airCb)) * 3600);

    out.totalAir = out.combustionAir + out.heatAir;
    if (room.fans > 0) out.perFan = out.totalAir / room.fans;
    else out.fanNote = kNoFansMessage;
    return out;
}

}  // namespace hanhai::ventilation
