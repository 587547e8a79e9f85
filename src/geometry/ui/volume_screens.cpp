#include "geometry/ui/volume_screens.h"

#include "geometry/core/volumes.h"
#include "geometry/ui/drawings.h"
#include "shell/ui/look.h"

namespace hanhai::geometry {

using shell::CalculatorDesign;
using shell::Fields;
using shell::number;

namespace {

const QString kMm = QStringLiteral("mm");

CalculatorDesign volumeScreen(const QString &name, const QString &title, std::vector<shell::Row> inputs,
                              const QString &message, shell::CalculatorScreen::Computation compute,
                              shell::DrawingFn drawing) {
    CalculatorDesign s;
    s.name = s.caption = name;
    s.title = title;
    s.background = shell::look::kVolumeBackground;
    s.inputs = std::move(inputs);
    s.results = {shell::result(QStringLiteral("Text%1").arg(s.inputs.size() == 3 ? 4 : 3), QStringLiteral("体  积"),
                               QStringLiteral("m³"))};
    s.options = 4;
    s.start = shell::Places::Unrounded;
    s.failure = shell::Failure::Blank;
    s.inputMessage = message;
    s.compute = std::move(compute);
    s.drawing = drawing;
    return s;
}

}  // namespace

CalculatorDesign cylinderVolumeScreen() {
    return volumeScreen(QStringLiteral("圆柱体体积计算"), QStringLiteral("圆柱体体积计算"),
                        {number("Text1", "D--直径", kMm), number("Text2", "H--高度", kMm)}, QStringLiteral("输入的半径R有误"),
                        [](const Fields &f) { return cylinderVolume(f.number("Text1"), f.number("Text2")); }, drawCylinder);
}

CalculatorDesign coneVolumeScreen() {
    return volumeScreen(QStringLiteral("圆锥体体积计算"), QStringLiteral("圆锥体体积计算"),
                        {number("Text1", "D--直径", kMm), number("Text2", "H--高度", kMm)}, QStringLiteral("输入的半径R有误"),
                        [](const Fields &f) { return coneVolume(f.number("Text1"), f.number("Text2")); }, drawCone);
}

CalculatorDesign cuboidVolumeScreen() {
    CalculatorDesign s = volumeScreen(
        QStringLiteral("方形体计算"), QStringLiteral("方形体体积计算"),
        {number("Text1", "a--边长", kMm), number("Text2", "b--边长", kMm), number("Text3", "c--边长", kMm)},
        QStringLiteral("输入的数据有误"),
        [](const Fields &f) { return cuboidVolume(f.number("Text1"), f.number("Text2"), f.number("Text3")); }, drawCuboid);
    s.options = 3;
    s.start = shell::Places::Two;
    return s;
}

CalculatorDesign tubeVolumeScreen() {
    return volumeScreen(QStringLiteral("圆筒体积计算"), QStringLiteral("圆筒体积计算"),
                        {number("Text1", "D--外直径", kMm), number("Text2", "d--内直径", kMm), number("Text3", "H--高度", kMm)},
                        QStringLiteral("输入的数据有误"),
                        [](const Fields &f) { return tubeVolume(f.number("Text1"), f.number("Text2"), f.number("Text3")); },
                        drawTube);
}

CalculatorDesign torusVolumeScreen() {
    return volumeScreen(QStringLiteral("圆环体积计算"), QStringLiteral("圆环体积计算"),
                        {number("Text1", "R--外半径", kMm), number("Text2", "r--内半径", kMm)}, QStringLiteral("输入的数据有误"),
                        [](const Fields &f) { return torusVolume(f.number("Text1"), f.number("Text2")); }, drawTorus);
}

CalculatorDesign sphereVolumeScreen() {
    return volumeScreen(QStringLiteral("球体体积计算"), QStringLiteral("球体体积计算"), {number("Text1", "D--直径", kMm)},
                        QStringLiteral("输入的直径D有误"), [](const Fields &f) { return sphereVolume(f.number("Text1")); },
                        drawSphere);
}

CalculatorDesign frustumVolumeScreen() {
    return volumeScreen(QStringLiteral("圆台体积计算"), QStringLiteral("圆台体积计算"),
                        {number("Text1", "D--大直径", kMm), number("Text2", "d--小直径", kMm), number("Text3", "H--高度", kMm)},
                        QStringLiteral("输入的数据有误"),
                        [](const Fields &f) { return frustumVolume(f.number("Text1"), f.number("Text2"), f.number("Text3")); },
                        drawFrustum);
}

CalculatorDesign capVolumeScreen() {
    return volumeScreen(QStringLiteral("球冠体积计算"), QStringLiteral("球冠体积计算"),
                        {number("Text1", "A--下半径", kMm), number("Text2", "H--高度", kMm)}, QStringLiteral("输入的下半径A有误"),
                        [](const Fields &f) { return capVolume(f.number("Text1"), f.number("Text2")); }, drawCap);
}

}  // namespace hanhai::geometry
