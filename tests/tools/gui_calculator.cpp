// The scientific calculator through its real window: keys clicked and typed, the display read.
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kName = QStringLiteral("科学计算器");

QWidget *openCalculator() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label13"));
    return window(kName);
}

// The key showing this caption.
QPushButton *key(QWidget *w, const QString &caption) {
    for (auto *b : control<QWidget>(w, "Frame1")->findChildren<QPushButton *>())
        if (b->text() == caption) return b;
    qWarning("no key %s", qPrintable(caption));
    return nullptr;
}

void press(QWidget *w, const QStringList &captions) {
    for (const QString &c : captions)
        if (QPushButton *b = key(w, c)) click(w, b->objectName());
}

QString display(QWidget *w) { return text(w, "Label2"); }

}  // namespace

class Calculator : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensFromTheMainMenuInItsDesignState() {
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        QWidget *w = openCalculator();
        QVERIFY(w);
        QCOMPARE(openWindowNames(), QStringList{kName});
        QCOMPARE(w->windowTitle(), kName);
        QCOMPARE(text(w, "Label1"), QStringLiteral("科 学 计 算 器"));
        QCOMPARE(display(w), QStringLiteral("0."));
        QCOMPARE(text(w, "Text1"), QString());
        QVERIFY(!control<QWidget>(w, "Text1")->isVisible());
        QCOMPARE(control<QGroupBox>(w, "Frame1")->title(), QStringLiteral("SCIENTIFIC"));
        QCOMPARE(control<QGroupBox>(w, "Frame2")->title(), QStringLiteral("angle"));
        QStringList units;
        for (int i = 0; i < 3; ++i) {
            auto *o = control<QRadioButton>(w, QStringLiteral("Option2(%1)").arg(i));
            units << o->text() + (o->isChecked() ? "*" : "");
        }
        QCOMPARE(units, (QStringList{"deg*", "rad", "grd"}));
        QCOMPARE(control<QPushButton>(w, "Command400")->text(), QStringLiteral("返回主界面 BACK UP"));
        QCOMPARE(control<QPushButton>(w, "Command300")->text(), QStringLiteral(" 结束并退出  E X I T"));
        QCOMPARE(QApplication::clipboard()->text(), QString());
    }

    void everyKeyHasItsControlName() {
        const QStringList keys = {
            "Command1(0)=0", "Command1(1)=1", "Command1(2)=2", "Command1(3)=3", "Command1(4)=4", "Command1(5)=5",
            "Command1(6)=6", "Command1(7)=7", "Command1(8)=8", "Command1(9)=9", "Command1(10)=.", "Command1(11)=00",
            "Command2(0)=+", "Command2(1)=-", "Command2(2)=/", "Command2(3)=*", "Command2(4)==", "Command2(5)=ncr",
            "Command2(6)=%", "Command2(7)=npr", "Command2(8)=x^y", "Command5(0)=sin", "Command5(1)=cos",
            "Command5(2)=tan", "Command5(3)=asin", "Command5(4)=acos", "Command5(5)=atan", "Command6(0)=1/X",
            "Command6(1)=X^2 ", "Command6(2)=√", "Command6(4)=n!", "Command6(8)=X^3 ", "Command10(0)=ln",
            "Command10(1)=log", "Command10(2)=e(x)", "Command7(0)=M+", "Command7(1)=M-", "Command7(2)=M*",
            "Command7(3)=M/", "Command7(4)=MR", "Command7(5)=MC", "Command9(0)=Rnd", "Command9(1)=pi",
            "Command9(2)=e", "Command9(3)=g", "Command9(4)=h", "Command3=C", "Command4=AC", "Command11=Back",
            "Command14=+/-", "Command8(0)=push", "Command8(2)=del", "Command8(3)=copy", "Command12(0)=AND",
            "Command12(1)=OR", "Command12(2)=NOT"};
        QWidget *w = openCalculator();
        QStringList found;
        for (auto *b : control<QWidget>(w, "Frame1")->findChildren<QPushButton *>()) found << b->objectName() + "=" + b->text();
        found.sort();
        QStringList expected = keys;
        expected.sort();
        QCOMPARE(found, expected);
    }

    void clickedKeysShowOnTheDisplay_data() {
        QTest::addColumn<QString>("option");  // the angle unit clicked first
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("chain") << "" << QStringList{"2", "+", "3", "*", "4", "="} << " 20" << QStringList{};
        QTest::newRow("divide by 0") << "" << QStringList{"1", "0", "/", "0", "="} << " 10"
                                     << QStringList{" ILLEGAL  DIVIDE  0 "};
        QTest::newRow("sin 30 deg") << "Option2(0)" << QStringList{"3", "0", "sin"} << " .5" << QStringList{};
        QTest::newRow("sin 30 rad") << "Option2(1)" << QStringList{"3", "0", "sin"} << "-.988031624092862" << QStringList{};
        QTest::newRow("sin 100 grd") << "Option2(2)" << QStringList{"1", "0", "0", "sin"} << " 1" << QStringList{};
        QTest::newRow("back to empty") << "" << QStringList{"5", "Back", "Back"} << "" << QStringList{};
        QTest::newRow("keys without action") << "" << QStringList{"4", "push", "del", "copy", "AND", "OR", "NOT"} << " 4"
                                             << QStringList{};
    }
    void clickedKeysShowOnTheDisplay() {
        QFETCH(QString, option);
        QFETCH(QStringList, keys);
        QFETCH(QString, shown);
        QFETCH(QStringList, messages);
        Messages recorded;
        QWidget *w = openCalculator();
        if (!option.isEmpty()) click(w, option);
        press(w, keys);
        QCOMPARE(display(w), shown);
        QCOMPARE(text(w, "Text1"), shown);
        QCOMPARE(recorded.texts, messages);
    }

    void typedCharactersReachTheCalculatorWhateverHasTheFocus() {
        Messages recorded;
        QWidget *w = openCalculator();
        QTest::keyClicks(w, "2+3*4=");
        QCOMPARE(display(w), QStringLiteral(" 20"));

        auto *rad = control<QRadioButton>(w, "Option2(1)");
        rad->setFocus();
        QTest::keyClicks(rad, "9/0=");
        QCOMPARE(recorded.takeOne(), QStringLiteral(" ILLEGAL  DIVIDE  0 "));
        QCOMPARE(display(w), QStringLiteral(" 9"));
        QVERIFY(control<QRadioButton>(w, "Option2(0)")->isChecked());  // typing chose no unit

        auto *seven = key(w, "7");
        seven->setFocus();
        QTest::keyClicks(seven, "5+3d2=");  // d clears the entry only
        QCOMPARE(display(w), QStringLiteral(" 7"));
        QTest::keyClicks(seven, "5+3C2=");  // C starts afresh
        QCOMPARE(display(w), QStringLiteral(" 2"));
        QTest::keyClicks(seven, "xyz%&");
        QCOMPARE(display(w), QStringLiteral(" 2"));
        QVERIFY(recorded.texts.isEmpty());
    }

    void enterPressesEqualsAfterClickedKeys() {
        QWidget *w = openCalculator();
        press(w, {"6", "*", "7"});
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Return);
        QCOMPARE(display(w), QStringLiteral(" 42"));
    }

    void allClearEmptiesTheClipboardAndTheMemory() {
        QWidget *w = openCalculator();
        press(w, {"7", "M+", "+", "3"});
        QApplication::clipboard()->setText(QStringLiteral("copied"));
        press(w, {"AC"});
        QCOMPARE(display(w), QStringLiteral(" 0"));
        QCOMPARE(QApplication::clipboard()->text(), QString());
        press(w, {"MR"});
        QCOMPARE(display(w), QStringLiteral(" 0"));
    }

    void aLongEntryLeavesTheWindowAsItIs() {
        QWidget *w = openCalculator();
        const QSize size = w->size();
        QTest::keyClicks(w, QString(200, '9'));
        QCOMPARE(display(w), " " + QString(200, '9'));
        press(w, {"√"});
        QCOMPARE(display(w), QStringLiteral(" 1E+100"));
        QCOMPARE(w->size(), size);
    }

    void backReopensTheMainMenuAndTheMemoryIsForgotten() {
        QWidget *w = openCalculator();
        press(w, {"7", "M+"});
        click(w, "Command400");
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
        w = openCalculator();
        QCOMPARE(display(w), QStringLiteral("0."));
        press(w, {"MR"});
        QCOMPARE(display(w), QStringLiteral(" 0"));
    }
};

QTEST_MAIN(Calculator)
#include "gui_calculator.moc"
