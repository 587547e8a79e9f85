// Plain, web and right-triangle plates, the rectangular duct and the checkered plate.
#include "shell/ui/look.h"
#include "steel/core/catalogues.h"
#include "steel/core/plates.h"
#include "steel/ui/drawings.h"
#include "steel/ui/steel_screens.h"

namespace hanhai::steel {

using shell::CalculatorDesign;
using shell::Fields;
using shell::number;
using shell::result;

namespace {

const QString kMm = QStringLiteral("mm");
const QString kKg = QStringLiteral("kg");
const QString kDensity = QStringLiteral("钢的密度为7.85*10**3  kg/m**3");

// A weight screen with a count: single and total weight, three options starting at two
// decimals, results kept on failure.
CalculatorDesign countedWeightScreen(const QString &name, const QString &title) {
    CalculatorDesign s;
    s.name = s.caption = name;
    s.title = title;
    s.background = shell::look::kWeightBackground;
    s.options = 3;
    s.start = shell::Places::Two;
    s.failure = shell::Failure::Hold;
    return s;
}

CalculatorDesign plateScreen(const QString &name, std::vector<shell::Row> inputs, const QString &count,
                           const QString &single, const QString &total) {
    CalculatorDesign s = countedWeightScreen(name, name);
    s.inputs = std::move(inputs);
    s.quantity = number(count, QStringLiteral("n--数量"), QStringLiteral("块"), QStringLiteral("1"));
    s.resultHeading = QStringLiteral("重  量");
    s.results = {result(single, QStringLiteral("单件重量："), kKg), result(total, QStringLiteral("总重量："), kKg)};
    s.notes = {kDensity};
    return s;
}

}  // namespace

CalculatorDesign plainPlateScreen() {
    CalculatorDesign s = plateScreen(QStringLiteral("普通钢板重量计算"),
                                   {number("Text1", "a--边长", kMm), number("Text2", "b--边长", kMm), number("Text3", "c--厚度", kMm)},
                                   QStringLiteral("Text6"), QStringLiteral("Text4"), QStringLiteral("Text5"));
    s.inputMessage = QStringLiteral("输入的边长a或b有误");
    s.compute = [](const Fields &f) { return plainPlateWeight(f.number("Text1"), f.number("Text2"), f.number("Text3")); };
    s.drawing = drawPlate;
    return s;
}

CalculatorDesign webPlateScreen() {
    CalculatorDesign s = plateScreen(QStringLiteral("腹板重量计算"),
                                   {number("Text1", "a--上底边", kMm),
                                    number("Text2", "b--下底边", kMm),
                                    number("Text4", "H2--短高", kMm),
                                    number("Text3", "H1--长高", kMm),
                                    number("Text10", "R1--圆角", kMm),
                                    number("Text9", "R2--圆角", kMm),
                                    number("Text5", "t--厚度", kMm)},
                                   QStringLiteral("Text7"), QStringLiteral("Text6"), QStringLiteral("Text8"));
    s.inputMessage = QStringLiteral("输入的边长或圆角有误,请重输");
    s.compute = [](const Fields &f) {
        WebPlateWeight w = webPlateWeight(f.number("Text1"), f.number("Text2"), f.number("Text3"), f.number("Text4"),
                                          f.number("Text5"), f.number("Text10"), f.number("Text9"));
        shell::Outcome out(w.weight);
        if (w.fault == WebPlateWeight::Fault::TopNotShorter)
            out.notice(QStringLiteral("上底边a不能大于等于下底边b，请确认数字是否输入正确"));
        else if (w.fault == WebPlateWeight::Fault::LongNotTaller)
            out.notice(QStringLiteral("长高H1不能小于等于短高H2，请确认数字是否输入正确"));
        return out;
    };
    s.drawing = drawWebPlate;
    s.notes << QStringLiteral("如果图形不是腹板而是梯形，且将H2输成0就能实现计算。");
    return s;
}

CalculatorDesign trianglePlateScreen() {
    CalculatorDesign s = plateScreen(
        QStringLiteral("直角三角板重量计算"),
        {number("Text1", "a--边长", kMm), number("Text2", "b--边长", kMm), number("Text7", "R--圆角", kMm), number("Text3", "t--厚度", kMm)},
        QStringLiteral("Text5"), QStringLiteral("Text4"), QStringLiteral("Text6"));
    s.inputMessage = QStringLiteral("输入的边长a或b有误");
    s.compute = [](const Fields &f) {
        return trianglePlateWeight(f.number("Text1"), f.number("Text2"), f.number("Text3"), f.number("Text7"));
    };
    s.drawing = drawTrianglePlate;
    return s;
}

CalculatorDesign ductScreen() {
    CalculatorDesign s = plateScreen(
        QStringLiteral("矩形风道重量计算"),
        {number("Text1", "W--宽度", kMm), number("Text2", "H--高度", kMm), number("Text7", "L--长度", kMm), number("Text3", "t--厚度", kMm)},
        QStringLiteral("Text5"), QStringLiteral("Text4"), QStringLiteral("Text6"));
    s.inputMessage = QStringLiteral("输入的值W或H或t有误");
    s.compute = [](const Fields &f) {
        return ductWeight(f.number("Text1"), f.number("Text2"), f.number("Text3"), f.number("Text7"));
    };
    s.drawing = drawDuct;
    return s;
}

CalculatorDesign checkeredPlateScreen() {
    CalculatorDesign s = countedWeightScreen(QStringLiteral("花钢板重量计算"), QStringLiteral("花钢板重量计算"));
    auto list = [](std::span<const std::string_view> texts) {
        QStringList out;
        for (std::string_view t : texts) out << QString::fromUtf8(t);
        return out;
    };
    s.inputs = {shell::choice("Combo2", "花钢板的型状", "请选择花钢板的花纹型状", list(checkeredPatterns())),
                shell::choice("Combo1", "花钢板的厚度", "请选择花钢板的厚度", list(checkeredThicknesses())),
                number("Text2", "L--长度", kMm), number("Text5", "W--宽度", kMm)};
    s.quantity = number("Text1", "N--数量", QStringLiteral("块"), QStringLiteral("1"));
    s.results = {result("Text3", "单件重量：", kKg), result("Text4", "总重量：", kKg)};
    s.inputMessage = QStringLiteral("请先选择花钢板的型号及厚度");
    s.compute = [](const Fields &f) {
        return checkeredPlateWeight(f.text("Combo1"), f.text("Combo2"), f.number("Text2"), f.number("Text5"));
    };
    return s;
}

}  // namespace hanhai::steel
