// The two cabin ventilation screens through their real windows, opened from the ventilation menu.
#include <QApplication>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kRegular = QStringLiteral("舱室通风风量计算");

QWidget *openCabin(const QString &screen) {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label18"));
    click(window(QStringLiteral("通风风量计算")), screen == kRegular ? QStringLiteral("Label3") : QStringLiteral("Label4"));
    return window(screen);
}

// The inputs in screen order: L, W, H, K, N or S, H, K, N.
QStringList inputsOf(const QString &screen) {
    return screen == kRegular ? QStringList{"Text1", "Text2", "Text3", "Text4", "Text6"}
                              : QStringList{"Text1", "Text3", "Text4", "Text6"};
}

void fill(QWidget *w, const QStringList &values) {
    for (int i = 0; i < values.size(); ++i) type(w, inputsOf(w->objectName())[i], values[i]);
}

void bothScreens() {
    QTest::addColumn<QString>("screen");
    QTest::newRow("regular") << kRegular;
    QTest::newRow("irregular") << QStringLiteral("不舱室通风风量计算");
}

}  // namespace

class Cabin : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensWithSixChangesAndOneFan_data() { bothScreens(); }
    void opensWithSixChangesAndOneFan() {
        QFETCH(QString, screen);
        QWidget *w = openCabin(screen);
        QVERIFY(w);
        const QString title = screen == kRegular ? QStringLiteral("规则舱室通风风量计算") : QStringLiteral("不规则舱室通风风量计算");
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(text(w, "Label1"), title);
        for (const QString &f : inputsOf(screen) + QStringList{"Text5", "Text7"})
            QCOMPARE(text(w, f), f == "Text4" ? "6" : f == "Text6" ? "1" : "");
        QVERIFY(!w->findChild<QRadioButton *>());  // always two decimals
        // Tab runs down the left column of inputs, then the right one, then the buttons and results.
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
        for (const QString &f : inputsOf(screen).mid(1) + QStringList{"Command2", "Command1", "Text5", "Text7"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), f);
        }
    }

    // Each row follows a first answer (300.00 and 150.00), which must never linger.
    void flowsWithTwoDecimals_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("Q");  // both results empty: the message was shown
        QTest::addColumn<QString>("perFan");
        const QString irregular = QStringLiteral("不舱室通风风量计算");
        QTest::newRow("box, one fan") << kRegular << QStringList{"5000", "4000", "2500", "6", "1"} << "300.00" << "300.00";
        QTest::newRow("area, two fans") << irregular << QStringList{"20000000", "2500", "6", "2"} << "300.00" << "150.00";
        QTest::newRow("box, three fans") << kRegular << QStringList{"3150", "2480", "2350", "8", "3"} << "146.87" << "48.96";
        QTest::newRow("area, ten changes") << irregular << QStringList{"7500000", "2200", "10", "4"} << "165.00" << "41.25";
        QTest::newRow("box emptied") << kRegular << QStringList{"", "", "", "6", "1"} << "0.00" << "0.00";
        QTest::newRow("no fan") << kRegular << QStringList{"5000", "4000", "2500", "6", "0"} << "" << "";
        QTest::newRow("fans emptied") << irregular << QStringList{"20000000", "2500", "6", ""} << "" << "";
        QTest::newRow("nothing, no fan") << kRegular << QStringList{"", "", "", "6", "0"} << "" << "";
        QTest::newRow("beyond range") << irregular << QStringList{"1e308", "1e308", "6", "1"} << "" << "";
    }
    void flowsWithTwoDecimals() {
        QFETCH(QString, screen);
        QFETCH(QStringList, inputs);
        QFETCH(QString, Q);
        QFETCH(QString, perFan);
        Messages messages;
        QWidget *w = openCabin(screen);
        fill(w, screen == kRegular ? QStringList{"5000", "4000", "2500", "6", "2"} : QStringList{"20000000", "2500", "6", "2"});
        click(w, "Command2");
        QCOMPARE(text(w, "Text7"), QStringLiteral("150.00"));
        fill(w, inputs);
        click(w, "Command2");
        QCOMPARE(messages.texts, Q.isEmpty() ? QStringList{"计算结果无效，请检查输入的数据"} : QStringList{});
        QCOMPARE(text(w, "Text5"), Q);
        QCOMPARE(text(w, "Text7"), perFan);
    }

    void clearKeepsChangesAndFansThenBackToTheMainMenu_data() { bothScreens(); }
    void clearKeepsChangesAndFansThenBackToTheMainMenu() {
        QFETCH(QString, screen);
        QWidget *w = openCabin(screen);
        const QStringList dimensions = screen == kRegular ? QStringList{"5000", "4000", "2500"} : QStringList{"20000000", "2500"};
        fill(w, dimensions + QStringList{"10", "4"});
        click(w, "Command2");
        click(w, "Command1");
        for (const QString &f : inputsOf(screen).mid(0, dimensions.size()) + QStringList{"Text5", "Text7"})
            QCOMPARE(text(w, f), QString());
        QCOMPARE(text(w, "Text4"), QStringLiteral("10"));
        QCOMPARE(text(w, "Text6"), QStringLiteral("4"));
        fill(w, dimensions);
        click(w, "Command2");
        QCOMPARE(text(w, "Text5"), QStringLiteral("500.00"));
        QCOMPARE(text(w, "Text7"), QStringLiteral("125.00"));
        click(w, "Command6");
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
    }
};

QTEST_MAIN(Cabin)
#include "gui_cabin.moc"
