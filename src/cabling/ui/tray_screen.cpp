// The cable tray width estimate: the cable rows on the left, the type count, the bundles, the
// buttons and the standard width on the right.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "cabling/core/tray.h"
#include "cabling/ui/cable_rows.h"
#include "cabling/ui/cabling_screens.h"
#include "shell/ui/look.h"

namespace hanhai::cabling {

namespace {

namespace look = shell::look;

const QString kName = QStringLiteral("电缆托架宽度估算");

// Only a missing type count empties the width; every other stop leaves the last one standing.
void calculate(shell::CalculatorScreen &s) {
    const shell::Fields f = s.fields();
    const TrayEstimate e = estimateTrayWidth({f.text(QStringLiteral("Combo1")), readCables(f), f.number(QStringLiteral("Text3"))});
    if (e.resultEmptied) s.write(QStringLiteral("Text4"), QString());
    if (e.width) s.write(QStringLiteral("Text4"), QString::number(*e.width));
    if (e.invalid) s.message(shell::kInvalidResult);
    else if (!e.message.empty()) s.message(QString::fromStdString(e.message));
}

}  // namespace

QWidget *makeTrayWidthScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kCableBackground, nullptr);
    QVBoxLayout *root = s->titledColumn(kName);

    auto *body = new QHBoxLayout;
    body->setSpacing(24);
    root->addLayout(body, 1);
    auto *left = new QVBoxLayout;
    left->addLayout(addCableRows(s));
    left->addStretch(1);
    body->addLayout(left);

    auto *right = new QVBoxLayout;
    right->setSpacing(14);
    right->addLayout(addTypeCountList(s, QStringLiteral("Text4")));
    shell::RowStyle in = shell::inputRowStyle();
    in.fieldWidth = 80;
    right->addLayout(s->addRows(s, {shell::number(QStringLiteral("Text3"), QStringLiteral("预估束数S："), {}, QStringLiteral("1"))}, in));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(addCalculate(s, calculate));
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清  除")));
    right->addLayout(buttons);
    shell::RowStyle out = shell::resultRowStyle();
    out.caption = look::song(12, true);
    out.fieldWidth = 80;
    right->addLayout(s->addRows(s, {shell::result(QStringLiteral("Text4"), QStringLiteral("托架宽度估算值："), QStringLiteral("mm"))}, out));
    right->addStretch(1);
    body->addLayout(right);
    body->addStretch(1);

    QGroupBox *note = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("说明："));
    auto *nl = new QVBoxLayout(note);
    QLabel *line = look::label(note, QStringLiteral("Label24"),
                               QStringLiteral("1、本程序主要用于估算10种及以内的电缆所需     要的U型托架宽度。"), look::song(10.5));
    line->setWordWrap(true);
    nl->addWidget(line);
    root->addWidget(note);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));
    finishCableScreen(s);
    return s;
}

}  // namespace hanhai::cabling
