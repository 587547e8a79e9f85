#include "geometry/ui/weight_screens.h"

#include "geometry/core/weights.h"
#include "geometry/ui/drawings.h"
#include "shell/ui/look.h"

namespace hanhai::geometry {

using shell::CalculatorDesign;
using shell::Fields;
using shell::number;

namespace {

const QString kMm = QStringLiteral("mm");
const QString kKg = QStringLiteral("kg");
const QString kDataMessage = QStringLiteral("输入的数据有误");

// One piece's weight in "重  量", blank on failure, four options.
CalculatorDesign weightScreen(const QString &name, const QString &title, std::vector<shell::Row> inputs,
                              const QString &result, const QString &message,
                              shell::CalculatorScreen::Computation compute, shell::DrawingFn drawing) {
    CalculatorDesign s;
    s.name = name;
    s.caption = s.title = title;
    s.background = shell::look::kWeightBackground;
    s.inputs = std::move(inputs);
    s.results = {shell::result(result, QStringLiteral("重  量"), kKg)};
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
        QStringLiteral("圆柱体重量计算"), QStringLiteral("圆柱体重量计算"), {number("Text1", "D--直径", kMm), number("Text2", "H--高度", kMm)},
        QString(), QStringLiteral("未输入直径值D，或输入值有误"),
        [](const Fields &f) { return cylinderWeight(f.number("Text1"), f.number("Text2")); }, drawCylinder);
    s.quantity = number("Text4", "N--数量", QStringLiteral("个"), QStringLiteral("1"));
    s.results = {shell::result("Text3", "单件重量：", kKg), shell::result("Text5", "总重量：", kKg)};
    s.failure = shell::Failure::Hold;
    // The unrounded option writes the kept result in every case: an empty one empties the
    // single weight, while the total keeps what it showed.
    s.afterFailure = [](shell::CalculatorScreen &screen, bool fromCalculate) {
        if (!fromCalculate && screen.places() == shell::Places::Unrounded) screen.write(QStringLiteral("Text3"), QString());
    };
    return s;
}

CalculatorDesign tubeWeightScreen() {
    return weightScreen(QStringLiteral("圆筒重量计算"), QStringLiteral("管子重量计算"),
                        {number("Text1", "D--外直径", kMm), number("Text2", "d--内直径", kMm), number("Text3", "H--高度", kMm)},
                        QStringLiteral("Text4"), kDataMessage,
                        [](const Fields &f) { return tubeWeight(f.number("Text1"), f.number("Text2"), f.number("Text3")); },
                        drawTube);
}

CalculatorDesign frustumWeightScreen() {
    return weightScreen(QStringLiteral("圆台重量计算"), QStringLiteral("圆台重量计算"),
                        {number("Text1", "D--大直径", kMm), number("Text2", "d--小直径", kMm), number("Text3", "H--高度", kMm)},
                        QStringLiteral("Text4"), kDataMessage,
                        [](const Fields &f) { return frustumWeight(f.number("Text1"), f.number("Text2"), f.number("Text3")); },
                        drawFrustum);
}

CalculatorDesign sphereWeightScreen() {
    return weightScreen(QStringLiteral("球体重量计算"), QStringLiteral("球体重量计算"), {number("Text1", "D--直径", kMm)},
                        QStringLiteral("Text3"), QStringLiteral("输入的直径D有误"),
                        [](const Fields &f) { return sphereWeight(f.number("Text1")); }, drawSphere);
}

CalculatorDesign capWeightScreen() {
    return weightScreen(QStringLiteral("球冠重量计算"), QStringLiteral("球冠重量计算"),
                        {number("Text1", "A--下半径", kMm), number("Text2", "H--高度", kMm)}, QStringLiteral("Text3"),
                        QStringLiteral("输入的下半径A有误"),
                        [](const Fields &f) { return capWeight(f.number("Text1"), f.number("Text2")); }, drawCap);
}

}  // namespace hanhai::geometry
