// Rolled sections picked from their catalogues: channel, I-beam, angles, bulb flat, square bar.
#include "shell/ui/look.h"
#include "steel/core/catalogues.h"
#include "steel/ui/drawings.h"
#include "steel/ui/steel_screens.h"

namespace hanhai::steel {

using shell::CalculatorDesign;
using shell::Fields;

namespace {

struct Section {
    const char *name, *title;
    const char *sizeCaption, *prompt, *message;
    std::span<const CatalogueRow> (*catalogue)();
    shell::DrawingFn drawing;
    // controls: length, count, single weight, total weight
    const char *length = "Text2", *count = "Text1", *single = "Text3", *total = "Text4";
};

CalculatorDesign sectionScreen(const Section &sec, QStringList notes) {
    CalculatorDesign s;
    s.name = s.caption = QString::fromUtf8(sec.name);
    s.title = QString::fromUtf8(sec.title);
    s.background = shell::look::kWeightBackground;
    QStringList labels;
    for (const CatalogueRow &row : sec.catalogue())
        labels << QString::fromUtf8(row.label);
    const QString length = QString::fromUtf8(sec.length);
    s.inputs = {shell::choice(QStringLiteral("Combo1"), QString::fromUtf8(sec.sizeCaption), QString::fromUtf8(sec.prompt), labels),
                shell::number(length, QStringLiteral("L--长度"), QStringLiteral("mm"))};
    s.quantity = shell::number(QString::fromUtf8(sec.count), QStringLiteral("N--数量"), QStringLiteral("根"), QStringLiteral("1"));
    s.results = {shell::result(QString::fromUtf8(sec.single), QStringLiteral("单件重量："), QStringLiteral("kg")),
                 shell::result(QString::fromUtf8(sec.total), QStringLiteral("总重量："), QStringLiteral("kg"))};
    s.options = 3;
    s.start = shell::Places::Two;
    s.failure = shell::Failure::Hold;
    s.inputMessage = QString::fromUtf8(sec.message);
    auto catalogue = sec.catalogue;
    s.compute = [catalogue, length](const Fields &f) {
        return sectionWeight(catalogue(), f.text(QStringLiteral("Combo1")), f.number(length));
    };
    s.drawing = sec.drawing;
    s.notes = std::move(notes);
    return s;
}

const QString kTypeAndLength = QStringLiteral("2、只需要输入型号，及长度，点击“计算结果”及    可得出重量");

}  // namespace

CalculatorDesign channelScreen() {
    return sectionScreen({"槽钢重量计算", "热扎槽钢重量计算", "槽钢尺寸型式：[ H×B×D", "请选择槽钢的尺寸", "请先选择槽钢的型号",
                          channelCatalogue, drawChannel},
                         {QStringLiteral("1、程序中理论重量及参考数值（摘自GB707-88）"), kTypeAndLength});
}

CalculatorDesign iBeamScreen() {
    return sectionScreen({"工字钢重量计算", "热扎工字钢重量计算", "工字钢尺寸型式：工H×B×D", "请选择工字钢的尺寸",
                          "请先选择工字钢的型号", iBeamCatalogue, drawIBeam},
                         {QStringLiteral("1、程序中理论重量及参考数值（摘自GB706-88）"), kTypeAndLength});
}

CalculatorDesign equalAngleScreen() {
    Section sec{"等边角钢重量计算", "热扎等边角钢重量计算", "等边角钢尺寸型式：L b×b×d", "请选择等边角钢的尺寸",
                "请先选择等边角钢的型号", equalAngleCatalogue, drawEqualAngle};
    sec.length = "Text3";
    sec.single = "Text4";
    sec.total = "Text2";
    CalculatorDesign s = sectionScreen(
        sec, {QStringLiteral("1、程序中理论重量及参考数值（摘自GB9787-88）"),
              QStringLiteral("2、只需要输入边宽，边厚及长度，点击“计算结果    ”或按回车键及可得出重量")});
    s.optionControls = {QStringLiteral("Option4"), QStringLiteral("Option5"), QStringLiteral("Option6")};
    return s;
}

CalculatorDesign unequalAngleScreen() {
    Section sec{"不等边角钢重量计算", "热扎不等边角钢重量计算", "不等边角钢尺寸型式：L B×b×d", "请选择不等边角钢的尺寸",
                "请先选择不等边角钢的型号", unequalAngleCatalogue, drawUnequalAngle};
    sec.length = "Text4";
    sec.single = "Text5";
    sec.total = "Text2";
    return sectionScreen(sec, {QStringLiteral("1、程序中理论重量及参考数值（摘自GB9788-88）"),
                               QStringLiteral("2、只需要输入长边宽度、短边宽度、边厚及长度      点击“计算结果”或按回车键及可得出重量")});
}

CalculatorDesign bulbFlatScreen() {
    return sectionScreen({"球扁钢重量计算", "球扁钢重量计算", "球扁钢尺寸型式：HP a×s", "请选择球扁钢的尺寸", "请先选择球扁钢的型号",
                          bulbFlatCatalogue, drawBulbFlat},
                         {});
}

CalculatorDesign squareBarScreen() {
    return sectionScreen({"方钢重量计算", "热扎方钢重量计算", "方钢尺寸型式：□A", "请选择方钢的尺寸", "请先选择方钢的型号",
                          squareBarCatalogue, drawSquareBar},
                         {QStringLiteral("1、只需要输入型号，及长度，点击“计算结果”及    可得出重量"),
                          QStringLiteral("2、带*的型号为不常用的，尽量不选用。")});
}

}  // namespace hanhai::steel
