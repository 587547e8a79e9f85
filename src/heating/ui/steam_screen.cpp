// Cargo tank heating by steam: the fields of the screen.
#include "heating/ui/heating_layout.h"
#include "heating/ui/heating_screens.h"

namespace hanhai::heating {

namespace {

using shell::number;
using shell::result;

shell::Outcome steamBalance(const shell::Fields &f) {
    const SteamInputs in = readSteamInputs(f.texts());
    return heatingOutcome(steamHeating(in.tank, in.steam, in.coil));
}

}  // namespace

QWidget *makeSteamHeatingScreen() {
    HeatingScreenDesign d;
    d.name = QStringLiteral("货油加热系统计算蒸汽");
    d.caption = QStringLiteral("货油加热系统计算（蒸汽）");
    d.title = QStringLiteral("货油加热系统计算(蒸汽)");
    const std::vector<shell::Row> tank = tankRows(kSteamAdjacentFields);
    d.left.assign(tank.begin(), tank.begin() + 17);  // ρ to F5
    d.right.assign(tank.begin() + 17, tank.end());   // F6 to k5

    QStringList pressures;
    for (const SteamRow &row : kSteamTable) pressures << QString::fromUtf8(row.pressure);
    d.mediumFrame = QStringLiteral("蒸汽及盘管参数：");
    d.medium = {shell::choice("Combo2", "加热工质-蒸汽", QString::fromUtf8(kPressurePrompt), pressures),
                number("Text33", "蒸汽凝水温度t\"s", "℃", "100")};
    const std::vector<shell::Row> coil = coilRows();
    d.medium.insert(d.medium.end(), coil.begin(), coil.end());

    d.results = {
        result("Text23", "油实际吸收热量Q1", "KJ/h", shell::general()),
        result("Text24", "油散失的热量Q2", "KJ/h", shell::general()),
        result("Text25", "加热所需总热量Q", "KJ/h", shell::general()),
        result("Text26", "加热蒸汽耗量G", "kg/h", shell::general()),
        result("Text29", "加温管面积F", "m²", shell::fixed(3)),
        result("Text30", "加热管长度L", "m", shell::fixed(3)),
        result("Text31", "每联的管长l", "m", shell::fixed(3)),
        result("Text32", "加热面积比R", "m²/m³", shell::fixed(6)),
    };
    d.shipName = QStringLiteral("Text34");
    d.tankName = QStringLiteral("Text28");
    d.compute = steamBalance;
    d.sheet = [](const shell::Fields &f) { return steamHeatingSheet(f.texts()); };
    return buildHeatingScreen(d);
}

}  // namespace hanhai::heating
