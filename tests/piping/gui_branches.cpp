// Branch pipe merging through its real window: the branch-count selector and its rows, the
// header bore and the standard size chosen for it, and the messages.
#include <QComboBox>
#include <QLineEdit>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kTooLarge = QStringLiteral("总管通径大于400，不推荐此合并方式   ");

QString entry(qsizetype n) { return QStringLiteral("%1根支管汇总一根总管").arg(n); }
QString branch(int k) { return QStringLiteral("Text1(%1)").arg(k); }

QWidget *openBranches() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label12"));
    return window(QStringLiteral("支管合并管径计算"));
}

// The shown rows, each caption, field and unit together and in index order; -1 if not so.
int shownRows(QWidget *w) {
    int shown = 0;
    for (int k = 0; k < 10; ++k) {
        const bool row = control<QWidget>(w, branch(k))->isVisible();
        if (row != control<QWidget>(w, QStringLiteral("Label1(%1)").arg(k))->isVisible() ||
            row != control<QWidget>(w, QStringLiteral("Label2(%1)").arg(k))->isVisible() || (row && shown != k))
            return -1;
        shown += row;
    }
    return shown;
}

void typeCount(QWidget *w, const QString &typed) {  // into the selector's edit: no entry is picked
    control<QComboBox>(w, "Combo1")->lineEdit()->selectAll();
    typeText(control<QComboBox>(w, "Combo1")->lineEdit(), typed);
}

void enterBranches(QWidget *w, const QStringList &bores) {
    if (bores.size() > 2) pick(w, "Combo1", entry(bores.size()));
    for (int k = 0; k < bores.size(); ++k) type(w, branch(k), bores[k]);
}

QString results(QWidget *w) { return text(w, "Text2") + '|' + text(w, "Text3"); }

}  // namespace

class BranchScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void pickingACountShowsThatManyEmptyRows_data() {
        QTest::addColumn<int>("n");
        for (int n = 2; n <= 10; ++n) QTest::addRow("%d", n) << n;
    }
    void pickingACountShowsThatManyEmptyRows() {
        QFETCH(int, n);
        QWidget *w = openBranches();
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), entry(2));
        QCOMPARE(control<QComboBox>(w, "Combo1")->itemText(n - 2), entry(n));
        QCOMPARE(shownRows(w), 2);
        QCOMPARE(text(w, QStringLiteral("Label1(%1)").arg(n - 1)), QStringLiteral("支管%1通径DN%1：").arg(n));
        enterBranches(w, QStringList(10, "20"));
        click(w, "Command2");
        QCOMPARE(results(w), QStringLiteral("63.25|65"));
        pick(w, "Combo1", entry(n));
        QCOMPARE(shownRows(w), n);
        for (int k = 0; k < 10; ++k) QCOMPARE(text(w, branch(k)), QString());
        QCOMPARE(results(w), QStringLiteral("|"));
    }

    void theHeaderOfTheBranches_data() {
        QTest::addColumn<QStringList>("bores");
        QTest::addColumn<QString>("shown");  // Text2|Text3, which showed "1|2" before
        QTest::addColumn<QString>("message");
        QTest::newRow("three of 50") << QStringList{"50", "50", "50"} << "86.60|100" << "";
        QTest::newRow("two of 32") << QStringList{"32", "32"} << "45.25|50" << "";
        QTest::newRow("40 and 30: exactly 50") << QStringList{"40", "30"} << "50.00|50" << "";
        QTest::newRow("50.3 goes up") << QStringList{"50.3"} << "50.30|65" << "";
        QTest::newRow("4.9 goes up") << QStringList{"4.9"} << "4.90|6" << "";
        QTest::newRow("0.9 goes up") << QStringList{"", "0.9"} << "0.90|4" << "";
        QTest::newRow("all empty") << QStringList{} << "0.00|0" << "";
        QTest::newRow("two of 300") << QStringList{"300", "300"} << "424.26|0" << kTooLarge;
        QTest::newRow("400.5") << QStringList{"400.5"} << "400.50|0" << kTooLarge;
        QTest::newRow("ten of 100") << QStringList(10, "100") << "316.23|350" << "";
        QTest::newRow("leading numbers") << QStringList{"30mm", "abc", "4e1"} << "50.00|50" << "";
        QTest::newRow("overflow") << QStringList{"1e200"} << "|" << QStringLiteral("计算结果无效，请检查输入的数据");
    }
    void theHeaderOfTheBranches() {
        QFETCH(QStringList, bores);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = openBranches();
        enterBranches(w, bores);
        control<QLineEdit>(w, "Text2")->setText("1");
        control<QLineEdit>(w, "Text3")->setText("2");
        click(w, "Command2");
        QCOMPARE(results(w), shown);
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList() : QStringList{message});
    }

    void thePromptTypedIntoTheSelectorEmptiesBothResults() {
        Messages messages;
        QWidget *w = openBranches();
        enterBranches(w, {"300", "300"});
        typeCount(w, QStringLiteral("请选择支管的数量"));
        click(w, "Command2");
        QCOMPARE(messages.texts, (QStringList{kTooLarge, QStringLiteral("请先选择支管的数量")}));
        QCOMPARE(results(w), QStringLiteral("|"));
    }

    void aTypedCountIsNoPick_data() {
        QTest::addColumn<int>("finish");  // the key that ends the typing
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Tab") << int(Qt::Key_Tab);
    }
    void aTypedCountIsNoPick() {
        QFETCH(int, finish);
        QWidget *w = openBranches();
        type(w, branch(0), "32");
        typeCount(w, entry(5));
        QTest::keyClick(control<QComboBox>(w, "Combo1")->lineEdit(), Qt::Key(finish));
        QCOMPARE(shownRows(w), 2);
        QCOMPARE(text(w, branch(0)), QStringLiteral("32"));
        pick(w, "Combo1", entry(5));  // picking that entry afterwards counts
        QCOMPARE(shownRows(w), 5);
        typeCount(w, entry(7));  // and so does picking the entry just typed
        pick(w, "Combo1", entry(7));
        QCOMPARE(shownRows(w), 7);
    }

    void clearKeepsTheCountAndItsRows() {
        QWidget *w = openBranches();
        enterBranches(w, {"50", "50", "50", "50"});
        click(w, "Command2");
        click(w, "Command1");
        QCOMPARE(text(w, branch(3)) + results(w), QStringLiteral("|"));
        QCOMPARE(shownRows(w), 4);
        QCOMPARE(control<QComboBox>(w, "Combo1")->currentText(), entry(4));
    }
};

QTEST_MAIN(BranchScreen)
#include "gui_branches.moc"
