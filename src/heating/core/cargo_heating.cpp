#include "heating/core/cargo_heating.h"

#include <cmath>
#include <span>

#include "shell/core/numbers.h"
#include "shell/core/units.h"

namespace hanhai::heating {

using shell::kPi;

// The order of the operations is part of the result: it fixes the last digits shown.

namespace {

HeatingResult stopped(std::string_view message) {
    HeatingResult result;
    result.message = message;
    return result;
}

// Mean oil temperature while heating: the oil spends most of the time near its final one.
double meanOilTemperature(const Tank &tank) { return (tank.tStart + 2 * tank.tEnd) / 3; }

// Heat lost through the boundaries, W: shell below the waterline and bottom to the sea,
// shell above it and deck to the air, the four bulkheads (one coefficient) to the next tanks.
double boundaryLoss(const Tank &k, double tm) {
    return k.k1 * k.F1 * (tm - k.t1) + k.k2 * k.F2 * (tm - k.t1) + k.k3 * k.F3 * (tm - k.t2) +
           k.k4 * k.F4 * (tm - k.t2) +
           k.k5 * (k.F5 * (tm - k.t3) + k.F6 * (tm - k.t4) + k.F7 * (tm - k.t5) + k.F8 * (tm - k.t6));
}

// The coil's length from its area, and the tank volume check, common to both media.
HeatingResult coilAndVolume(const Tank &tank, const Coil &coil, std::optional<double> Q1, double Q2,
                            double Q, std::optional<double> flow, double F) {
    if (!(coil.d > 0)) return stopped(kDiameterMessage);
    double L = 1000 * F / (kPi * coil.d);
    double l = L / coil.Z;
    // The volume is checked last, after everything else went through.
    if (tank.V > 0) {
        HeatingResult result;
        result.Q1 = Q1;
        result.Q2 = Q2;
        result.Q = Q;
        result.flow = flow;
        result.F = F;
        result.L = L;
        result.l = l;
        result.R = F / tank.V;
        return result;
    }
    return stopped(tank.V < 0 ? kVolumeWrongMessage : kNoVolumeMessage);
}

}  // namespace

const SteamRow *steamByPressure(std::string_view text) {
    for (const SteamRow &row : kSteamTable)
        if (row.pressure == text) return &row;
    return nullptr;
}

std::optional<double> condensateEnthalpy(double T) {
    if (!(T >= kCondensateTable.front().T && T <= kCondensateTable.back().T)) return std::nullopt;
    // The first band holds both its limits (100 and 110); each later one only its upper limit.
    for (std::size_t i = 1; i < kCondensateTable.size(); ++i) {
        const WaterPoint &low = kCondensateTable[i - 1], &high = kCondensateTable[i];
        if (T <= high.T) return low.h + (high.h - low.h) * (T - low.T) / 10;
    }
    return std::nullopt;
}

HeatingResult steamHeating(const Tank &tank, const Steam &steam, const Coil &coil) {
    double tm = meanOilTemperature(tank);

    // kJ/h. A heating time of 0 leaves the warming-up heat out; a NaN time does the same.
    std::optional<double> Q1;
    if (tank.heatingTime > 0)
        Q1 = tank.rho * tank.C * tank.V * (tank.tEnd - tank.tStart) / tank.heatingTime;
    else if (tank.heatingTime < 0)
        return stopped(kHeatingTimeMessage);

    double Q2 = 3.6 * boundaryLoss(tank, tm);  // W to kJ/h
    double Q = Q1.value_or(0) + Q2;

    const SteamRow *row = steamByPressure(steam.pressure);
    if (!row) return stopped(kNoPressureMessage);
    std::optional<double> hWater = condensateEnthalpy(steam.tCondensate);
    if (!hWater) return stopped(kCondensateMessage);

    // Each kilogram of steam gives h″ − h′ as it condenses and cools to t″s; 95 % of it reaches
    // the oil.
    double di = 0.95 * (row->hSteam - *hWater);
    std::optional<double> G;
    if (*hWater != row->hSteam) G = Q / di;

    double thetaM = (steam.tCondensate + row->tSaturation) / 2;
    double kEff = 0.9 * coil.k;  // a 10 % allowance on the coil's coefficient
    double F = 0;
    if (kEff != 0 && thetaM != tm) F = Q * 1000 / (3600 * kEff * (thetaM - tm));
    return coilAndVolume(tank, coil, Q1, Q2, Q, G, F);
}

HeatingResult thermalOilHeating(const Tank &tank, const ThermalOil &oil, const Coil &coil) {
    double tm = meanOilTemperature(tank);

    // kW.
    std::optional<double> Q1;
    if (tank.heatingTime > 0)
        Q1 = tank.rho * tank.C * tank.V * (tank.tEnd - tank.tStart) / (3600 * tank.heatingTime);
    else if (tank.heatingTime < 0)
        return stopped(kHeatingTimeMessage);

    double Q2 = boundaryLoss(tank, tm) / 1000;  // W to kW
    double Q = Q1.value_or(0) + Q2;

    // The thermal oil must give heat away: its temperature drop times its specific heat
    // positive. A negative CT with the outlet warmer passes, as the product does.
    if (!((oil.tOutlet - oil.tInlet) * oil.CT < 0)) return stopped(kThermalOilMessage);
    double Qt = 3600 * Q / ((oil.tInlet - oil.tOutlet) * oil.CT);  // kg/h

    double thetaM = (oil.tInlet + 2 * oil.tOutlet) / 3;
    double kEff = 0.9 * coil.k;
    double F = 0;
    if (kEff != 0 && thetaM != tm) F = 1000 * Q / (kEff * (thetaM - tm));
    return coilAndVolume(tank, coil, Q1, Q2, Q, Qt, F);
}

namespace {

double number(const FieldText &field, std::string_view control) {
    return shell::leadingNumber(field(control));
}

Tank readTank(const FieldText &field, const AdjacentTankFields &adjacent) {
    Tank tank;
    tank.rho = number(field, "Text1");
    tank.V = number(field, "Text22");
    tank.tStart = number(field, "Text2");
    tank.tEnd = number(field, "Text3");
    tank.C = number(field, "Text4");
    tank.heatingTime = number(field, "Text5");
    tank.t1 = number(field, "Text6");
    tank.t2 = number(field, "Text7");
    tank.t3 = number(field, "Text8");
    tank.F1 = number(field, "Text9");
    tank.F2 = number(field, "Text10");
    tank.F3 = number(field, "Text11");
    tank.F4 = number(field, "Text12");
    tank.F5 = number(field, "Text13");
    tank.k1 = number(field, "Text14");
    tank.k2 = number(field, "Text15");
    tank.k3 = number(field, "Text16");
    tank.k4 = number(field, "Text17");
    tank.k5 = number(field, "Text18");
    tank.t4 = number(field, adjacent.t4);
    tank.t5 = number(field, adjacent.t5);
    tank.t6 = number(field, adjacent.t6);
    tank.F6 = number(field, adjacent.F6);
    tank.F7 = number(field, adjacent.F7);
    tank.F8 = number(field, adjacent.F8);
    return tank;
}

Coil readCoil(const FieldText &field) {
    return {number(field, "Text19"), number(field, "Text21"), number(field, "Text27")};
}

}  // namespace

SteamInputs readSteamInputs(const FieldText &field) {
    return {readTank(field, kSteamAdjacentFields), {field("Combo2"), number(field, "Text33")}, readCoil(field)};
}

ThermalOilInputs readThermalOilInputs(const FieldText &field) {
    return {readTank(field, kOilAdjacentFields),
            {number(field, "Text28"), number(field, "Text33"), number(field, "Text34")},
            readCoil(field)};
}

// ---- Calculation sheets ----

namespace {

// One numbered line of a sheet: the label in column A and, unless the symbol is empty, the
// value in column G as symbol, field text and unit joined without blanks.
struct SheetLine {
    int row;
    std::string_view label;
    std::string_view symbol;
    std::string_view control;
    std::string_view unit;
};

constexpr int kLabelColumn = 1;  // A
constexpr int kValueColumn = 7;  // G

// "г" below is the Cyrillic small letter (U+0433), as the sheets have always printed t″.
constexpr SheetLine kSteamLines[] = {
    {5, "KNOWN PARAMETER: ", "", "", ""},
    {6, "1、SPECIFIC MASS ", "ρ= ", "Text1", "kg/m^3"},
    {7, "2、OIL FIRST TEMP.", "t'=", "Text2", "℃"},
    {8, "3、OIL END TEMP.", "\u0433=", "Text3", "℃"},
    {9, "4、OIL SPECIFIC HEAT ", "C=", "Text4", " KJ/(kg.K)"},
    {10, "5、OIL HEATING TIME ", "t=", "Text5", "h"},
    {11, "6、OUTBOARD WARTER TEMP.：", "t1=", "Text6", "℃"},
    {12, "7、OUTBOARD AIR TEMP.", "t2=", "Text7", "℃"},
    {13, "8、NO.1 NEAR TANKER TEMP.", "t3=", "Text8", "℃"},
    {14, "9、NO.2 NEAR TANKER TEMP.", "t4=", "Text35", "℃"},
    {15, "10、NO.3 NEAR TANKER TEMP.", "t5=", "Text36", "℃"},
    {16, "11、NO.4 NEAR TANKER TEMP.", "t6=", "Text37", "℃"},
    {17, "12、OIL TANK AT BILGE NEAR TO SEA WATER AREA", "F1=", "Text9", "m^2"},
    {18, "13、OIL TANK AT BOTTOM NEAR TO SEA WATER AREA", "F2=", "Text10", "m^2"},
    {19, "14、OIL TANK AT BOARD(AB.CWL) NEAR TO SEA WATER AREA", "F3=", "Text11", "m^2"},
    {20, "15、OIL TANK DECK AREA", "F4=", "Text12", "m^2"},
    {21, "16、OIL CONTACT NO.1 NEAR TANKER AREA", "F5=", "Text13", "m^2"},
    {22, "17、OIL CONTACT NO.2 NEAR TANKER AREA", "F6=", "Text38", "m^2"},
    {23, "18、OIL CONTACT NO.3 NEAR TANKER AREA", "F7=", "Text39", "m^2"},
    {24, "19、OIL CONTACT NO.4 NEAR TANKER AREA", "F8=", "Text40", "m^2"},
    {25, "20、OIL TANK AT BILGE NEAR TO SEA WATER H.T.C.", "K1=", "Text14", "w/(m^2.K)"},
    {26, "21、OIL TANK AT BOTTOM NEAR TO SEA WATER H.T.C.", "K2=", "Text15", "w/(m^2.K)"},
    {27, "22、OIL TANK AT BOARD(AB.CWL) NEAR TO SEA WATER H.T.C.", "K3=", "Text16", "w/(m^2.K)"},
    {28, "23、OIL TO DECK HEAT TRANSFER COEFFICIENT", "K4=", "Text17", "w/(m^2.K)"},
    {29, "24、OIL TO NEAR TANKER HEAT TRANSFER COFFICIENT", "K5=", "Text18", "w/(m^2.K)"},
    {30, "25、OIL TANKER CAPACITY", "V=", "Text22", "m^3"},
    {31, "26、STEAM PRESSURE", "P=", "Combo2", ""},
    {32, "27、STEAM CONDENSATION TEMP.", "\u0433s=", "Text33", "℃"},
    {33, "28、STEAM HEATING PIPING OUTSIDE DIAMETER", "d=", "Text19", "mm"},
    {34, "29、STEAM HEATING PIPING INSIDE DIAMETER", "di=", "Text20", "mm"},
    {35, "30、THE COIL PIPE NUMBER", "Z=", "Text21", ""},
    {36, "31、THE COIL PIPE HEAT TRANSFER COEFFICIENT", "K=", "Text27", "w/(m^2.K)"},
    {37, "THE RESULT OF CALCULATION：", "", "", ""},
    {38, "32、THE REQUIREMENT HEATING QUANTITY FOR WARMING UP", "Q1=", "Text23", "KJ/h"},
    {39, "33、THE REQUIREMENT HEATING QUANTITY FOR KEEP TEMP", "Q2=", "Text24", "KJ/h"},
    {40, "34、THE TOTAL REQUIREMENT HEATING QUANTITY", "Q=", "Text25", "KJ/h"},
    {41, "35、THE REQUIREMENT QUANTITY OF STEAM", "G=", "Text26", "kg/h"},
    {42, "36、THE COIL PIPE AREA", "F=", "Text29", "m^2"},
    {43, "37、THE COIL PIPE LENGTH", "L=", "Text30", "m"},
    {44, "38、EACH COIL PIPE LENGTH", "l=", "Text31", "m"},
    {45, "39、HEATING COIL AREA/VOLUME", "R=", "Text32", "m^2/m^3"},
};

// The thermal-oil sheet keeps the steam wording "G=" and "QUANTITY OF STEAM" for the oil flow.
constexpr SheetLine kThermalOilLines[] = {
    {5, "KNOWN PARAMETER: ", "", "", ""},
    {6, "1、SPECIFIC MASS ", "ρ= ", "Text1", "kg/m^3"},
    {7, "2、OIL FIRST TEMP.", "t'=", "Text2", "℃"},
    {8, "3、OIL END TEMP.", "\u0433=", "Text3", "℃"},
    {9, "4、OIL SPECIFIC HEAT ", "C=", "Text4", " KJ/(kg.K)"},
    {10, "5、OIL HEATING TIME ", "t=", "Text5", "h"},
    {11, "6、OUTBOARD WARTER TEMP.", "t1=", "Text6", "℃"},
    {12, "7、OUTBOARD AIR TEMP.", "t2=", "Text7", "℃"},
    {13, "8、NO.1 NEAR TANKER TEMP.", "t3=", "Text8", "℃"},
    {14, "9、NO.2 NEAR TANKER TEMP.", "t4=", "Text37", "℃"},
    {15, "10、NO.3 NEAR TANKER TEMP.", "t5=", "Text38", "℃"},
    {16, "11、NO.4 NEAR TANKER TEMP.", "t6=", "Text39", "℃"},
    {17, "12、OIL TANK AT BILGE NEAR TO SEA WATER AREA", "F1=", "Text9", "m^2"},
    {18, "13、OIL TANK AT BOTTOM NEAR TO SEA WATER AREA", "F2=", "Text10", "m^2"},
    {19, "14、OIL TANK AT BOARD(AB.CWL) NEAR TO SEA WATER AREA", "F3=", "Text11", "m^2"},
    {20, "15、OIL TANK DECK AREA", "F4=", "Text12", "m^2"},
    {21, "16、OIL CONTACT NO.1 NEAR TANKER AREA", "F5=", "Text13", "m^2"},
    {22, "17、OIL CONTACT NO.2 NEAR TANKER AREA", "F6=", "Text40", "m^2"},
    {23, "18、OIL CONTACT NO.3 NEAR TANKER AREA", "F7=", "Text41", "m^2"},
    {24, "19、OIL CONTACT NO.4 NEAR TANKER AREA", "F8=", "Text42", "m^2"},
    {25, "20、OIL TANK AT BILGE NEAR TO SEA WATER H.T.C.", "K1=", "Text14", "w/(m^2.K)"},
    {26, "21、OIL TANK AT BOTTOM NEAR TO SEA WATER H.T.C.", "K2=", "Text15", "w/(m^2.K)"},
    {27, "22、OIL TANK AT BOARD(AB.CWL) NEAR TO SEA WATER H.T.C.", "K3=", "Text16", "w/(m^2.K)"},
    {28, "23、OIL TO DECK HEAT TRANSFER COEFFICIENT", "K4=", "Text17", "w/(m^2.K)"},
    {29, "24、OIL TO NEAR TANKER HEAT TRANSFER COFFICIENT", "K5=", "Text18", "w/(m^2.K)"},
    {30, "25、OIL TANKER CAPACITY", "V=", "Text22", "m^3"},
    {31, "26、THERAML OIL INLET TEMP.", "t's=", "Text28", "℃"},
    {32, "27、THERAML OIL OUTLET TEMP.", "\u0433s=", "Text33", "℃"},
    {33, "28、THERAML OIL SPECIFIC HEAT", "CT=", "Text34", "KJ/(kg.K)"},
    {34, "29、THE HEATING COIL PIPE OUTSIDE DIAMETER", "d=", "Text19", "mm"},
    {35, "30、THE HEATING COIL PIPE INSIDE DIAMETER", "di=", "Text20", "mm"},
    {36, "31、THE COIL PIPE NUMBER", "Z=", "Text21", ""},
    {37, "32、THE COIL PIPE HEAT TRANSFER COEFFICIENT", "K=", "Text27", "w/(m^2.K)"},
    {38, "THE RESULT OF CALCULATION：", "", "", ""},
    {39, "33、THE REQUIREMENT HEATING QUANTITY FOR WARMING UP", "Q1=", "Text23", "KW"},
    {40, "34、THE REQUIREMENT HEATING QUANTITY FOR KEEP TEMP", "Q2=", "Text24", "KW"},
    {41, "35、THE TOTAL REQUIREMENT HEATING QUANTITY", "Q=", "Text25", "KW"},
    {42, "36、THE REQUIREMENT QUANTITY OF STEAM", "G=", "Text26", "kg/h"},
    {43, "37、THE COIL PIPE AREA", "F=", "Text29", "m^2"},
    {44, "38、THE COIL PIPE LENGTH", "L=", "Text30", "m"},
    {45, "39、EACH COIL PIPE LENGTH", "l=", "Text31", "m"},
    {46, "40、HEATING COIL AREA/VOLUME", "R=", "Text32", "m^2/m^3"},
};

report::Sheet heatingSheet(std::span<const SheetLine> lines, std::string_view shipControl,
                           std::string_view tankControl, const FieldText &field) {
    report::Sheet sheet;
    sheet.setFontName("C1:E1", "黑体");
    sheet.setBold("C1:E1");
    sheet.setFontSize("C1:E1", 18);
    sheet.setBold("B3:C4");

    sheet.write(1, 3, field(shipControl));
    sheet.write(3, 1, "ITEM：");
    sheet.write(3, 2, "CALCULATION OF CARGO TANKER HEATING");
    sheet.write(4, 1, "OIL TANK NAME：");
    sheet.write(4, 3, field(tankControl));
    for (const SheetLine &line : lines) {
        sheet.write(line.row, kLabelColumn, std::string(line.label));
        if (!line.symbol.empty())
            sheet.write(line.row, kValueColumn,
                        std::string(line.symbol) + field(line.control) + std::string(line.unit));
    }
    sheet.write(49, 1, "DESIGNED：");
    sheet.write(49, 4, "CHECKED：");
    sheet.write(49, 7, "DATE：");
    return sheet;
}

}  // namespace

report::Sheet steamHeatingSheet(const FieldText &field) {
    return heatingSheet(kSteamLines, "Text34", "Text28", field);
}

report::Sheet thermalOilHeatingSheet(const FieldText &field) {
    return heatingSheet(kThermalOilLines, "Text36", "Text35", field);
}

}  // namespace hanhai::heating
