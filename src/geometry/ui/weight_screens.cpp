#include "geometry/ui/weight_screens.h"

#include "geometry/core/weights.h"
#include "geometry/ui/drawings.h"
#include "shell/ui/look.h"

namespace hanhai::geometry {

using shell::CalculatorDesign;
using shell::Inputs;
using shell::NumberField;

namespace {

const QString kMm = QStringLiteral("mm");
const QString kKg = QStringLiteral("kg");
const QString kDataMessage = QStringLiteral("输入的数据有误");

// One piece's weight in "重  量", blank on failure, four options.
CalculatorDesign weightScreen(const QString &name, const QString &title, std::vector<NumberField> inputs,
                            const QString &result, const QString &message,
                            std::function<shell::Outcome(const Inputs &)> compute, shell::DrawingFn drawing) {
    CalculatorDesign s;
    s.name = name;
    s.caption = s.title = title;
    s.background = shell::look::kWeightBackground;
    s.inputs = std::move(inputs);
    s.results = {{result, QStringLiteral("重  量"), kKg}};
    s.options = 4;
    s.start = shell::Places::Unrounded;
    s.failure = shell::Failure::Blank;
    s.inputMessage = message;
    s.compute = std::move(compute);
    s.drawing = drawing;
    s.notes = {QStringLiteral("钢的密度为7.85*10**3  kg/m**3")};
    return s;
}

}  // namespace

CalculatorDesign cylinderWeightScreen() {
    CalculatorDesign s = weightScreen(
        QStringLiteral("圆柱体重量计算"), QStringLiteral("圆柱体重量计算"), {{"Text1", "D--直径", kMm}, {"Text2", "H--高度", kMm}},
        QString(), QStringLiteral("未输入直径值D，或输入值有误"),
        [](const Inputs &in) { return cylinderWeight(in.numbers[0], in.numbers[1]); }, drawCylinder);
    s.quantity = NumberField{"Text4", "N--数量", QStringLiteral("个"), QStringLiteral("1")};
    s.results = {{"Text3", "单件重量：", kKg}, {"Text5", "总重量：", kKg}};
    s.failure = shell::Failure::HoldButUnroundedSingle;
    return s;
}

CalculatorDesign tubeWeightScreen() {
    return weightScreen(QStringLiteral("圆筒重量计算"), QStringLiteral("管子重量计算"),
                        {{"Text1", "D--外直径", kMm}, {"Text2", "d--内直径", kMm}, {"Text3", "H--高度", kMm}},
                        QStringLiteral("Text4"), kDataMessage,
                        [](const Inputs &in) { return tubeWeight(in.numbers[0], in.numbers[1], in.numbers[2]); },
                        drawTube);
}

CalculatorDesign frustumWeightScreen() {
    return weightScreen(QStringLiteral("圆台重量计算"), QStringLiteral("圆台重量计算"),
                        {{"Text1", "D--大直径", kMm}, {"Text2", "d--小直径", kMm}, {"Text3", "H--高度", kMm}},
                        QStringLiteral("Text4"), kDataMessage,
                        [](const Inputs &in) { return frustumWeight(in.numbers[0], in.numbers[1], in.numbers[2]); },
                        drawFrustum);
}

CalculatorDesign sphereWeightScreen() {
    return weightScreen(QStringLiteral("球体重量计算"), QStringLiteral("球体重量计算"), {{"Text1", "D--直径", kMm}},
                        QStringLiteral("Text3"), QStringLiteral("输入的直径D有误"),
                        [](const Inputs &in) { return sphereWeight(in.numbers[0]); }, drawSphere);
}

CalculatorDesign capWeightScreen() {
    return weightScreen(QStringLiteral("球冠重量计算"), QStringLiteral("球冠重量计算"),
                        {{"Text1", "A--下半径", kMm}, {"Text2", "H--高度", kMm}}, QStringLiteral("Text3"),
                        QStringLiteral("输入的下半径A有误"),
                        [](const Inputs &in) { return capWeight(in.numbers[0], in.numbers[1]); }, drawCap);
}

}  // namespace hanhai::geometry
