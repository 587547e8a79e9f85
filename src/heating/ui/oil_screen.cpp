// Cargo tank heating by thermal oil: the fields of the screen.
#include "heating/ui/heating_layout.h"
#include "heating/ui/heating_screens.h"

namespace hanhai::heating {

namespace {

using shell::number;
using shell::result;

shell::Outcome oilBalance(const shell::Fields &f) {
    const ThermalOilInputs in = readThermalOilInputs(f.texts());
    return heatingOutcome(thermalOilHeating(in.tank, in.oil, in.coil));
}

}  // namespace

QWidget *makeThermalOilHeatingScreen() {
    HeatingScreenDesign d;
    d.name = QStringLiteral("货油加热系统计算热油");
    d.caption = QStringLiteral("货油加热系统计算（热油）");
    d.title = QStringLiteral("货油加热系统计算(热油)");
    const std::vector<shell::Row> tank = tankRows(kOilAdjacentFields);
    d.left.assign(tank.begin(), tank.begin() + 16);  // ρ to F4
    d.right.assign(tank.begin() + 16, tank.end());   // F5 to k5

    // The thermal oil and the coil stand at the foot of the right column.
    d.medium = {number("Text28", "热油进口温度t's", "℃"), number("Text33", "热油出口温度t\"s", "℃"),
                number("Text34", "热媒油的比热CT", "KJ/kg.K")};
    const std::vector<shell::Row> coil = coilRows();
    d.medium.insert(d.medium.end(), coil.begin(), coil.end());

    d.results = {
        result("Text23", "油实际吸收热量Q1", "KW", shell::general()),
        result("Text24", "油散失的热量Q2", "KW", shell::general()),
        result("Text25", "加热所需总热量Q", "KW", shell::general()),
        result("Text26", "所需热媒油流量Qt", "kg/h", shell::general()),
        result("Text29", "加温管面积F", "m²", shell::fixed(3)),
        result("Text30", "加热管长度L", "m", shell::fixed(3)),
        result("Text31", "每联的管长l", "m", shell::fixed(3)),
        result("Text32", "加热面积比R", "m²/m³", shell::fixed(6)),
    };
    d.shipName = QStringLiteral("Text36");
    d.tankName = QStringLiteral("Text35");
    d.compute = oilBalance;
    d.sheet = [](const shell::Fields &f) { return thermalOilHeatingSheet(f.texts()); };
    return buildHeatingScreen(d);
}

}  // namespace hanhai::heating
