// Pipe thermal expansion, with its calculation sheet in Chinese or English.
#include "piping/ui/expansion_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "piping/core/expansion.h"
#include "report/ui/export.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"
#include "shell/ui/places_group.h"

namespace hanhai::piping {

namespace {

namespace look = shell::look;
using shell::number;
using shell::result;

const QString kName = QStringLiteral("管子膨胀量计算");

const QStringList kNotes = {
    QStringLiteral("1、公式引用于国防工业出版社《船舶设计实用手册》轮机分册，第631页"),
    QStringLiteral("2、管子的最低温度可用技术规格书中规定的航区最低温度。"),
    QStringLiteral("3、“船名+管子名称”可以不填，如果要导出EXCEL，  那就必须填写“船名+管子名”"),
    QStringLiteral("4、“船名+管子名称”的填写方法如“1100TUE-9排气管”，“40000CDWT-1/2排气管”等。"),
    QStringLiteral("5、要用英文导出管子名必须用英文填写如“1100TUE -9 VENT-PIPE”，“40000CDWT-1/2 VENT-PIPE”"),
};

shell::Outcome expansion(const shell::Fields &f) {
    const Expansion e = pipeExpansion(f.number("Text1"), f.number("Text2"), f.number("Text3"));
    return shell::Outcome().set("Text6", e.dt).set("Text4", e.dL);
}

}  // namespace

QWidget *makeExpansionScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, look::kPipingBackground, expansion);
    s->setFailure(shell::Failure::Blank);
    auto exportSheet = [s](SheetLanguage language) {
        report::exportSheet(s, kName, expansionSheet(language, s->fields().texts()));
    };

    QVBoxLayout *root = s->titledColumn(kName);

    auto *body = new QHBoxLayout;
    body->setSpacing(24);
    root->addLayout(body);

    // Left: the three temperatures and the length, and the decimal places of ΔL.
    auto *left = new QVBoxLayout;
    QGridLayout *inputs = s->addRows(s,
                                     {number("Text1", "t2--管子的最高温度", "℃"), number("Text2", "t1--管子的最低温度", "℃"),
                                      number("Text3", "L--管子的计算长度", "m")},
                                     shell::inputRowStyle());
    inputs->setVerticalSpacing(12);
    left->addLayout(inputs);
    left->addStretch(1);
    body->addLayout(left);

    // Right: the name for the sheet's title, the calculate button and the results.
    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    shell::RowStyle name = shell::inputRowStyle();
    name.shadedCaption = false;
    name.fieldWidth = 260;
    name.field = look::song(12);
    right->addLayout(s->addRows(s, {captionAbove(shell::text("Text5", " 船名+管子名称", QStringLiteral("1100TUE-9排气管")))}, name));
    right->addWidget(s->addCalculateButton("Command2"));
    shell::RowStyle out = shell::resultRowStyle();
    out.caption = look::song(12, true);
    out.fieldWidth = 160;
    right->addLayout(s->addRows(
        s, {result("Text6", "△t--温差", "℃", shell::general()), captionAbove(result("Text4", "               △L--膨胀量", "mm"))},
        out));
    right->addStretch(1);
    body->addLayout(right);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(s->addPlaces(3, shell::Places::Two, QStringLiteral("膨胀量值小数位数")));
    buttons->addStretch(1);
    auto *sheets = new QGridLayout;
    sheets->addWidget(s->addButton("Command4", QStringLiteral("中文导出EXCEL"), [=] { exportSheet(SheetLanguage::Chinese); }), 0, 0);
    sheets->addWidget(
        s->addButton("Command5", QStringLiteral("EXPORT EXCEL IN ENGLISH"), [=] { exportSheet(SheetLanguage::English); }), 0, 1);
    sheets->addWidget(s->addClearButton("Command6", QStringLiteral("清 除 计 算 数 据")), 1, 0, 1, 2);
    buttons->addLayout(sheets);
    root->addLayout(buttons);

    QGroupBox *note = s->addFrame("Frame1", QStringLiteral("说明"));
    auto *nl = new QVBoxLayout(note);
    QLabel *notes = look::label(note, QStringLiteral("Label7"), kNotes.join(QLatin1Char('\n')), look::song(10.5));
    notes->setWordWrap(true);
    nl->addWidget(notes);
    root->addWidget(note);
    root->addStretch(1);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command1"), QStringLiteral("Command3")));
    s->finish();
    return s;
}

}  // namespace hanhai::piping
