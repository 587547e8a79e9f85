// The orifice plate: the experimental curve of the loss coefficient against the bore ratio, the
// pressure loss of a known bore and the bore for a known pressure loss.
#include "piping/ui/orifice_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "piping/core/orifice.h"
#include "shell/core/numbers.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"

namespace hanhai::piping {

namespace {

namespace look = shell::look;
using shell::number;
using shell::result;

const QString kName = QStringLiteral("节流孔板计算");
const QColor kOrificeBackground{234, 240, 222};  // light sage

// A blank result field holds a single blank, as the messages leave it.
const QString kBlank = QStringLiteral(" ");

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString element(const char *array, std::size_t index) { return QStringLiteral("%1(%2)").arg(array).arg(index); }

OrificeSeries series(const shell::Fields &f, const char *array) {
    OrificeSeries values{};
    for (std::size_t i = 0; i < values.size(); ++i) values[i] = f.number(element(array, i));
    return values;
}

QLabel *formulaLabel(QWidget *screen) { return screen->findChild<QLabel *>(QStringLiteral("Label23")); }

void hideFormula(QWidget *screen) {
    QLabel *formula = formulaLabel(screen);
    formula->clear();
    formula->setToolTip(QString());
    formula->setVisible(false);
}

// The pressure-loss button: each effect reaches the screen in the order the computation lists.
void pressureLossClick(shell::CalculatorScreen *s) {
    const shell::Fields f = s->fields();
    PressureLossInputs in;
    in.D = f.number(QStringLiteral("Text3"));
    in.d = f.number(QStringLiteral("Text4"));
    in.Q = f.number(QStringLiteral("Text5"));
    in.ratios = series(f, "Text1");
    in.coefficients = series(f, "Text2");
    const PressureLoss r = orificePressureLoss(in);
    const QString P = QStringLiteral("Text6");
    if (r.P) {
        const std::string shown = shell::fixedText(*r.P, 3);  // empty when P is not a number
        if (shown.empty()) {
            s->message(shell::kInvalidResult);
            s->write(P, kBlank);
            hideFormula(s);
        } else {
            s->write(P, QString::fromStdString(shown));
            if (!r.formula.empty()) {
                formulaLabel(s)->setText(text(r.formula));
                formulaLabel(s)->setToolTip(text(r.formula));
                formulaLabel(s)->setVisible(true);
            }
        }
    }
    if (!r.rangeMessage.empty()) {
        s->message(text(r.rangeMessage));
        s->write(P, kBlank);
    }
    if (!r.dataMessage.empty()) {
        s->write(P, kBlank);
        s->message(text(r.dataMessage));
    }
}

// The bore button: nothing is checked; only a bore that is no number is reported.
void boreClick(shell::CalculatorScreen *s) {
    const shell::Fields f = s->fields();
    BoreInputs in;
    in.D = f.number(QStringLiteral("Text10"));
    in.Q = f.number(QStringLiteral("Text8"));
    in.P = f.number(QStringLiteral("Text7"));
    in.ratios = series(f, "Text1");
    in.coefficients = series(f, "Text2");
    const std::string shown = shell::fixedText(orificeBore(in).d, 3);
    if (shown.empty()) {
        s->message(shell::kInvalidResult);
        s->write(QStringLiteral("Text9"), kBlank);
    } else {
        s->write(QStringLiteral("Text9"), QString::fromStdString(shown));
    }
}

// The experimental points: a row of six ratios over a row of six coefficients.
QList<QLineEdit *> addDataRows(QGroupBox *frame) {
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(12, 8, 12, 10);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    QList<QLineEdit *> fields;
    const struct {
        const char *array;
        QString caption;
        const OrificeSeries &values;
    } rows[] = {{"Text1", QStringLiteral("节流孔径与管子内径比d/D"), kBoreRatios},
                {"Text2", QStringLiteral("局部损失系数ξ"), kLossCoefficients}};
    int line = 0;
    for (const auto &row : rows) {
        QLabel *caption = look::label(frame, QString(), row.caption, look::song(12));
        look::shadeCaption(caption);
        grid->addWidget(caption, line, 0);
        for (std::size_t i = 0; i < row.values.size(); ++i) {
            QLineEdit *e = look::field(frame, element(row.array, i), look::song(12));
            e->setFixedWidth(66);
            look::showText(e, QString::fromStdString(shell::generalText(row.values[i])));
            look::markRecommended(e);
            grid->addWidget(e, line, 1 + static_cast<int>(i));
            fields << e;
        }
        ++line;
    }
    return fields;
}

// Moves the caption, field and unit of a one-row grid into `into`, from `column` on.
void place(QGridLayout *from, QGridLayout *into, int row, int column) {
    for (int c = 0; c < 4; ++c) {
        QLayoutItem *item = from->itemAtPosition(0, c);
        if (!item || !item->widget()) continue;
        QWidget *w = item->widget();
        from->removeWidget(w);
        into->addWidget(w, row, column + c);
    }
    delete from;
}

// The captions of both frames stand in columns of the same width.
void alignColumns(const QList<QGridLayout *> &grids, std::initializer_list<int> columns) {
    for (int column : columns) {
        int width = 0;
        for (QGridLayout *grid : grids)
            for (int i = 0; i < grid->count(); ++i) {
                int row = 0, at = 0, rows = 0, span = 0;
                grid->getItemPosition(i, &row, &at, &rows, &span);
                if (at == column && span == 1) width = std::max(width, grid->itemAt(i)->sizeHint().width());
            }
        for (QGridLayout *grid : grids) grid->setColumnMinimumWidth(column, width);
    }
}

shell::RowStyle inputStyle() {
    shell::RowStyle s = shell::inputRowStyle();
    s.fieldWidth = 118;
    s.field = look::song(12);
    return s;
}

shell::RowStyle outputStyle() {
    shell::RowStyle s = inputStyle();
    s.caption = look::song(12, true);
    return s;
}

// One frame: three inputs on the left; on the right the result with the button below it. The
// grid's third line is free on the right, and its fourth below both.
QGridLayout *addSide(shell::CalculatorScreen *s, QGroupBox *frame, const std::vector<shell::Row> &inputs,
                     const QString &button, std::function<void()> action, const shell::Row &output) {
    QGridLayout *grid = s->addRows(frame, inputs, inputStyle());
    grid->setContentsMargins(12, 8, 12, 8);
    grid->setVerticalSpacing(8);
    auto *gap = new QWidget(frame);  // a widget, not a spacer: spacers leave their column empty, spacing and all
    gap->setFixedSize(18, 1);
    grid->addWidget(gap, 0, 3);
    QPushButton *b = s->addButton(button, QStringLiteral("计算结果"), std::move(action));
    place(s->addRows(frame, {output}, outputStyle()), grid, 0, 4);
    grid->addWidget(b, 1, 5, 1, 2, Qt::AlignLeft);
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), 0, 7);
    frame->setLayout(grid);
    return grid;
}

}  // namespace

QWidget *makeOrificeScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kOrificeBackground, nullptr);
    QVBoxLayout *root = s->titledColumn(QStringLiteral("节 流 孔 板 计 算"));

    QGroupBox *data = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("实验数据："));
    const QList<QLineEdit *> dataFields = addDataRows(data);
    root->addWidget(data);

    QGroupBox *loss = s->addFrame(QStringLiteral("Frame2"), QStringLiteral("已知节流孔径求压力损失P："));
    QGridLayout *lossGrid = addSide(s, loss,
                                    {number("Text3", "管子内径D：", "mm"), number("Text4", "节流孔径d：", "mm"),
                                     number("Text5", "流体流量Q：", "m³/h")},
                                    "Command2", [s] { pressureLossClick(s); }, result("Text6", "局部压力损失P：", "mWC"));
    QLabel *formula = look::label(loss, QStringLiteral("Label23"), QString(), look::song(10.5), look::kDarkBlue);
    formula->setWordWrap(true);
    formula->setTextInteractionFlags(Qt::TextSelectableByMouse);
    formula->setMinimumHeight(formula->fontMetrics().lineSpacing() * 2);
    formula->setMinimumWidth(1);  // a formula of unusual data runs past the frame, never widens the window
    QSizePolicy keep = formula->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    formula->setSizePolicy(keep);
    lossGrid->addWidget(formula, 3, 0, 1, 8);
    root->addWidget(loss);

    QGroupBox *bore = s->addFrame(QStringLiteral("Frame3"), QStringLiteral("已知压力损失求节流孔径d："));
    QGridLayout *boreGrid = addSide(s, bore,
                                    {number("Text10", "管子内径D：", "mm"), number("Text8", "流体流量Q：", "m³/h"),
                                     number("Text7", "局部压力损失P：", "mWC")},
                                    "Command1", [s] { boreClick(s); }, result("Text9", "节流孔径d：", "mm"));
    QLabel *note = look::label(bore, QString(), QStringLiteral("此处计算数据仅供参考,以上面计算数据为准"), look::song(10.5),
                               look::kDarkRed);
    note->setWordWrap(true);
    boreGrid->addWidget(note, 2, 4, 1, 4);
    root->addWidget(bore);
    root->addStretch(1);
    alignColumns({lossGrid, boreGrid}, {0, 2, 4, 6});

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));
    s->setDefaultButton(s->findChild<QPushButton *>(QStringLiteral("Command2")));
    s->finish();

    // The experimental points come first in the tab order, but the screen opens in the pipe's
    // diameter: the points keep their values, and a stray keystroke must not land in one.
    for (int i = 0; i + 1 < dataFields.size(); ++i) QWidget::setTabOrder(dataFields[i], dataFields[i + 1]);
    QWidget::setTabOrder(dataFields.last(), s->findChild<QWidget *>(QStringLiteral("Text3")));
    formula->setVisible(false);
    return s;
}

}  // namespace hanhai::piping
