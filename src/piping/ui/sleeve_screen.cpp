// Welded straight sleeve selection: a lookup by nominal bore or by pipe outside diameter.
#include "piping/ui/sleeve_screen.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "piping/core/sleeves.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"

namespace hanhai::piping {

namespace {

namespace look = shell::look;
using shell::result;

QString text(std::string_view s) { return QString::fromUtf8(s); }

QStringList column(std::string_view Sleeve::*cell) {
    QStringList items;
    for (const Sleeve &s : sleeveTable()) items << text(s.*cell);
    return items;
}

// The chosen row in both drop-downs and the five outputs; a text that names no row changes nothing.
void showSleeve(shell::CalculatorScreen &screen, const Sleeve *s) {
    if (!s) return;
    screen.write(QStringLiteral("Combo1"), text(s->bore));
    screen.write(QStringLiteral("Combo2"), text(s->pipe));
    screen.show(shell::Outcome()
                    .setText(QStringLiteral("Text1"), text(s->diameter))
                    .setText(QStringLiteral("Text2"), text(s->wall))
                    .setText(QStringLiteral("Text3"), text(s->length))
                    .setText(QStringLiteral("Text4"), text(s->mass))
                    .setText(QStringLiteral("Text5"), text(s->standard)),
                false);
    screen.setFrameVisible(QStringLiteral("Frame1"), true);
}

}  // namespace

QWidget *makeSleeveScreen() {
    const QString name = QStringLiteral("焊接直通套管选择");
    auto *s = new shell::CalculatorScreen(name, name, look::kMenuBackground, nullptr);
    QVBoxLayout *root = s->titledColumn(name, 14, {40, 16, 40, 16});

    shell::RowStyle pick = shell::inputRowStyle();
    pick.field = look::song(14.25);
    pick.choiceBelowCaption = true;
    QGridLayout *picks = s->addRows(s,
                                    {shell::choice(QStringLiteral("Combo1"), {}, QStringLiteral("请选择无缝钢管的通径DN"), column(&Sleeve::bore)),
                                     shell::choice(QStringLiteral("Combo2"), {}, QStringLiteral("请选择无缝钢管的外径Dw"), column(&Sleeve::pipe))},
                                    pick);
    picks->setVerticalSpacing(14);
    root->addLayout(picks);

    QGroupBox *frame = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("所需直通套管："));
    frame->setFont(look::song(12));
    shell::RowStyle out = shell::resultRowStyle();
    out.caption = look::song(14.25, true);
    out.field = look::song(14.25);
    QGridLayout *grid = s->addRows(frame,
                                   {result(QStringLiteral("Text1"), QStringLiteral("D-外径："), QStringLiteral("mm")),
                                    result(QStringLiteral("Text2"), QStringLiteral("t-壁厚："), QStringLiteral("mm")),
                                    result(QStringLiteral("Text3"), QStringLiteral("L-长度："), QStringLiteral("mm")),
                                    result(QStringLiteral("Text4"), QStringLiteral("M-质量："), QStringLiteral("kg")),
                                    result(QStringLiteral("Text5"), QStringLiteral("标准号："), QString())},
                                   out);
    grid->setContentsMargins(30, 16, 30, 16);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(3, 1);
    frame->findChild<QWidget *>(QStringLiteral("Text5"))->setFixedWidth(260);
    frame->setLayout(grid);
    root->addWidget(frame);
    root->addStretch(1);
    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));

    auto *bore = s->findChild<QComboBox *>(QStringLiteral("Combo1"));
    auto *pipe = s->findChild<QComboBox *>(QStringLiteral("Combo2"));
    look::onPick(bore, s, [s, bore](int) { showSleeve(*s, sleeveByBore(bore->currentText().toStdString())); });
    look::onPick(pipe, s, [s, pipe](int) { showSleeve(*s, sleeveByPipe(pipe->currentText().toStdString())); });

    s->finish();  // sized with the frame in place, then hidden until a sleeve is chosen
    frame->setVisible(false);
    return s;
}

}  // namespace hanhai::piping
