// Branch pipes merged into one header: as many branch rows as the chosen count, the
// theoretical header bore and the standard size chosen for it.
#include "piping/ui/branch_screen.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "piping/core/branches.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"

namespace hanhai::piping {

namespace {

namespace look = shell::look;
using shell::Fields;
using shell::Outcome;

const QString kName = QStringLiteral("支管合并管径计算");
const QColor kBackground{236, 232, 255};  // pale lavender
const QString kNote = QStringLiteral(
    "1、本程序主要用于计算2-10根支管汇总成一根总管时，不减小汇总后管内流体的流通面积，即不增加流速时的总管的通径。");

QString branch(int k) { return QStringLiteral("Text1(%1)").arg(k); }
QString branchCaption(int k) { return QStringLiteral("Label1(%1)").arg(k); }
QString branchUnit(int k) { return QStringLiteral("Label2(%1)").arg(k); }
QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

Outcome merge(const Fields &f) {
    MergeInput in;
    for (int k = 0; k < kMostBranches; ++k) in.branches[k] = f.number(branch(k));  // hidden ones are empty
    in.selector = f.text(QStringLiteral("Combo1"));
    const MergeResult r = mergeBranches(in);
    Outcome out = r.failure.empty() ? Outcome() : Outcome::failed(qt(r.failure));
    if (!r.warning.empty()) out.notice(qt(r.warning));
    return out.set(QStringLiteral("Text2"), r.bore).set(QStringLiteral("Text3"), r.header);
}

// Rows 0 to n − 1 are shown, the others hidden.
void showRows(QWidget *s, int n) {
    for (int k = 0; k < kMostBranches; ++k)
        for (const QString &name : {branchCaption(k), branch(k), branchUnit(k)})
            if (auto *w = s->findChild<QWidget *>(name)) w->setVisible(k < n);
}

}  // namespace

QWidget *makeBranchScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kBackground, merge);
    s->setFailure(shell::Failure::Blank);

    auto *root = new QVBoxLayout(s);
    root->setContentsMargins(18, 12, 18, 14);
    root->setSpacing(10);
    QLabel *title = look::label(s, QString(), kName, look::xinwei(21.75, true));
    title->setAlignment(Qt::AlignCenter);
    root->addWidget(title);

    auto *body = new QHBoxLayout;
    body->setSpacing(24);
    root->addLayout(body, 1);

    // Left: the count and the branch rows, stacked in index order.
    auto *left = new QVBoxLayout;
    left->setSpacing(6);
    QStringList counts;
    for (int n = kFewestBranches; n <= kMostBranches; ++n) counts << qt(branchCountEntry(n));
    shell::RowStyle selector = shell::inputRowStyle();
    selector.fieldWidth = 250;
    QGridLayout *count = s->addRows(s, {shell::choice(QStringLiteral("Combo1"), QStringLiteral("请选择支管的数量"), counts.front(), counts)},
                                    selector);
    count->setVerticalSpacing(4);
    left->addLayout(count);

    std::vector<shell::Row> rows;
    for (int k = 0; k < kMostBranches; ++k)
        rows.push_back(shell::namedCaption(shell::number(branch(k), QStringLiteral("支管%1通径DN%1：").arg(k + 1)), branchCaption(k)));
    shell::RowStyle rowStyle = shell::inputRowStyle();
    rowStyle.fieldWidth = 110;
    QGridLayout *grid = s->addRows(s, rows, rowStyle);
    grid->setVerticalSpacing(4);
    for (int k = 0; k < kMostBranches; ++k)
        grid->addWidget(look::label(s, branchUnit(k), QStringLiteral("mm"), rowStyle.unit), k, 2);
    left->addLayout(grid);
    left->addStretch(1);
    body->addLayout(left);

    // Right: the buttons, the two results and the note.
    auto *right = new QVBoxLayout;
    right->setSpacing(14);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(s->addCalculateButton(QStringLiteral("Command2")));
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清  除")));
    right->addLayout(buttons);
    shell::RowStyle out = shell::resultRowStyle();
    out.fieldWidth = 104;
    QGridLayout *results = s->addRows(
        s,
        {shell::result(QStringLiteral("Text2"), QStringLiteral("总管理论通径DN："), QStringLiteral("mm"), shell::fixed(2)),
         shell::result(QStringLiteral("Text3"), QStringLiteral("总管选择通径DN："), QStringLiteral("mm"), shell::fixed(0))},
        out);
    results->setVerticalSpacing(12);
    right->addLayout(results);
    QGroupBox *note = s->addFrame(QString(), QStringLiteral("说明："));
    auto *nl = new QVBoxLayout(note);
    QLabel *text = look::label(note, QString(), kNote, look::song(10.5));
    text->setWordWrap(true);
    nl->addWidget(text);
    right->addWidget(note);
    right->addStretch(1);
    body->addLayout(right, 1);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));

    auto *combo = s->findChild<QComboBox *>(QStringLiteral("Combo1"));
    shell::look::onPick(combo, s, [s, combo](int index) {
        const std::optional<int> n = branchCount(combo->itemText(index).toStdString());
        if (!n) return;
        s->clear();  // the ten branches and both results
        showRows(s, *n);
    });

    s->finish();  // sized with all ten rows, then showing the first two
    s->setFirstField(s->findChild<QLineEdit *>(branch(0)));
    showRows(s, kFewestBranches);
    return s;
}

}  // namespace hanhai::piping
