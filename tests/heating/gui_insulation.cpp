// Pipe and tank insulation through their real windows, opened from the insulation menu.
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextLayout>

#include <algorithm>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kPipe = QStringLiteral("管子绝热包扎计算");
const QString kTank = QStringLiteral("舱柜绝热包扎计算");

QWidget *open(const QString &screen) {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label11"));
    click(window(QStringLiteral("绝热计算")), screen == kPipe ? QStringLiteral("Label2") : QStringLiteral("Label3"));
    return window(screen);
}

// Field and text in turn.
void fill(QWidget *w, const QStringList &pairs) {
    for (int i = 0; i + 1 < pairs.size(); i += 2) type(w, pairs[i], pairs[i + 1]);
}

const QString kSameTemperature = QStringLiteral("环境温度不能与包扎后的温度为同一值");
const QString kAmbient = QStringLiteral("环境温度请输入0~45度内");
const QString kDiameter = QStringLiteral("输入的管子外径有误   ");
const QString kNoThickness = QStringLiteral("在计算范围内找不到满足条件的包扎厚度，请检查输入的数据");
const QString kInvalid = QStringLiteral("计算结果无效，请检查输入的数据");

// The worked example of the pipe: B = 114.7, the search stops at D = 259.46.
const QStringList kPipeExample = {"Text1", "0.074", "Text2", "20", "Text3", "200", "Text4", "50", "Text5", "45", "Text6", "108"};

}  // namespace

class Insulation : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensWithTheDesignTexts_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("initial");  // field and design text in turn, shown red and centred
        QTest::addColumn<QStringList>("empty");
        QTest::addColumn<QString>("frame");        // the picture's frame
        QTest::newRow("pipe") << kPipe << QStringList{"Text1", "0.074", "Text2", "20", "Text4", "50", "Text5", "45"}
                              << QStringList{"Text3", "Text6", "Text7"} << QStringLiteral("估算公式：");
        QTest::newRow("tank") << kTank << QStringList{"Text1", "4.5", "Text4", "50", "Text2", "90"}
                              << QStringList{"Text3", "Text7"} << QStringLiteral("说明：");
    }
    void opensWithTheDesignTexts() {
        QFETCH(QString, screen);
        QFETCH(QStringList, initial);
        QFETCH(QStringList, empty);
        QFETCH(QString, frame);
        QWidget *w = open(screen);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), screen);
        QCOMPARE(text(w, "Label1"), screen);
        for (int i = 0; i + 1 < initial.size(); i += 2) {
            QCOMPARE(text(w, initial[i]), initial[i + 1]);
            auto *e = control<QLineEdit>(w, initial[i]);
            QVERIFY(e->alignment() & Qt::AlignHCenter);
            QCOMPARE(e->palette().color(QPalette::Text), QColor(Qt::red));
        }
        for (const QString &f : empty) QCOMPARE(text(w, f), QString());
        QCOMPARE(control<QGroupBox>(w, "Frame1")->title(), frame);
        QCOMPARE(control<QPushButton>(w, "Command2")->text(), QStringLiteral("计算结果"));
        QCOMPARE(control<QPushButton>(w, "Command1")->text(), QStringLiteral("清   除"));
        QVERIFY(!w->findChild<QWidget *>("Option1"));  // always two decimals
    }

    // The notes keep their texts whole and break where the blanks stand.
    void pipeNotesBreakAtTheirBlanks() {
        QWidget *w = open(kPipe);
        const QStringList notes = {QStringLiteral("1、公式及参考值参照《船舶设计实用手册》轮机分     册P612-P614，国防工业出版社出版。"),
                                   QStringLiteral("2、程序中所列出的公式为估算公式，因此计算结果     仅供参考。")};
        for (int i = 0; i < notes.size(); ++i) {
            auto *l = control<QLabel>(w, QStringLiteral("Label%1").arg(7 + i));
            QCOMPARE(l->text(), notes[i]);
            QVERIFY(l->wordWrap());
            // the lines the label lays out in its width
            QTextLayout layout(notes[i], l->font());
            QTextOption option;
            option.setWrapMode(QTextOption::WordWrap);
            layout.setTextOption(option);
            QStringList lines;
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(l->contentsRect().width());
                lines << notes[i].mid(line.textStart(), line.textLength());
            }
            layout.endLayout();
            QCOMPARE(lines.size(), 2);
            QVERIFY2(lines[0].endsWith(QStringLiteral("     ")), qPrintable(lines[0]));
            QCOMPARE(lines[0] + lines[1], notes[i]);
        }
        QCOMPARE(control<QGroupBox>(w, "Frame2")->title(), QStringLiteral("说明"));
    }

    // From the worked example's 75.73, the inputs changed: a new thickness, or a message and the
    // old thickness kept.
    void pipeThickness_data() {
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        const QString none, kept = QStringLiteral("75.73");
        QTest::newRow("cold ambient") << QStringList{"Text5", "-10"} << none << "10.92";
        QTest::newRow("hotter and thinner pipe") << QStringList{"Text1", "0.08", "Text2", "10", "Text3", "350", "Text5", "35", "Text6", "60"}
                                                 << none << "90.27";
        QTest::newRow("tp and D0 empty") << QStringList{"Text3", "", "Text6", ""} << kDiameter << kept;
        QTest::newRow("D0 negative") << QStringList{"Text6", "-108"} << kDiameter << kept;
        QTest::newRow("ambient 45.5") << QStringList{"Text5", "45.5"} << kAmbient << kept;
        QTest::newRow("ambient before diameter") << QStringList{"Text5", "46", "Text6", ""} << kAmbient << kept;
        QTest::newRow("tis = ta") << QStringList{"Text4", "45"} << kSameTemperature << kept;
        QTest::newRow("tis = ta before ambient") << QStringList{"Text4", "50", "Text5", "50"} << kSameTemperature << kept;
        QTest::newRow("medium colder than the air") << QStringList{"Text3", "30"} << kNoThickness << kept;
        QTest::newRow("root beyond the grid") << QStringList{"Text1", "1e6", "Text2", "0.001"} << kNoThickness << kept;
        QTest::newRow("pipe beyond the grid") << QStringList{"Text6", "120000"} << kNoThickness << kept;
        QTest::newRow("his empty") << QStringList{"Text2", ""} << kInvalid << kept;
    }
    void pipeThickness() {
        QFETCH(QStringList, edits);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        Messages messages;
        QWidget *w = open(kPipe);
        fill(w, kPipeExample);
        click(w, "Command2");
        QCOMPARE(text(w, "Text7"), QStringLiteral("75.73"));
        QVERIFY(messages.texts.isEmpty());
        fill(w, edits);
        click(w, "Command2");
        if (message.isEmpty()) QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(" | ")));
        else QCOMPARE(messages.takeOne(), message);
        QCOMPARE(text(w, "Text7"), shown);
    }

    void tankSurfaceTemperature_data() {
        QTest::addColumn<QStringList>("edits");  // over the design texts α 4.5, δ 50, t1 90
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("worked example") << QStringList{"Text3", "20"} << QString() << "27.94";
        QTest::newRow("ambient empty") << QStringList{} << QString() << "10.20";
        QTest::newRow("alpha 0") << QStringList{"Text1", "0", "Text3", "20"} << QString() << "90.00";
        QTest::newRow("overflow") << QStringList{"Text3", "1e308"} << kInvalid << "";
    }
    void tankSurfaceTemperature() {
        QFETCH(QStringList, edits);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        Messages messages;
        QWidget *w = open(kTank);
        type(w, "Text7", "12.34");  // a result standing from before
        fill(w, edits);
        click(w, "Command2");
        if (message.isEmpty()) QVERIFY(messages.texts.isEmpty());
        else QCOMPARE(messages.takeOne(), message);
        QCOMPARE(text(w, "Text7"), shown);
    }

    void clearEmptiesOnlyTheFieldsWithoutDesignTexts_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("emptied");
        QTest::newRow("pipe") << kPipe << QStringList{"Text1", "0.08", "Text2", "10", "Text3", "350", "Text4", "50", "Text5", "35", "Text6", "60"}
                              << QStringList{"Text3", "Text6", "Text7"};
        QTest::newRow("tank") << kTank << QStringList{"Text1", "5", "Text4", "40", "Text2", "80", "Text3", "20"}
                              << QStringList{"Text3", "Text7"};
    }
    void clearEmptiesOnlyTheFieldsWithoutDesignTexts() {
        QFETCH(QString, screen);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, emptied);
        QWidget *w = open(screen);
        fill(w, typed);
        click(w, "Command2");
        QVERIFY(!text(w, "Text7").isEmpty());
        click(w, "Command1");
        for (int i = 0; i + 1 < typed.size(); i += 2)
            QCOMPARE(text(w, typed[i]), emptied.contains(typed[i]) ? QString() : typed[i + 1]);
        QCOMPARE(text(w, "Text7"), QString());
    }

    void backReturnsToTheMainMenu_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("pipe") << kPipe;
        QTest::newRow("tank") << kTank;
    }
    void backReturnsToTheMainMenu() {
        QFETCH(QString, screen);
        QWidget *w = open(screen);
        QCOMPARE(control<QPushButton>(w, "Command4")->text(), QStringLiteral("返回主界面 BACK UP"));
        click(w, "Command4");
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
    }

    // The search answers for ten million diameters when none qualifies; a click still answers at once.
    void aClickWithoutADiameterAnswersWithinAFrame() {
        Messages messages;
        QWidget *w = open(kPipe);
        fill(w, kPipeExample);
        type(w, "Text3", "30");
        qint64 fastest = 1000;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer clock;
            clock.start();
            click(w, "Command2");
            fastest = std::min(fastest, clock.elapsed());
            QCOMPARE(messages.takeOne(), kNoThickness);
        }
        QVERIFY2(fastest < 16, qPrintable(QString::number(fastest)));
    }
};

QTEST_MAIN(Insulation)
#include "gui_insulation.moc"
