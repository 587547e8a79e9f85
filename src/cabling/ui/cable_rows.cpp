#include "cabling/ui/cable_rows.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/ui/look.h"

namespace hanhai::cabling {

namespace {

namespace look = shell::look;

QString diameter(int i) { return QStringLiteral("Text1(%1)").arg(i); }
QString count(int i) { return QStringLiteral("Text2(%1)").arg(i); }

// Every control of row i (0-based).
QList<QWidget *> rowWidgets(shell::CalculatorScreen *s, int i) {
    QList<QWidget *> out;
    for (const QString &name : {QStringLiteral("Label1(%1)"), QStringLiteral("Text1(%1)"), QStringLiteral("Label2(%1)"),
                                QStringLiteral("Text2(%1)"), QStringLiteral("Label3(%1)")})
        if (auto *w = s->findChild<QWidget *>(name.arg(i))) out << w;
    return out;
}

// Shows rows 1 … k, each with the count "1", after emptying all ten.
void showRows(shell::CalculatorScreen *s, int k) {
    for (int i = 0; i < kCableRows; ++i) {
        s->write(diameter(i), QString());
        s->write(count(i), QString());
        for (QWidget *w : rowWidgets(s, i)) w->setVisible(i < k);
        if (i < k) s->write(count(i), QStringLiteral("1"));
    }
}

}  // namespace

QGridLayout *addCableRows(shell::CalculatorScreen *s) {
    std::vector<shell::Row> rows;
    for (int i = 0; i < kCableRows; ++i) {
        const int n = i + 1;
        // The tenth caption has no number after its D.
        const QString caption = n < kCableRows ? QStringLiteral("电缆%1最大外径D%1：").arg(n) : QStringLiteral("电缆10最大外径D：");
        rows.push_back(shell::namedCaption(shell::number(diameter(i), caption), QStringLiteral("Label1(%1)").arg(i)));
    }
    for (int i = 0; i < kCableRows; ++i) rows.push_back(shell::number(count(i), QString()));

    shell::RowStyle style = shell::inputRowStyle();
    style.fieldWidth = 92;
    style.spacing = 4;
    style.fieldHeight = 30;
    QGridLayout *grid = s->addRows(s, rows, style, 2);  // diameters in the first column, counts in the second
    grid->setVerticalSpacing(2);
    const QFont unit = look::song(12);
    for (int i = 0; i < kCableRows; ++i) {
        grid->addWidget(look::label(s, QStringLiteral("Label2(%1)").arg(i), QStringLiteral("mm"), unit), i, 2);
        grid->addWidget(look::label(s, QStringLiteral("Label3(%1)").arg(i), QStringLiteral("根"), unit), i, 6);
        auto *c = s->findChild<QLineEdit *>(count(i));
        c->setFixedWidth(62);
        c->setAccessibleName(QStringLiteral("电缆%1根数").arg(i + 1));
        QPalette p = c->palette();
        p.setColor(QPalette::Text, look::kRed);
        c->setPalette(p);
        for (QWidget *w : rowWidgets(s, i)) {
            QSizePolicy keep = w->sizePolicy();
            keep.setRetainSizeWhenHidden(true);
            w->setSizePolicy(keep);
        }
    }
    grid->setColumnMinimumWidth(3, 10);  // between the diameters and the counts
    showRows(s, 1);
    return grid;
}

QGridLayout *addTypeCountList(shell::CalculatorScreen *s, const QString &result) {
    QStringList entries;
    for (std::string_view e : typeCountEntries()) entries << QString::fromUtf8(e.data(), static_cast<qsizetype>(e.size()));
    shell::RowStyle style = shell::inputRowStyle();
    style.fieldWidth = 200;
    QGridLayout *grid = s->addRows(
        s, {shell::namedCaption(shell::choice(QStringLiteral("Combo1"), QStringLiteral("请选择电缆型号的数量"), entries.front(), entries),
                                QStringLiteral("Label4"))},
        style);
    auto *heading = s->findChild<QLabel *>(QStringLiteral("Label4"));
    heading->setFont(look::song(12, true));
    QPalette p = heading->palette();
    p.setColor(QPalette::WindowText, look::kRed);
    heading->setPalette(p);

    auto *box = s->findChild<QComboBox *>(QStringLiteral("Combo1"));
    look::onPick(box, s, [s, result](int index) {
        showRows(s, index + 1);
        s->write(result, QString());
    });
    return grid;
}

QPushButton *addCalculate(shell::CalculatorScreen *s, std::function<void(shell::CalculatorScreen &)> calculate) {
    QPushButton *b = s->addButton(QStringLiteral("Command2"), QStringLiteral("计算结果"), [s, calculate = std::move(calculate)] { calculate(*s); });
    s->setDefaultButton(b);
    return b;
}

void finishCableScreen(shell::CalculatorScreen *s, QSize least) {
    s->finish(least);
    QWidget *previous = nullptr;
    for (int i = 0; i < kCableRows; ++i) {
        auto *d = s->findChild<QWidget *>(diameter(i));
        auto *c = s->findChild<QWidget *>(count(i));
        if (previous) QWidget::setTabOrder(previous, d);
        QWidget::setTabOrder(d, c);
        previous = c;
    }
}

Cables readCables(const shell::Fields &fields) {
    Cables cables;
    for (int i = 0; i < kCableRows; ++i) cables[i] = {fields.number(diameter(i)), fields.number(count(i))};
    return cables;
}

}  // namespace hanhai::cabling
