// Shaft line diameters: the plant's rating and strengths beside the factors of the arrangement
// (red, meant to be changed for other shaft lines), then the five sizes with the note on what
// the screen covers.
#include "machinery/ui/shaft_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "machinery/core/shafts.h"
#include "shell/core/numbers.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"

namespace hanhai::machinery {

namespace {

namespace look = shell::look;
using shell::fixed;
using shell::number;
using shell::result;

const QString kName = QStringLiteral("轴系轴径计算");
const QColor kBackground{226, 236, 248};  // pale steel blue
constexpr int kFieldHeight = 30;  // eleven inputs and five results in the usual window height

const QStringList kNotes = {
    QStringLiteral("1、本程序仅适用于主机+中间轴+螺旋桨轴+FPP的推进系统，    且螺旋桨为无键连接,轴系螺栓为紧配螺栓。"),
    QStringLiteral("2、若要计算其它轴系可以修改相关红色参数，并参照所入级    船级社的规范进行。"),
};

QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
QString design(double factor) { return QString::fromStdString(shell::generalText(factor)); }

shell::Outcome diameters(const shell::Fields &f) {
    ShaftInputs in;
    in.Ne = f.number("Text1");
    in.ne = f.number("Text2");
    in.shaftSigma = f.number("Text8");
    in.boltSigma = f.number("Text9");
    in.Dz = f.number("Text16");
    in.Dw = f.number("Text17");
    in.F = f.number("Text3");
    in.Cz = f.number("Text4");
    in.Cw = f.number("Text5");
    in.Zz = f.number("Text6");
    in.Zw = f.number("Text7");
    const ShaftDiameters d = shaftDiameters(in);
    if (!d.message.empty()) return shell::Outcome::failed(qt(d.message));
    return shell::Outcome().set("Text10", d.di).set("Text11", d.dp).set("Text14", d.b).set("Text12", d.d1).set("Text13", d.d2);
}

}  // namespace

QWidget *makeShaftScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kBackground, diameters);
    s->setFailure(shell::Failure::Hold, qt(kShaftInputMessage));

    QVBoxLayout *root = s->titledColumn(kName, 8, {16, 12, 16, 14});

    // The plant on the left, the factors of the arrangement (red design values) on the right.
    const ShaftInputs factors;
    QGroupBox *given = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("相关输入参数："));
    auto *gl = new QHBoxLayout(given);
    shell::RowStyle in = shell::inputRowStyle();
    in.fieldWidth = 84;
    in.fieldHeight = kFieldHeight;
    QGridLayout *inputs = s->addRows(given,
                                     {number("Text1", "Ne-主机合同最大功率", "KW"),
                                      number("Text2", "ne-主机合同功率转速", "RPM"),
                                      number("Text8", "σb'-轴系抗拉强度", "N/mm2"),
                                      number("Text9", "σb-紧配螺栓抗拉强度", "N/mm2"),
                                      number("Text16", "Dz-中间轴节圆直径", "mm"),
                                      number("Text17", "Dw-艉轴节圆直径", "mm"),
                                      number("Text3", "F-推进装置形式系数", {}, design(factors.F)),
                                      number("Text4", "Cz-中间轴设计特性系数", {}, design(factors.Cz)),
                                      number("Text5", "Cw-艉轴设计特性系数", {}, design(factors.Cw)),
                                      number("Text6", "Zz-中间轴联主机螺栓数", {}, design(factors.Zz)),
                                      number("Text7", "Zw-中间轴联艉轴螺栓数", {}, design(factors.Zw))},
                                     in, 2);
    inputs->setVerticalSpacing(4);
    inputs->setColumnMinimumWidth(3, 14);  // between the two columns
    gl->addLayout(inputs);
    gl->addStretch(1);
    root->addWidget(given);

    // The five sizes on the left; the buttons and what the screen covers beside them.
    auto *lower = new QHBoxLayout;
    lower->setSpacing(12);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(s->addCalculateButton(QStringLiteral("Command2")));
    buttons->addSpacing(30);
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清   除")));
    buttons->addStretch(1);

    QGroupBox *sizes = s->addFrame(QStringLiteral("Frame2"), QStringLiteral("计算结果："));
    auto *sl = new QVBoxLayout(sizes);
    shell::RowStyle out = shell::resultRowStyle();
    out.fieldWidth = 104;
    out.fieldHeight = kFieldHeight;
    QGridLayout *results = s->addRows(sizes,
                                      {result("Text10", "di-中间轴基本轴径", "mm", fixed(2)),
                                       result("Text11", "dp-艉轴基本轴径", "mm", fixed(2)),
                                       result("Text14", "b-联轴器法兰厚度", "mm", fixed(2)),
                                       result("Text12", "d1-中间轴联主机螺栓直径", "mm", fixed(2)),
                                       result("Text13", "d2-中间轴联艉轴螺栓直径", "mm", fixed(2))},
                                      out);
    results->setVerticalSpacing(4);
    sl->addLayout(results);
    sl->addStretch(1);
    lower->addWidget(sizes);

    auto *side = new QVBoxLayout;
    side->setSpacing(8);
    side->addLayout(buttons);
    QGroupBox *note = s->addFrame(QStringLiteral("Frame3"), QStringLiteral("说明："));
    auto *nl = new QVBoxLayout(note);
    nl->setSpacing(6);
    for (const QString &line : kNotes) {
        QLabel *l = look::label(note, QString(), line, look::song(10.5));
        l->setWordWrap(true);
        nl->addWidget(l);
    }
    nl->addStretch(1);
    side->addWidget(note, 1);
    lower->addLayout(side, 1);
    root->addLayout(lower, 1);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command6"), QStringLiteral("Command7")));
    s->finish();
    return s;
}

}  // namespace hanhai::machinery
