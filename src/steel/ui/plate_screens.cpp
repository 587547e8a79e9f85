// Plain, web and right-triangle plates, the rectangular duct and the checkered plate.
#include "shell/ui/look.h"
#include "steel/core/catalogues.h"
#include "steel/core/plates.h"
#include "steel/ui/drawings.h"
#include "steel/ui/steel_screens.h"

namespace hanhai::steel {

using shell::CalculatorDesign;
using shell::Inputs;
using shell::NumberField;
using shell::ResultField;

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

CalculatorDesign plateScreen(const QString &name, std::vector<NumberField> inputs, const QString &count,
                           const QString &single, const QString &total) {
    CalculatorDesign s = countedWeightScreen(name, name);
    s.inputs = std::move(inputs);
    s.quantity = NumberField{count, QStringLiteral("n--数量"), QStringLiteral("块"), QStringLiteral("1")};
    s.resultHeading = QStringLiteral("重  量");
    s.results = {ResultField{single, QStringLiteral("单件重量："), kKg}, ResultField{total, QStringLiteral("总重量："), kKg}};
    s.notes = {kDensity};
    return s;
}

std::string choice(const Inputs &in, std::size_t i) { return in.choices.at(i); }

}  // namespace

CalculatorDesign plainPlateScreen() {
    CalculatorDesign s = plateScreen(QStringLiteral("普通钢板重量计算"),
                                   {{"Text1", "a--边长", kMm}, {"Text2", "b--边长", kMm}, {"Text3", "c--厚度", kMm}},
                                   QStringLiteral("Text6"), QStringLiteral("Text4"), QStringLiteral("Text5"));
    s.inputMessage = QStringLiteral("输入的边长a或b有误");
    s.compute = [](const Inputs &in) { return plainPlateWeight(in.numbers[0], in.numbers[1], in.numbers[2]); };
    s.drawing = drawPlate;
    return s;
}

CalculatorDesign webPlateScreen() {
    CalculatorDesign s = plateScreen(QStringLiteral("腹板重量计算"),
                                   {{"Text1", "a--上底边", kMm},
                                    {"Text2", "b--下底边", kMm},
                                    {"Text4", "H2--短高", kMm},
                                    {"Text3", "H1--长高", kMm},
                                    {"Text10", "R1--圆角", kMm},
                                    {"Text9", "R2--圆角", kMm},
                                    {"Text5", "t--厚度", kMm}},
                                   QStringLiteral("Text7"), QStringLiteral("Text6"), QStringLiteral("Text8"));
    s.inputMessage = QStringLiteral("输入的边长或圆角有误,请重输");
    s.compute = [](const Inputs &in) -> shell::Outcome {
        const auto &n = in.numbers;  // a, b, H2, H1, R1, R2, t in screen order
        WebPlateWeight w = webPlateWeight(n[0], n[1], n[3], n[2], n[6], n[4], n[5]);
        switch (w.fault) {
        case WebPlateWeight::Fault::TopNotShorter:
            return {std::nullopt, {QStringLiteral("上底边a不能大于等于下底边b，请确认数字是否输入正确")}};
        case WebPlateWeight::Fault::LongNotTaller:
            return {std::nullopt, {QStringLiteral("长高H1不能小于等于短高H2，请确认数字是否输入正确")}};
        default:
            return w.weight;
        }
    };
    s.drawing = drawWebPlate;
    s.notes << QStringLiteral("如果图形不是腹板而是梯形，且将H2输成0就能实现计算。");
    return s;
}

CalculatorDesign trianglePlateScreen() {
    CalculatorDesign s = plateScreen(
        QStringLiteral("直角三角板重量计算"),
        {{"Text1", "a--边长", kMm}, {"Text2", "b--边长", kMm}, {"Text7", "R--圆角", kMm}, {"Text3", "t--厚度", kMm}},
        QStringLiteral("Text5"), QStringLiteral("Text4"), QStringLiteral("Text6"));
    s.inputMessage = QStringLiteral("输入的边长a或b有误");
    s.compute = [](const Inputs &in) {
        const auto &n = in.numbers;  // a, b, R, t
        return trianglePlateWeight(n[0], n[1], n[3], n[2]);
    };
    s.drawing = drawTrianglePlate;
    return s;
}

CalculatorDesign ductScreen() {
    CalculatorDesign s = plateScreen(
        QStringLiteral("矩形风道重量计算"),
        {{"Text1", "W--宽度", kMm}, {"Text2", "H--高度", kMm}, {"Text7", "L--长度", kMm}, {"Text3", "t--厚度", kMm}},
        QStringLiteral("Text5"), QStringLiteral("Text4"), QStringLiteral("Text6"));
    s.inputMessage = QStringLiteral("输入的值W或H或t有误");
    s.compute = [](const Inputs &in) {
        const auto &n = in.numbers;  // W, H, L, t
        return ductWeight(n[0], n[1], n[3], n[2]);
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
    s.choices = {{"Combo2", "花钢板的型状", "请选择花钢板的花纹型状", list(checkeredPatterns())},
                 {"Combo1", "花钢板的厚度", "请选择花钢板的厚度", list(checkeredThicknesses())}};
    s.inputs = {{"Text2", "L--长度", kMm}, {"Text5", "W--宽度", kMm}};
    s.quantity = NumberField{"Text1", "N--数量", QStringLiteral("块"), QStringLiteral("1")};
    s.results = {{"Text3", "单件重量：", kKg}, {"Text4", "总重量：", kKg}};
    s.inputMessage = QStringLiteral("请先选择花钢板的型号及厚度");
    s.compute = [](const Inputs &in) {
        return checkeredPlateWeight(choice(in, 1), choice(in, 0), in.numbers[0], in.numbers[1]);
    };
    return s;
}

}  // namespace hanhai::steel
