// The cable frame, tube and box estimates: one screen, told apart by the fitting's name, its
// heights and its catalogue. The cable rows on the left; the type count, the height, the tray
// width and the buttons on the right; the area and the two designations below.
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "cabling/core/fittings.h"
#include "cabling/ui/cable_rows.h"
#include "cabling/ui/cabling_screens.h"
#include "shell/core/numbers.h"
#include "shell/ui/look.h"

namespace hanhai::cabling {

namespace {

namespace look = shell::look;

struct FittingScreen {
    Fitting fitting;
    QString name;    // screen name, window caption and title
    QString noun;    // 电缆框, 电缆筒, 电缆盒
};

QString utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Writes what the estimate gives, field by field, and then tells its message.
void calculate(shell::CalculatorScreen &s, Fitting fitting) {
    const shell::Fields f = s.fields();
    const FittingEstimate e = estimateFitting(
        fitting, {f.text(QStringLiteral("Combo1")), readCables(f), f.number(QStringLiteral("Text5")), f.text(QStringLiteral("Combo2"))});
    if (e.invalid) {
        s.message(shell::kInvalidResult);
        return;
    }
    if (e.areaEmptied) s.write(QStringLiteral("Text4"), QString());
    if (e.area) s.write(QStringLiteral("Text4"), QString::fromStdString(shell::fixedText(*e.area, 2)));
    if (e.designationA) s.write(QStringLiteral("Text3"), QString::fromStdString(*e.designationA));
    if (e.designationB) s.write(QStringLiteral("Text6"), QString::fromStdString(*e.designationB));
    if (!e.message.empty()) s.message(QString::fromStdString(e.message));
}

QWidget *fittingScreen(const FittingScreen &d) {
    auto *s = new shell::CalculatorScreen(d.name, d.name, kCableBackground, nullptr);
    QVBoxLayout *root = s->titledColumn(d.name, 8);

    auto *body = new QHBoxLayout;
    body->setSpacing(24);
    root->addLayout(body);
    auto *left = new QVBoxLayout;
    left->addLayout(addCableRows(s));
    left->addStretch(1);
    body->addLayout(left);

    auto *right = new QVBoxLayout;
    right->setSpacing(12);
    right->addLayout(addTypeCountList(s, QStringLiteral("Text4")));
    QStringList heights;
    for (std::string_view h : heightEntries(d.fitting)) heights << utf8(h);
    const QString prompt = QStringLiteral("请选择%1的高度H").arg(d.noun);
    shell::RowStyle in = shell::inputRowStyle();
    in.fieldWidth = 200;
    right->addLayout(s->addRows(s, {shell::namedCaption(shell::choice(QStringLiteral("Combo2"), prompt, prompt, heights), QStringLiteral("Label8"))}, in));
    in.fieldWidth = 90;
    right->addLayout(s->addRows(s, {shell::number(QStringLiteral("Text5"), QStringLiteral("托架宽度："), QStringLiteral("mm"))}, in));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(addCalculate(s, [fitting = d.fitting](shell::CalculatorScreen &screen) { calculate(screen, fitting); }));
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清  除")));
    right->addLayout(buttons);
    right->addStretch(1);
    body->addLayout(right);
    body->addStretch(1);

    // The estimate: the area, then the designations of the two series.
    auto *results = new QVBoxLayout;
    results->setSpacing(2);
    results->addWidget(look::label(s, QStringLiteral("Label9"), QStringLiteral("估算结果"), look::song(12, true)));
    shell::RowStyle out = shell::resultRowStyle();
    out.caption = look::song(12, true);
    out.field = look::song(12);
    // room for the longest designation, "仿BH800x170x300 CB/T3667.1-1995"
    out.fieldWidth = QFontMetrics(out.field).horizontalAdvance(QStringLiteral("仿BH800x170x300 CB/T3667.1-1995")) + 16;
    out.fieldHeight = 30;
    QGridLayout *grid = s->addRows(
        s,
        {shell::namedCaption(shell::result(QStringLiteral("Text4"), QStringLiteral("%1面积估算值：").arg(d.noun), QStringLiteral("mm²")),
                             QStringLiteral("Label26")),
         shell::result(QStringLiteral("Text3"), QStringLiteral("标准号A："), {}),
         shell::result(QStringLiteral("Text6"), QStringLiteral("标准号B："), {})},
        out);
    grid->setVerticalSpacing(2);
    for (int r = 0; r < grid->rowCount(); ++r)
        if (auto *caption = qobject_cast<QLabel *>(grid->itemAtPosition(r, 0) ? grid->itemAtPosition(r, 0)->widget() : nullptr))
            caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    results->addLayout(grid);
    results->addStretch(1);

    auto *lower = new QHBoxLayout;
    lower->setSpacing(18);
    lower->addLayout(results);
    QGroupBox *note = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("说明："));
    auto *nl = new QVBoxLayout(note);
    QLabel *line = look::label(note, QStringLiteral("Label24"),
                               QStringLiteral("本程序主要用于估算10种及以内的电缆所需要的%1面积及选型，参照CB/T3667.1-1995进行选型。").arg(d.noun),
                               look::song(10.5));
    line->setWordWrap(true);
    nl->addWidget(line);
    lower->addWidget(note, 1);
    root->addLayout(lower);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));
    finishCableScreen(s);
    return s;
}

}  // namespace

QWidget *makeFrameScreen() { return fittingScreen({Fitting::Frame, QStringLiteral("电缆框估算"), QStringLiteral("电缆框")}); }
QWidget *makeTubeScreen() { return fittingScreen({Fitting::Tube, QStringLiteral("电缆筒估算"), QStringLiteral("电缆筒")}); }
QWidget *makeBoxScreen() { return fittingScreen({Fitting::Box, QStringLiteral("电缆盒估算"), QStringLiteral("电缆盒")}); }

}  // namespace hanhai::cabling
