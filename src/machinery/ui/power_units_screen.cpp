// Power unit conversion: four converters between kW, hp and PS, each with its own input, button
// and output, touching nothing but its own output.
#include "machinery/ui/power_units_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "machinery/core/power_units.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"

namespace hanhai::machinery {

namespace {

namespace look = shell::look;
using shell::Outcome;

const QString kName = QStringLiteral("功率单位转换");
const QColor kBackground{250, 240, 218};  // pale wheat
const QString kPower = QStringLiteral("功率：");

struct Converter {
    const char *frame;
    const char *title;
    const char *button;
    const char *caption;
    const char *from;
    const char *to;
    PowerConversion conversion;
};

const Converter kConverters[] = {
    {"Frame1", "类型1：(KW->HP)", "Command1", "功率转换(KW→HP)", "KW", "HP", PowerConversion::KwToHp},
    {"Frame2", "类型2：(HP->KW)", "Command2", "功率转换(HP→KW)", "HP", "KW", PowerConversion::HpToKw},
    {"Frame3", "类型3：(KW->PS)", "Command5", "功率转换(KW→PS)", "KW", "PS", PowerConversion::KwToPs},
    {"Frame4", "类型4：(PS->KW)", "Command6", "功率转换(PS→KW)", "PS", "KW", PowerConversion::PsToKw},
};

const QString kNotes = QStringLiteral(
    "1、英制的马力(hp)定义为：一匹马于一分钟内将200磅(lb)重的物体拉动165英呎(ft)，相乘之后等于33,000lb-ft/min；"
    "而公制的马力(ps)定义则为一匹马于一分钟内将75kg的物体拉动60米，相乘之后等于4500kgm/min。\n"
    "2、小结：1hp=0.746kw         1ps=0.735kw               1hp＝1.014966ps ");

QString input(int i) { return QStringLiteral("Text1(%1)").arg(i); }
QString output(int i) { return QStringLiteral("Text2(%1)").arg(i); }

// One converter: a whole number; a power beyond the range of a double is reported and empties
// only this converter's output, which no longer belongs to its input.
Outcome convert(const shell::Fields &f, int i) {
    const double value = convertPower(kConverters[i].conversion, f.number(input(i)));
    if (!std::isfinite(value)) return Outcome().notice(shell::kInvalidResult).set(output(i), std::nullopt);
    return Outcome().set(output(i), value);
}

QGroupBox *addConverter(shell::CalculatorScreen *s, int i) {
    const Converter &c = kConverters[i];
    QGroupBox *frame = s->addFrame(c.frame, c.title);
    frame->setFont(look::song(12));
    auto *box = new QVBoxLayout(frame);
    box->setContentsMargins(14, 6, 14, 8);
    box->setSpacing(6);

    shell::RowStyle in = shell::inputRowStyle();
    in.fieldWidth = 140;
    QGridLayout *from = s->addRows(frame, {shell::number(input(i), kPower, c.from)}, in);
    box->addLayout(from);
    QPushButton *button = s->addButton(c.button, c.caption, [s, i] { s->show(convert(s->fields(), i), true); });
    box->addWidget(button, 0, Qt::AlignHCenter);
    shell::RowStyle out = shell::resultRowStyle();
    out.fieldWidth = 140;
    QGridLayout *to = s->addRows(frame, {shell::result(output(i), kPower, c.to, shell::fixed(0))}, out);
    box->addLayout(to);
    for (QGridLayout *g : {from, to}) g->setColumnMinimumWidth(0, 110);  // the two fields one above the other

    // Enter in the input converts this row.
    QObject::connect(frame->findChild<QLineEdit *>(input(i)), &QLineEdit::returnPressed, button, &QPushButton::click);
    return frame;
}

}  // namespace

QWidget *makePowerUnitsScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kBackground, nullptr);
    s->setFailure(shell::Failure::Hold);

    QVBoxLayout *root = s->titledColumn(QStringLiteral("功 率 单 位 转 换"), 8);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(8);
    for (int i = 0; i < 4; ++i) grid->addWidget(addConverter(s, i), i / 2, i % 2);
    root->addLayout(grid);

    QGroupBox *note = s->addFrame(QStringLiteral("Frame5"), QStringLiteral("说明"));
    auto *nl = new QVBoxLayout(note);
    QLabel *notes = look::label(note, QStringLiteral("Label7"), kNotes, look::song(10.5));
    notes->setWordWrap(true);
    nl->addWidget(notes);
    root->addWidget(note);
    root->addStretch(1);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));
    s->finish();
    return s;
}

}  // namespace hanhai::machinery
