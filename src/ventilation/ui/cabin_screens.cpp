// The air flow of a cabin, regular (a box) or irregular (a floor area): the inputs in two
// columns, the buttons and the two flows below them, always shown with two decimals.
#include "ventilation/ui/cabin_screens.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/ui/calculator.h"
#include "shell/ui/look.h"
#include "ventilation/core/cabin.h"

namespace hanhai::ventilation {

namespace {

namespace look = shell::look;
using shell::Fields;
using shell::number;
using shell::Row;

const QColor kCabinBackground{222, 242, 236};  // light sea green

const QString kMm = QStringLiteral("mm");
const QString kFlow = QStringLiteral("m3/h");

// K and N, the right-hand column's last two rows on both screens.
Row changes() { return number("Text4", "K--换气次数", "次/h", "6"); }
Row fans() { return number("Text6", "N--选用风机数量", "台", "1"); }

shell::Outcome show(const CabinAir &air) {
    return shell::Outcome().set("Text5", air.Q).set("Text7", air.perFan);
}

// Captions of a grid's first column, set flush right so that their fields line up.
void alignCaptions(QGridLayout *grid) {
    for (int r = 0; r < grid->rowCount(); ++r)
        if (QLayoutItem *item = grid->itemAtPosition(r, 0))
            if (auto *caption = qobject_cast<QLabel *>(item->widget())) caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

QWidget *cabinScreen(const QString &name, const QString &title, const std::vector<Row> &left,
                     const std::vector<Row> &right, shell::CalculatorScreen::Computation compute) {
    auto *s = new shell::CalculatorScreen(name, title, kCabinBackground, std::move(compute));
    // Nothing is checked; only a flow that cannot be shown (N = 0) empties both results.
    s->setFailure(shell::Failure::Blank);

    QVBoxLayout *root = s->titledColumn(title, 12);
    root->addStretch(1);

    shell::RowStyle in = shell::inputRowStyle();
    in.fieldWidth = 120;
    auto *inputs = new QHBoxLayout;
    inputs->setSpacing(28);
    inputs->addStretch(1);
    for (const std::vector<Row> *column : {&left, &right}) {
        QGridLayout *grid = s->addRows(s, *column, in);
        grid->setVerticalSpacing(12);
        auto *holder = new QVBoxLayout;
        holder->addLayout(grid);
        holder->addStretch(1);
        inputs->addLayout(holder);
    }
    inputs->addStretch(1);
    root->addLayout(inputs);
    root->addSpacing(12);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(s->addCalculateButton(QStringLiteral("Command2")));
    buttons->addSpacing(60);
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清   除")));
    buttons->addStretch(1);
    root->addLayout(buttons);
    root->addSpacing(12);

    QGridLayout *flows = s->addRows(s,
                                    {shell::result("Text5", "计算风量：", kFlow, shell::fixed(2)),
                                     shell::result("Text7", "选用风机最小风量：", kFlow, shell::fixed(2))},
                                    shell::resultRowStyle());
    flows->setVerticalSpacing(10);
    alignCaptions(flows);
    auto *results = new QHBoxLayout;
    results->addStretch(1);
    results->addLayout(flows);
    results->addStretch(1);
    root->addLayout(results);
    root->addStretch(2);

    QGroupBox *note = s->addFrame(QStringLiteral("Frame2"), QStringLiteral("说明"));
    auto *nl = new QVBoxLayout(note);
    QLabel *line = look::label(note, QStringLiteral("Label7"), QStringLiteral("1、按船级社规范选择换气次数，一般为6次/小时。"),
                               look::song(10.5));
    line->setWordWrap(true);
    nl->addWidget(line);
    root->addWidget(note);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command6"), QStringLiteral("Command7")));
    s->finish();
    return s;
}

}  // namespace

QWidget *makeRegularCabinScreen() {
    return cabinScreen(QStringLiteral("舱室通风风量计算"), QStringLiteral("规则舱室通风风量计算"),
                       {number("Text1", "L--舱室长度", kMm), number("Text2", "W--舱室宽度", kMm)},
                       {number("Text3", "H--层高", kMm), changes(), fans()}, [](const Fields &f) {
                           return show(regularCabinAir(f.number("Text1"), f.number("Text2"), f.number("Text3"),
                                                       f.number("Text4"), f.number("Text6")));
                       });
}

QWidget *makeIrregularCabinScreen() {
    return cabinScreen(QStringLiteral("不舱室通风风量计算"), QStringLiteral("不规则舱室通风风量计算"),
                       {number("Text1", "S--舱室面积", "mm2"), number("Text3", "H--层高", kMm)}, {changes(), fans()},
                       [](const Fields &f) {
                           return show(irregularCabinAir(f.number("Text1"), f.number("Text3"), f.number("Text4"),
                                                         f.number("Text6")));
                       });
}

}  // namespace hanhai::ventilation
