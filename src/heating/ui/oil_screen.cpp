// Cargo tank heating by thermal oil: the fields of the screen.
#include "heating/ui/heating_layout.h"
#include "heating/ui/heating_screens.h"

namespace hanhai::heating {

namespace {

using shell::number;
using shell::result;

const QString kW = QStringLiteral("W/(m²·K)");

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
    d.left = {
        number("Text1", "油的比重ρ", "kg/m³"),
        number("Text22", "货油舱舱容V", "m³"),
        number("Text2", "油的初温t'", "℃"),
        number("Text3", "油的终温t\"", "℃"),
        withHint(number("Text4", "油的比热C ", "KJ/kg.K"), QStringLiteral(" 需查表，原油约为2")),
        number("Text5", "油加温时间t", "h"),
        number("Text6", "舷外水温度t1", "℃"),
        number("Text7", "舷外空气温度t2", "℃"),
        number("Text8", "NO.1邻舱温度t3", "℃"),
        number("Text37", "NO.2邻舱温度t4", "℃"),
        number("Text38", "NO.3邻舱温度t5", "℃"),
        number("Text39", "NO.4邻舱温度t6", "℃"),
        number("Text9", "油接触水线下舷板面积F1", "m²"),
        number("Text10", "油接触船底面积F2", "m²"),
        number("Text11", "油接触水线上舷板面积F3", "m²"),
        number("Text12", "油舱的甲板面积F4", "m²"),
    };
    d.right = {
        number("Text13", "油与NO.1邻舱接触面积F5", "m²"),
        number("Text40", "油与NO.2邻舱接触面积F6", "m²"),
        number("Text41", "油与NO.3邻舱接触面积F7", "m²"),
        number("Text42", "油与NO.4邻舱接触面积F8", "m²"),
        number("Text14", "油与水线下舷板面传热系数k1", kW, "19.77"),
        number("Text15", "油与船底面传热系数k2", kW, "6.98"),
        number("Text16", "油与水线上舷板面传热系数k3", kW, "19.77"),
        number("Text17", "油向甲板面传热系数k4", kW, "8.72"),
        number("Text18", "油向邻舱壁传热系数k5", kW, "5.82"),
    };
    d.medium = {
        number("Text28", "热油进口温度t's", "℃"),
        number("Text33", "热油出口温度t\"s", "℃"),
        number("Text34", "热媒油的比热CT", "KJ/kg.K"),
        number("Text19", "加温盘管外径d", "mm"),
        number("Text20", "加温盘管内径di", "mm"),
        number("Text21", "并联管程数Z", {}, "1"),
        number("Text27", "加热盘传热系数k", kW),
    };
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
