#include "heating/ui/heating_layout.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "report/ui/export.h"
#include "shell/ui/look.h"

namespace hanhai::heating {

namespace look = shell::look;

namespace {

shell::RowStyle rowStyle() {
    shell::RowStyle s;
    s.caption = look::song(9.5);
    s.field = look::song(10);
    s.unit = look::song(9.5);
    s.fieldWidth = 80;
    s.fieldHeight = 20;
    s.spacing = 5;
    return s;
}

QGridLayout *tight(QGridLayout *grid) {
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(0, 0, 0, 0);
    return grid;
}

}  // namespace

std::vector<shell::Row> tankRows(const AdjacentTankFields &adjacent) {
    using shell::number;
    const QString w = QStringLiteral("W/(m²·K)");
    auto control = [](std::string_view name) { return QString::fromUtf8(name); };
    return {
        number("Text1", "油的比重ρ", "kg/m³"),
        number("Text22", "货油舱舱容V", "m³"),
        number("Text2", "油的初温t'", "℃"),
        number("Text3", "油的终温t\"", "℃"),
        withHint(number("Text4", "油的比热C ", "KJ/kg.K"), QStringLiteral(" 需查表，原油约为2")),
        number("Text5", "油加温时间t", "h"),
        number("Text6", "舷外水温度t1", "℃"),
        number("Text7", "舷外空气温度t2", "℃"),
        number("Text8", "NO.1邻舱温度t3", "℃"),
        number(control(adjacent.t4), "NO.2邻舱温度t4", "℃"),
        number(control(adjacent.t5), "NO.3邻舱温度t5", "℃"),
        number(control(adjacent.t6), "NO.4邻舱温度t6", "℃"),
        number("Text9", "油接触水线下舷板面积F1", "m²"),
        number("Text10", "油接触船底面积F2", "m²"),
        number("Text11", "油接触水线上舷板面积F3", "m²"),
        number("Text12", "油舱的甲板面积F4", "m²"),
        number("Text13", "油与NO.1邻舱接触面积F5", "m²"),
        number(control(adjacent.F6), "油与NO.2邻舱接触面积F6", "m²"),
        number(control(adjacent.F7), "油与NO.3邻舱接触面积F7", "m²"),
        number(control(adjacent.F8), "油与NO.4邻舱接触面积F8", "m²"),
        number("Text14", "油与水线下舷板面传热系数k1", w, "19.77"),
        number("Text15", "油与船底面传热系数k2", w, "6.98"),
        number("Text16", "油与水线上舷板面传热系数k3", w, "19.77"),
        number("Text17", "油向甲板面传热系数k4", w, "8.72"),
        number("Text18", "油向邻舱壁传热系数k5", w, "5.82"),
    };
}

std::vector<shell::Row> coilRows() {
    using shell::number;
    return {
        number("Text19", "加温盘管外径d", "mm"),
        number("Text20", "加温盘管内径di", "mm"),
        number("Text21", "并联管程数Z", {}, "1"),
        number("Text27", "加热盘传热系数k", QStringLiteral("W/(m²·K)")),
    };
}

shell::Outcome heatingOutcome(const HeatingResult &r) {
    if (!r.ok()) return shell::Outcome::failed(QString::fromStdString(r.message));
    return shell::Outcome()
        .set("Text23", r.Q1)
        .set("Text24", r.Q2)
        .set("Text25", r.Q)
        .set("Text26", r.flow)
        .set("Text29", r.F)
        .set("Text30", r.L)
        .set("Text31", r.l)
        .set("Text32", r.R);
}

QWidget *buildHeatingScreen(const HeatingScreenDesign &d) {
    auto *s = new shell::CalculatorScreen(d.name, d.caption, look::kHeatingBackground, d.compute);
    s->setFailure(shell::Failure::Hold);
    const shell::RowStyle style = rowStyle();

    QVBoxLayout *root = s->titledColumn(d.title, 6, {14, 8, 14, 10}, 20);

    // The known data: two columns, the heating medium under the right one.
    QGroupBox *known = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("已知数据："));
    auto *columns = new QHBoxLayout(known);
    columns->setContentsMargins(8, 4, 8, 6);
    columns->setSpacing(12);
    auto *left = new QVBoxLayout;
    left->addLayout(tight(s->addRows(known, d.left, style)));
    left->addStretch(1);
    columns->addLayout(left);
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    if (!d.mediumFrame.isEmpty()) {
        right->addLayout(tight(s->addRows(known, d.right, style)));
        QGroupBox *medium = s->addFrame(QStringLiteral("Frame2"), d.mediumFrame, known);
        auto *ml = new QVBoxLayout(medium);
        ml->setContentsMargins(6, 2, 6, 4);
        ml->setSpacing(2);
        ml->addLayout(tight(s->addRows(medium, d.medium, style)));
        ml->addWidget(look::label(medium, QString(), kCoilHint, look::song(9)));
        right->addWidget(medium);
    } else {
        std::vector<shell::Row> rows = d.right;
        rows.insert(rows.end(), d.medium.begin(), d.medium.end());
        right->addLayout(tight(s->addRows(known, rows, style)));
        right->addWidget(look::label(known, QString(), kCoilHint, look::song(9)));
    }
    right->addStretch(1);
    columns->addLayout(right);
    root->addWidget(known);

    // Below: the results and the sheet's names on the left, the buttons on the right. The
    // buttons come first in tab order, right after the inputs.
    QPushButton *calculate = s->addCalculateButton(QStringLiteral("Command11"));
    QPushButton *clear = s->addClearButton(QStringLiteral("Command12"), QStringLiteral("清空数据"));
    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(10);
    auto *frames = new QVBoxLayout;
    frames->setSpacing(6);
    QGroupBox *results = s->addFrame(QStringLiteral("Frame3"), QStringLiteral("计算结果："));
    shell::RowStyle out = style;
    out.fieldWidth = 118;
    QGridLayout *grid = tight(s->addRows(results, d.results, out, 2));
    grid->setHorizontalSpacing(6);
    grid->setColumnMinimumWidth(3, 14);
    auto *rl = new QVBoxLayout(results);
    rl->setContentsMargins(8, 4, 8, 6);
    rl->addLayout(grid);
    frames->addWidget(results);

    QGroupBox *names = s->addFrame(QStringLiteral("Frame4"), QStringLiteral("导出必填内容（英文）："));
    auto *nl = new QHBoxLayout(names);
    nl->setContentsMargins(8, 4, 8, 6);
    shell::RowStyle nameStyle = style;
    nameStyle.fieldWidth = 190;
    nl->addLayout(tight(s->addRows(names,
                                   {shell::text(d.shipName, QStringLiteral("SHIP NAME："), QStringLiteral("40000CDWT OIL TANKER-1/2")),
                                    shell::text(d.tankName, QStringLiteral("OIL TK NAME:"), QStringLiteral("NO.1 H.F.O.DEEP TK."))},
                                   nameStyle)));
    const auto sheet = d.sheet;
    const QString caption = d.caption;
    QPushButton *exportButton = s->addButton(QStringLiteral("Command5"), QStringLiteral("EXPORT EXCEL IN ENGLISH"),
                                             [s, sheet, caption] { report::exportSheet(s, caption, sheet(s->fields())); });
    nl->addWidget(exportButton, 0, Qt::AlignVCenter);
    frames->addWidget(names);
    bottom->addLayout(frames, 1);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(calculate);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    QPushButton *back = s->makeBackButton(QStringLiteral("Command4"));
    QPushButton *exit = s->makeExitButton(QStringLiteral("Command3"));
    buttons->addWidget(exit);  // the exit button stands above the back button
    buttons->addWidget(back);
    bottom->addLayout(buttons);
    root->addLayout(bottom);

    s->finish(shell::kLargeWindow);
    return s;
}

}  // namespace hanhai::heating
