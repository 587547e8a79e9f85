// Pipe and tank insulation: the fields of both screens, with their explanatory pictures on the left.
#include "heating/ui/insulation_screens.h"

#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <cmath>

#include "heating/core/insulation.h"
#include "heating/ui/insulation_pictures.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"

namespace hanhai::heating {

namespace {

namespace look = shell::look;
using shell::Failure;
using shell::number;
using shell::result;

const QColor kInsulationBackground{238, 234, 252};  // light lavender

shell::Outcome pipeOutcome(const shell::Fields &f) {
    const PipeInsulation r = pipeInsulation({f.number("Text1"), f.number("Text2"), f.number("Text3"), f.number("Text4"),
                                             f.number("Text5"), f.number("Text6")});
    if (r.invalid) return shell::Outcome::failed(shell::kInvalidResult);
    if (!r.ok()) return shell::Outcome::failed(QString::fromStdString(r.message));
    return shell::Outcome().set("Text7", r.thickness);
}

shell::Outcome tankOutcome(const shell::Fields &f) {
    return shell::Outcome().set(
        "Text7", tankSurfaceTemperature({f.number("Text1"), f.number("Text4"), f.number("Text2"), f.number("Text3")}));
}

// A note that wraps where its text has a run of blanks: the label is as wide as the text before them.
QLabel *noteWrappedAtBlanks(QWidget *parent, const QString &name, const QString &text) {
    QLabel *l = look::label(parent, name, text, look::song(10.5));
    l->setWordWrap(true);
    const QString head = text.left(text.indexOf(QRegularExpression(QStringLiteral("  +"))));
    l->setFixedWidth(static_cast<int>(std::ceil(QFontMetricsF(l->font()).horizontalAdvance(head))) + 4);
    return l;
}

struct InsulationDesign {
    QString name;  // screen name, window caption and title
    Failure failure;
    shell::CalculatorScreen::Computation compute;
    std::vector<shell::Row> inputs;
    QString heading;  // above the result
    shell::Row result;
};

// The title over the pictures (left) and the fields, buttons and result (right); back and exit below.
shell::CalculatorScreen *buildInsulationScreen(const InsulationDesign &d, QBoxLayout *&left) {
    auto *s = new shell::CalculatorScreen(d.name, d.name, kInsulationBackground, d.compute);
    s->setFailure(d.failure);

    QVBoxLayout *root = s->titledColumn(d.name);

    auto *body = new QHBoxLayout;
    body->setSpacing(18);
    root->addLayout(body, 1);
    left = new QVBoxLayout;
    left->setSpacing(8);
    body->addLayout(left, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(14);
    shell::RowStyle inputs = shell::inputRowStyle();
    inputs.fieldWidth = 90;
    QGridLayout *form = s->addRows(s, d.inputs, inputs);
    form->setVerticalSpacing(12);
    right->addSpacing(8);
    right->addLayout(form);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(s->addCalculateButton(QStringLiteral("Command2")));
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清   除")));
    right->addLayout(buttons);

    right->addSpacing(10);
    right->addWidget(look::label(s, QString(), d.heading, look::song(15, true)));
    shell::RowStyle out = shell::resultRowStyle();
    out.fieldWidth = 120;
    right->addLayout(s->addRows(s, {d.result}, out));
    right->addStretch(1);
    body->addLayout(right, 0);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));
    return s;
}

QGroupBox *pictureFrame(shell::CalculatorScreen *s, const QString &title, shell::DrawingFn paint, QSize least) {
    QGroupBox *frame = s->addFrame(QStringLiteral("Frame1"), title);
    auto *fl = new QVBoxLayout(frame);
    fl->setContentsMargins(6, 4, 6, 6);
    auto *picture = new shell::DrawingView(paint, frame);
    picture->setMinimumSize(least);
    fl->addWidget(picture);
    return frame;
}

}  // namespace

QWidget *makePipeInsulationScreen() {
    InsulationDesign d{
        QStringLiteral("管子绝热包扎计算"),
        Failure::Hold,
        pipeOutcome,
        {
            number("Text1", "kis-导热系数", "W/mK", "0.074"),
            number("Text2", "his-传热系数", "W/m²K", "20"),
            number("Text3", "tp-管内介质温度", "℃"),
            number("Text4", "tis-包扎后温度", "℃", "50"),
            number("Text5", "ta-环境温度", "℃", "45"),
            number("Text6", "D0-管子外径", "mm"),
        },
        QStringLiteral("包扎厚度"),
        result("Text7", "包扎厚度t：", "mm", shell::fixed(2)),
    };
    QBoxLayout *left = nullptr;
    shell::CalculatorScreen *s = buildInsulationScreen(d, left);
    left->addWidget(pictureFrame(s, QStringLiteral("估算公式："), paintPipeInsulationFormula, {320, 232}), 1);

    QGroupBox *note = s->addFrame(QStringLiteral("Frame2"), QStringLiteral("说明"));
    auto *nl = new QVBoxLayout(note);
    nl->setSpacing(4);
    nl->addWidget(noteWrappedAtBlanks(
        note, QStringLiteral("Label7"), QStringLiteral("1、公式及参考值参照《船舶设计实用手册》轮机分     册P612-P614，国防工业出版社出版。")));
    nl->addWidget(noteWrappedAtBlanks(note, QStringLiteral("Label8"),
                                      QStringLiteral("2、程序中所列出的公式为估算公式，因此计算结果     仅供参考。")));
    left->addWidget(note);
    s->finish();
    return s;
}

QWidget *makeTankInsulationScreen() {
    InsulationDesign d{
        QStringLiteral("舱柜绝热包扎计算"),
        // Nothing is checked here; a result that is not a number is not left standing.
        Failure::Blank,
        tankOutcome,
        {
            number("Text1", "α-包扎外表面换热系数", "W/m²K", "4.5"),
            number("Text4", "δ-包扎厚度", "mm", "50"),
            number("Text2", "t1-舱柜油温", "℃", "90"),
            number("Text3", "tw-环境温度", "℃"),
        },
        QStringLiteral("外表面温度"),
        result("Text7", "外表面温度t：", "℃", shell::fixed(2)),
    };
    QBoxLayout *left = nullptr;
    shell::CalculatorScreen *s = buildInsulationScreen(d, left);
    left->addWidget(pictureFrame(s, QStringLiteral("说明："), paintTankInsulationBasis, {300, 420}), 1);
    s->finish();
    return s;
}

}  // namespace hanhai::heating
