// Bolt tightening torque through its real window: the two torques, the thread message, and the
// link to the thread pitches with its hover.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kName = QStringLiteral("螺栓扭力计算");
const QString kThreads = QStringLiteral("常用螺纹规格");
const QString kThreadData = QStringLiteral("输入的螺纹数据有误");
const QString kInvalid = QStringLiteral("计算结果无效，请检查输入的数据");

QWidget *openBolts() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label17"));
    return window(kName);
}

void fill(QWidget *w, const QStringList &texts) {
    for (int i = 0; i < texts.size(); ++i) type(w, QStringLiteral("Text%1").arg(i + 1), texts[i]);
}

QString fields(QWidget *w) {
    QStringList texts;
    for (int i = 1; i <= 5; ++i) texts << text(w, QStringLiteral("Text%1").arg(i));
    return texts.join('|');
}

}  // namespace

class BoltScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensEmptyBesideTheMaterials() {
        QWidget *w = openBolts();
        QVERIFY(w);
        QCOMPARE(w->windowTitle() + text(w, "Label1"), kName + kName);
        QCOMPARE(fields(w), QStringLiteral("||||"));
        QVERIFY(!w->findChild<QRadioButton *>());  // always two decimals
        QStringList labels;
        for (QLabel *l : w->findChildren<QLabel *>()) labels << l->text();
        for (const char *caption : {"螺栓规格-d ", "屈服强度-σs ", "扭  力", "实际选用扭力：", "MPa", "N.m"})
            QVERIFY2(labels.contains(QString::fromUtf8(caption)), caption);
        QCOMPARE(control<QAbstractButton>(w, "Command1")->text(), QStringLiteral("清  除"));
        QCOMPARE(control<QGroupBox>(w, "Frame1")->title(), QStringLiteral("机械性能："));
    }

    // Each row follows a first answer (19.08 and 13.36), which stays when a message comes.
    void torquesWithTwoDecimals_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("torques");
        QTest::addColumn<QString>("message");
        const QString first = QStringLiteral("19.08|13.36");
        QTest::newRow("M20 of class 8.8") << QStringList{"20", "2.5", "640"} << "438.67|307.07" << "";
        QTest::newRow("negative pitch") << QStringList{"20", "-2.5", "640"} << "702.76|491.93" << "";
        QTest::newRow("units and blanks typed") << QStringList{"20mm", "2. 5", "6 40MPa"} << "438.67|307.07" << "";
        QTest::newRow("rounds to nothing") << QStringList{"20", "2.5", "-1e-9"} << "0.00|0.00" << "";
        QTest::newRow("no diameter") << QStringList{"", "2.5", "640"} << first << kThreadData;
        QTest::newRow("size as a name") << QStringList{"M20", "2.5", "640"} << first << kThreadData;
        QTest::newRow("no strength") << QStringList{"20", "2.5", "abc"} << first << kThreadData;
        QTest::newRow("beyond range") << QStringList{"1e200", "2.5", "640"} << first << kInvalid;
        QTest::newRow("strength too small") << QStringList{"1e200", "2.5", "5e-324"} << first << kInvalid;
    }
    void torquesWithTwoDecimals() {
        QFETCH(QStringList, inputs);
        QFETCH(QString, torques);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = openBolts();
        fill(w, {"10", "1.5", "235"});
        click(w, "Command2");
        fill(w, inputs);
        click(w, "Command2");
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(fields(w).section('|', 3), torques);
    }

    void linkTurnsBoldRedUntilTheMouseReachesTheBackground() {
        QWidget *w = openBolts();
        auto *link = control<QLabel>(w, "Label11");
        QCOMPARE(link->text(), QStringLiteral("《查看常用螺纹规格》"));
        QCOMPARE(link->font().pointSizeF(), 18.0);
        auto look = [link] {
            return QStringLiteral("%1 %2").arg(link->font().bold() ? "bold" : "plain",
                                              link->palette().color(QPalette::WindowText).name());
        };
        QCOMPARE(look(), QStringLiteral("bold #008000"));
        moveOver(link);
        QCOMPARE(look(), QStringLiteral("bold #ff0000"));
        for (const char *other : {"Text1", "Command2", "Frame1", "Text5"}) {  // not the background
            moveOver(control<QWidget>(w, other));
            QCOMPARE(look(), QStringLiteral("bold #ff0000"));
        }
        moveOverBackground(w);
        QCOMPARE(look(), QStringLiteral("plain #008000"));
        moveOver(link);
        QCOMPARE(look(), QStringLiteral("bold #ff0000"));
    }

    void threadPitchesOpenOverTheScreenWhichKeepsItsFieldsUntilCleared() {
        QWidget *w = openBolts();
        fill(w, {"20", "2.5", "640"});
        click(w, "Command2");
        type(w, "Text2", "1.5");  // typed after the calculation
        const QString before = QStringLiteral("20|1.5|640|438.67|307.07");
        QCOMPARE(fields(w), before);

        click(w, "Label11");
        QWidget *page = window(kThreads);
        QVERIFY(page);
        click(w, "Label11");  // shown again, never twice
        QCOMPARE(window(kThreads), page);
        QCOMPARE(openWindowNames(), (QStringList{kThreads, kName}));
        QCOMPARE(fields(w), before);

        page->close();
        QCOMPARE(openWindowNames(), QStringList{kName});
        QCOMPARE(fields(w), before);
        click(w, "Command2");  // goes on with the pitch looked up
        QCOMPARE(fields(w), QStringLiteral("20|1.5|640|486.53|340.57"));
        click(w, "Command1");
        QCOMPARE(fields(w), QStringLiteral("||||"));
    }
};

QTEST_MAIN(BoltScreen)
#include "gui_bolts.moc"
