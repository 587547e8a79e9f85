// The eight volume calculators, driven through their real windows.
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

struct Screen {
    const char *button;    // on the volume menu
    const char *name;      // screen and window name
    const char *title;     // Label1
    const char *captions;  // of the inputs, in order
    const char *output;    // the result field
    const char *message;   // the input message
};

const Screen kScreens[] = {
    {"Command1", "圆柱体体积计算", "圆柱体体积计算", "D--直径|H--高度", "Text3", "输入的半径R有误"},
    {"Command2", "圆锥体体积计算", "圆锥体体积计算", "D--直径|H--高度", "Text3", "输入的半径R有误"},
    {"Command3", "圆环体积计算", "圆环体积计算", "R--外半径|r--内半径", "Text3", "输入的数据有误"},
    {"Command4", "方形体计算", "方形体体积计算", "a--边长|b--边长|c--边长", "Text4", "输入的数据有误"},
    {"Command5", "圆筒体积计算", "圆筒体积计算", "D--外直径|d--内直径|H--高度", "Text4", "输入的数据有误"},
    {"Command6", "球体体积计算", "球体体积计算", "D--直径", "Text3", "输入的直径D有误"},
    {"Command7", "圆台体积计算", "圆台体积计算", "D--大直径|d--小直径|H--高度", "Text4", "输入的数据有误"},
    {"Command8", "球冠体积计算", "球冠体积计算", "A--下半径|H--高度", "Text3", "输入的下半径A有误"},
};

const Screen &screen(const QString &name) {
    for (const Screen &s : kScreens)
        if (name == QString::fromUtf8(s.name)) return s;
    return kScreens[0];
}

// Opens a volume screen the way the user does: main menu, volume menu, its button.
QWidget *openVolumeScreen(const QString &name) {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label14"));
    click(window(QStringLiteral("体积计算")), QString::fromUtf8(screen(name).button));
    return window(name);
}

void fill(QWidget *w, const QStringList &values) {
    for (int i = 0; i < values.size(); ++i) type(w, QStringLiteral("Text%1").arg(i + 1), values[i]);
}

QString output(QWidget *w) { return text(w, QString::fromUtf8(screen(w->objectName()).output)); }

void choose(QWidget *w, int option) { click(w, QStringLiteral("Option%1").arg(option)); }

}  // namespace

class VolumeScreens : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void eachOpensBlankWithItsDesign_data() {
        QTest::addColumn<QString>("name");
        for (const Screen &s : kScreens) QTest::newRow(s.name) << QString::fromUtf8(s.name);
    }
    void eachOpensBlankWithItsDesign() {
        QFETCH(QString, name);
        const Screen &s = screen(name);
        QWidget *w = openVolumeScreen(name);
        QVERIFY(w);
        QCOMPARE(openWindowNames(), QStringList{name});
        QCOMPARE(w->windowTitle(), name);
        QCOMPARE(text(w, QStringLiteral("Label1")), QString::fromUtf8(s.title));
        const QStringList captions = QString::fromUtf8(s.captions).split(QLatin1Char('|'));
        for (int i = 0; i < captions.size(); ++i) {
            QVERIFY(text(w, QStringLiteral("Text%1").arg(i + 1)).isEmpty());
            bool found = false;
            for (QLabel *l : w->findChildren<QLabel *>()) found = found || l->text() == captions[i];
            QVERIFY2(found, qPrintable(captions[i]));
        }
        QVERIFY(output(w).isEmpty());
        QCOMPARE(control<QPushButton>(w, QStringLiteral("Command2"))->text(), QStringLiteral("计算结果"));
        QCOMPARE(control<QPushButton>(w, QStringLiteral("Command1"))->text(), QStringLiteral("清   除"));
        QCOMPARE(control<QPushButton>(w, QStringLiteral("Command6"))->text(), QStringLiteral("体积计算界面 BACK UP"));
        QCOMPARE(control<QPushButton>(w, QStringLiteral("Command7"))->text(), QStringLiteral(" 结束并退出  E X I T"));
        QCOMPARE(text(w, QStringLiteral("Label10")), QStringLiteral("计算结果数据小数位数"));
        QVERIFY(w->findChild<QWidget *>(QStringLiteral("Frame1")));  // the drawing
        QCOMPARE(w->focusWidget(), w->findChild<QWidget *>(QStringLiteral("Text1")));
        // fixed size, centred, pointing hands over every button and option
        QCOMPARE(w->minimumSize(), w->maximumSize());
        QVERIFY(w->width() >= 700 && w->height() >= 580);
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY((w->frameGeometry().center() - centre).manhattanLength() <= 2);
        for (QAbstractButton *b : w->findChildren<QAbstractButton *>())
            QCOMPARE(b->cursor().shape(), Qt::PointingHandCursor);
        const bool threeOptions = name == QStringLiteral("方形体计算");
        QCOMPARE(w->findChild<QRadioButton *>(QStringLiteral("Option4")) == nullptr, threeOptions);
        QVERIFY(control<QRadioButton>(w, threeOptions ? QStringLiteral("Option2") : QStringLiteral("Option4"))->isChecked());
    }

    void workedExamples_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("volume");  // unrounded, or with the cuboid's two decimals
        QTest::newRow("cylinder") << "圆柱体体积计算" << QStringList{"100", "1000"} << "0.007853981635";
        QTest::newRow("cone") << "圆锥体体积计算" << QStringList{"1000", "1000"} << "0.261799387833333";
        QTest::newRow("cuboid") << "方形体计算" << QStringList{"1000", "2000", "3000"} << "6.00";
        QTest::newRow("tube") << "圆筒体积计算" << QStringList{"200", "100", "1000"} << "0.023561944905";
        QTest::newRow("torus") << "圆环体积计算" << QStringList{"1000", "800"} << "0.177652879266002";
        QTest::newRow("sphere") << "球体体积计算" << QStringList{"1000"} << "0.523598775666667";
        QTest::newRow("frustum") << "圆台体积计算" << QStringList{"1000", "500", "1000"} << "0.458148928708333";
        QTest::newRow("cap") << "球冠体积计算" << QStringList{"1000", "500"} << "0.850848010458333";
        QTest::newRow("lenient text") << "圆柱体体积计算" << QStringList{"1 00mm", "1e3"} << "0.007853981635";
        QTest::newRow("cylinder, H empty") << "圆柱体体积计算" << QStringList{"100", ""} << "0";
        QTest::newRow("cuboid, b zero") << "方形体计算" << QStringList{"1000", "0", "3000"} << "0.00";
        QTest::newRow("tube, bore larger") << "圆筒体积计算" << QStringList{"100", "200", "1000"} << "-0.023561944905";
    }
    void workedExamples() {
        QFETCH(QString, name);
        QFETCH(QStringList, inputs);
        QFETCH(QString, volume);
        Messages messages;
        QWidget *w = openVolumeScreen(name);
        fill(w, inputs);
        click(w, QStringLiteral("Command2"));
        QCOMPARE(output(w), volume);
        QVERIFY(messages.texts.isEmpty());
    }

    void optionsRoundTheKeptResult() {
        QWidget *w = openVolumeScreen(QStringLiteral("圆柱体体积计算"));
        fill(w, {"100", "1000"});
        click(w, QStringLiteral("Command2"));
        choose(w, 1);
        QCOMPARE(output(w), QStringLiteral("0.0"));
        choose(w, 2);
        QCOMPARE(output(w), QStringLiteral("0.01"));
        choose(w, 3);
        QCOMPARE(output(w), QStringLiteral("0.008"));
        choose(w, 4);
        QCOMPARE(output(w), QStringLiteral("0.007853981635"));

        QWidget *cone = nullptr;
        closeAll();
        cone = openVolumeScreen(QStringLiteral("圆锥体体积计算"));
        fill(cone, {"1000", "1000"});
        choose(cone, 3);  // an option alone computes too
        QCOMPARE(output(cone), QStringLiteral("0.262"));
    }

    void anOptionRecomputesFromTheFieldsAsTheyStand() {
        Messages messages;
        QWidget *w = openVolumeScreen(QStringLiteral("圆柱体体积计算"));
        fill(w, {"100", "1000"});
        click(w, QStringLiteral("Command2"));
        type(w, QStringLiteral("Text1"), QStringLiteral("200"));  // edited, not recalculated
        choose(w, 3);
        QCOMPARE(output(w), QStringLiteral("0.031"));
        type(w, QStringLiteral("Text1"), QString());  // now unusable: blank without a message
        choose(w, 2);
        QCOMPARE(output(w), QString());
        QVERIFY(messages.texts.isEmpty());
    }

    void aFailedCheckShowsTheMessageAndEmptiesTheResult_data() {
        QTest::addColumn<QString>("name");
        for (const Screen &s : kScreens) QTest::newRow(s.name) << QString::fromUtf8(s.name);
    }
    void aFailedCheckShowsTheMessageAndEmptiesTheResult() {
        QFETCH(QString, name);
        Messages messages;
        QWidget *w = openVolumeScreen(name);
        const auto fields = QString::fromUtf8(screen(name).captions).count(QLatin1Char('|')) + 1;
        fill(w, QStringList{"100", "100", "100"}.mid(0, fields));
        click(w, QStringLiteral("Command2"));
        QVERIFY(!output(w).isEmpty());
        type(w, QStringLiteral("Text1"), QStringLiteral("abc"));  // reads as 0
        click(w, QStringLiteral("Command2"));
        QCOMPARE(messages.takeOne(), QString::fromUtf8(screen(name).message));
        QCOMPARE(output(w), QString());
    }

    void enterComputesAsTheCalculateButtonDoes() {
        Messages messages;
        QWidget *w = openVolumeScreen(QStringLiteral("球体体积计算"));
        QLineEdit *d = control<QLineEdit>(w, QStringLiteral("Text1"));
        d->setFocus();
        QTest::keyClicks(d, QStringLiteral("1000"));
        QTest::keyClick(d, Qt::Key_Return);
        QCOMPARE(output(w), QStringLiteral("0.523598775666667"));
        // with a button focused, Enter presses that button instead
        auto *clear = control<QPushButton>(w, QStringLiteral("Command1"));
        clear->setFocus();
        QTest::keyClick(clear, Qt::Key_Return);
        QCOMPARE(text(w, QStringLiteral("Text1")), QString());
        QCOMPARE(output(w), QString());
        QVERIFY(messages.texts.isEmpty());
    }

    void tabRunsThroughInputsButtonsAndResults() {
        QWidget *w = openVolumeScreen(QStringLiteral("圆筒体积计算"));
        QStringList order;
        QWidget *f = w->focusWidget();
        for (int i = 0; i < 7 && f; ++i) {
            order << f->objectName();
            QTest::keyClick(f, Qt::Key_Tab);
            f = w->focusWidget();
        }
        QCOMPARE(order.mid(0, 6), (QStringList{"Text1", "Text2", "Text3", "Command2", "Command1", "Text4"}));
        QVERIFY(order[6].startsWith(QStringLiteral("Option")));  // then the decimal places
    }

    void clearKeepsTheOptionAndReopeningRestoresTheDesign() {
        QWidget *w = openVolumeScreen(QStringLiteral("圆台体积计算"));
        fill(w, {"1000", "500", "1000"});
        choose(w, 1);
        QCOMPARE(output(w), QStringLiteral("0.5"));
        click(w, QStringLiteral("Command1"));
        for (const char *f : {"Text1", "Text2", "Text3", "Text4"}) QCOMPARE(text(w, QString::fromUtf8(f)), QString());
        QVERIFY(control<QRadioButton>(w, QStringLiteral("Option1"))->isChecked());
        click(w, QStringLiteral("Command6"));
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("体积计算")});
        click(window(QStringLiteral("体积计算")), QStringLiteral("Command7"));
        w = window(QStringLiteral("圆台体积计算"));
        QVERIFY(control<QRadioButton>(w, QStringLiteral("Option4"))->isChecked());
    }

    void arithmeticOverflowIsReportedAndTheOldResultGoes() {
        Messages messages;
        QWidget *w = openVolumeScreen(QStringLiteral("圆柱体体积计算"));
        fill(w, {"100", "1000"});
        click(w, QStringLiteral("Command2"));
        fill(w, {"1e308", "1000"});
        click(w, QStringLiteral("Command2"));
        QCOMPARE(messages.takeOne(), QStringLiteral("计算结果无效，请检查输入的数据"));
        QCOMPARE(output(w), QString());  // emptied, as after the input message
        choose(w, 2);  // an option does not bring the old volume back, and says nothing
        QCOMPARE(output(w), QString());
        QVERIFY(messages.texts.isEmpty());
        fill(w, {"1e999", "1"});  // an infinite input
        click(w, QStringLiteral("Command2"));
        QCOMPARE(messages.takeOne(), QStringLiteral("计算结果无效，请检查输入的数据"));
    }

    void tinyAndHugeVolumesUseExponentForm() {
        QWidget *w = openVolumeScreen(QStringLiteral("球体体积计算"));
        type(w, QStringLiteral("Text1"), QStringLiteral("1"));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(output(w), QStringLiteral("5.23598775666667E-10"));
        choose(w, 2);
        QCOMPARE(output(w), QStringLiteral("0.00"));
        type(w, QStringLiteral("Text1"), QStringLiteral("-1"));
        choose(w, 3);
        QCOMPARE(output(w), QStringLiteral("0.000"));  // never -0.000
    }
};

QTEST_MAIN(VolumeScreens)
#include "gui_volume_screens.moc"
