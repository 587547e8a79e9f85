// The five solid weight calculators, driven through their real windows.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

// Opens a weight screen the way the user does: main menu, weight menu, its button.
QWidget *openWeightScreen(const char *button, const QString &name) {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label3"));
    click(window(QStringLiteral("重量计算")), QString::fromUtf8(button));
    return window(name);
}

QWidget *openCylinder() { return openWeightScreen("Command10", QStringLiteral("圆柱体重量计算")); }

void choose(QWidget *w, int option) { click(w, QStringLiteral("Option%1").arg(option)); }

}  // namespace

class SolidWeightScreens : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void cylinderShowsSingleAndTotal() {
        Messages messages;
        QWidget *w = openCylinder();
        QVERIFY(w);
        QCOMPARE(text(w, QStringLiteral("Text4")), QStringLiteral("1"));
        QVERIFY(control<QRadioButton>(w, QStringLiteral("Option4"))->isChecked());
        type(w, QStringLiteral("Text1"), QStringLiteral("100"));
        type(w, QStringLiteral("Text2"), QStringLiteral("1000"));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(text(w, QStringLiteral("Text3")), QStringLiteral("61.65375583475"));
        QCOMPARE(text(w, QStringLiteral("Text5")), QStringLiteral("61.65375583475"));
        type(w, QStringLiteral("Text4"), QStringLiteral("3"));
        choose(w, 2);
        QCOMPARE(text(w, QStringLiteral("Text3")), QStringLiteral("61.65"));
        QCOMPARE(text(w, QStringLiteral("Text5")), QStringLiteral("184.95"));  // rounded single × 3
        choose(w, 4);
        QCOMPARE(text(w, QStringLiteral("Text5")), QStringLiteral("184.96126750425"));
        QVERIFY(messages.texts.isEmpty());
    }

    void cylinderHoldsItsResultsOnFailure() {
        Messages messages;
        QWidget *w = openCylinder();
        type(w, QStringLiteral("Text1"), QStringLiteral("100"));
        type(w, QStringLiteral("Text2"), QStringLiteral("1000"));
        type(w, QStringLiteral("Text4"), QStringLiteral("3"));
        choose(w, 2);
        type(w, QStringLiteral("Text1"), QString());
        click(w, QStringLiteral("Command2"));
        QCOMPARE(messages.takeOne(), QStringLiteral("未输入直径值D，或输入值有误"));
        QCOMPARE(text(w, QStringLiteral("Text3")), QStringLiteral("61.65"));
        QCOMPARE(text(w, QStringLiteral("Text5")), QStringLiteral("184.95"));
        choose(w, 3);  // a fixed option leaves both
        QCOMPARE(text(w, QStringLiteral("Text3")), QStringLiteral("61.65"));
        choose(w, 4);  // the unrounded option empties the single weight only
        QCOMPARE(text(w, QStringLiteral("Text3")), QString());
        QCOMPARE(text(w, QStringLiteral("Text5")), QStringLiteral("184.95"));
        QVERIFY(messages.texts.isEmpty());
    }

    void cylinderCountIsReadButNeverChecked() {
        QWidget *w = openCylinder();
        type(w, QStringLiteral("Text1"), QStringLiteral("100"));
        type(w, QStringLiteral("Text2"), QStringLiteral("1000"));
        type(w, QStringLiteral("Text4"), QStringLiteral("abc"));
        choose(w, 1);
        QCOMPARE(text(w, QStringLiteral("Text5")), QStringLiteral("0.0"));
        type(w, QStringLiteral("Text4"), QStringLiteral("-2"));
        choose(w, 2);
        QCOMPARE(text(w, QStringLiteral("Text5")), QStringLiteral("-123.30"));
    }

    void cylinderClearKeepsTheCountUntilReopened() {
        QWidget *w = openCylinder();
        type(w, QStringLiteral("Text1"), QStringLiteral("100"));
        type(w, QStringLiteral("Text4"), QStringLiteral("7"));
        click(w, QStringLiteral("Command1"));
        QCOMPARE(text(w, QStringLiteral("Text1")), QString());
        QCOMPARE(text(w, QStringLiteral("Text4")), QStringLiteral("7"));
        click(w, QStringLiteral("Command6"));
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("重量计算")});
        click(window(QStringLiteral("重量计算")), QStringLiteral("Command10"));
        QCOMPARE(text(window(QStringLiteral("圆柱体重量计算")), QStringLiteral("Text4")), QStringLiteral("1"));
    }

    void otherSolids_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("message");
        QTest::newRow("tube") << "Command6" << "圆筒重量计算" << "管子重量计算" << QStringList{"200", "100", "1000"} << "Text4"
                              << 4 << "184.96126750425" << "输入的数据有误";
        QTest::newRow("frustum") << "Command7" << "圆台重量计算" << "圆台重量计算" << QStringList{"1000", "500", "1000"}
                                 << "Text4" << 4 << "3596.46909036042" << "输入的数据有误";
        QTest::newRow("sphere") << "Command11" << "球体重量计算" << "球体重量计算" << QStringList{"100"} << "Text3" << 3
                                << "4.110" << "输入的直径D有误";
        QTest::newRow("cap") << "Command12" << "球冠重量计算" << "球冠重量计算" << QStringList{"500", "200"} << "Text3" << 4
                             << "649.419561459367" << "输入的下半径A有误";
    }
    void otherSolids() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QStringList, inputs);
        QFETCH(QString, output);
        QFETCH(int, option);
        QFETCH(QString, weight);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = openWeightScreen(button.toUtf8().constData(), name);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(text(w, QStringLiteral("Label1")), title);
        QCOMPARE(control<QPushButton>(w, QStringLiteral("Command6"))->text(), QStringLiteral("重量计算界面 BACK UP"));
        QCOMPARE(text(w, QStringLiteral("Label7")), QStringLiteral("钢的密度为7.85*10**3  kg/m**3"));
        for (int i = 0; i < inputs.size(); ++i) type(w, QStringLiteral("Text%1").arg(i + 1), inputs[i]);
        choose(w, option);
        QCOMPARE(text(w, output), weight);
        type(w, QStringLiteral("Text1"), QStringLiteral("0"));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(messages.takeOne(), message);
        QCOMPARE(text(w, output), QString());  // blank on failure
        click(w, QStringLiteral("Command6"));
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("重量计算")});
    }
};

QTEST_MAIN(SolidWeightScreens)
#include "gui_weight_screens.moc"
