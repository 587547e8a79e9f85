// Section modulus and moment of inertia: the sketch on the left; the dimensions, the buttons and
// the two results, shown unrounded, on the right. A refused input leaves the results as they were.
#include "sections/ui/section_screens.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QPushButton>
#include <QVBoxLayout>

#include "sections/core/sections.h"
#include "sections/ui/section_drawings.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"

namespace hanhai::sections {

namespace {

namespace look = shell::look;
using shell::Fields;
using shell::Outcome;
using shell::Row;
using shell::number;

const QColor kSectionBackground{232, 236, 255};  // pale lavender
const QString kMm = QStringLiteral("mm");

Outcome shown(const SectionProperties &s) {
    if (!s.ok()) return Outcome::failed(QString::fromStdString(s.message));
    return Outcome().set("Text7", s.W).set("Text8", s.I);
}

Outcome tSection(const Fields &f) {
    return shown(tSectionProperties({.W1 = f.number("Text1"),
                                     .t1 = f.number("Text2"),
                                     .H = f.number("Text4"),
                                     .B = f.number("Text3"),
                                     .W2 = f.number("Text5"),
                                     .t2 = f.number("Text6")}));
}

Outcome corrugation(const Fields &f) {
    return shown(corrugationProperties(
        {.A = f.number("Text1"), .B = f.number("Text2"), .Dw = f.number("Text4"), .t = f.number("Text3")}));
}

// Captions of a grid's first column, set flush right so that their fields line up.
void alignCaptions(QGridLayout *grid) {
    for (int r = 0; r < grid->rowCount(); ++r)
        if (QLayoutItem *item = grid->itemAtPosition(r, 0))
            if (auto *caption = qobject_cast<QLabel *>(item->widget())) caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QWidget *sectionScreen(const QString &name, const QString &title, const std::vector<Row> &inputs,
                       shell::DrawingFn drawing, shell::CalculatorScreen::Computation compute) {
    auto *s = new shell::CalculatorScreen(name, title, kSectionBackground, std::move(compute));
    s->setFailure(shell::Failure::Hold, QString::fromUtf8(kSectionInputMessage));

    QVBoxLayout *root = s->titledColumn(title);

    auto *body = new QHBoxLayout;
    body->setSpacing(18);
    root->addLayout(body, 1);

    QGroupBox *frame = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("图形"));
    auto *fl = new QVBoxLayout(frame);
    fl->addWidget(new shell::DrawingView(drawing, frame));
    body->addWidget(frame, 1);

    auto *right = new QVBoxLayout;
    right->setSpacing(12);
    body->addLayout(right, 0);
    QGridLayout *form = s->addRows(s, inputs, shell::inputRowStyle());
    form->setVerticalSpacing(inputs.size() > 4 ? 9 : 14);
    right->addLayout(form);
    right->addSpacing(4);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(s->addCalculateButton(QStringLiteral("Command2")));
    buttons->addSpacing(12);
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清   除")));
    right->addLayout(buttons);
    right->addSpacing(6);

    right->addWidget(look::label(s, QStringLiteral("Label5(10)"), QStringLiteral("计算结果"), look::song(15, true)));
    shell::RowStyle out = shell::resultRowStyle();
    out.fieldWidth = 190;
    QGridLayout *results = s->addRows(
        s, {shell::result("Text7", "剖面模数W：", "cm³", shell::general()), shell::result("Text8", "惯性矩I：", "cm⁴", shell::general())},
        out);
    results->setVerticalSpacing(10);
    alignCaptions(results);
    right->addLayout(results);
    right->addStretch(1);

    // A raised 4, as the raised 3 of cm³.
    for (QLabel *unit : s->findChildren<QLabel *>())
        if (unit->text() == QStringLiteral("cm⁴")) unit->setText(QStringLiteral("cm<sup>4</sup>"));

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command6"), QStringLiteral("Command7")));
    s->finish();
    return s;
}

}  // namespace

QWidget *makeTSectionScreen() {
    return sectionScreen(QStringLiteral("T型材模数惯性计算"), QStringLiteral("T型材连同带板的剖面模数惯性矩计算"),
                         {number("Text1", "W1-面板宽度", kMm), number("Text2", "t1-面板厚度", kMm),
                          number("Text4", "H-腹板高度", kMm), number("Text3", "B-腹板厚度", kMm),
                          number("Text5", "W2-带板宽度", kMm), number("Text6", "t2-带板厚度", kMm)},
                         drawTSection, tSection);
}

QWidget *makeCorrugationScreen() {
    return sectionScreen(QStringLiteral("槽型舱壁剖面模数惯性矩计算"), QStringLiteral("槽形舱壁剖面模数惯性矩计算"),
                         {number("Text1", "A-槽形平面部份宽度", kMm), number("Text2", "B-槽形斜面部份宽度", kMm),
                          number("Text4", "Dw-槽形深度", kMm), number("Text3", "t-槽形舱壁板厚度", kMm)},
                         drawCorrugation, corrugation);
}

}  // namespace hanhai::sections
