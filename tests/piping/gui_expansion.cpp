// Pipe thermal expansion through its real window, with both calculation sheets read back.
#include <QDir>
#include <QFile>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

QWidget *openExpansion() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label4"));
    return window(QStringLiteral("管子膨胀量计算"));
}

void fill(QWidget *w, const QString &t2, const QString &t1, const QString &L) {
    type(w, "Text1", t2);
    type(w, "Text2", t1);
    type(w, "Text3", L);
}

QByteArray contents(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QString kFormula = QStringLiteral("△L=10^(-5)×[1118(t2-t1)+0.526(t2-t1)^2]×L");

// The sheet for the texts on screen: t2, t1, L, Δt, ΔL and the name.
QMap<QString, QString> chineseSheet(const QString &t2, const QString &t1, const QString &L, const QString &dt,
                                    const QString &dL, const QString &name) {
    return {{"B7", kFormula},
            {"B8", "式中："},
            {"C8", "△L--膨胀量，mm"},
            {"C9", "t2--管子的最高温度，℃"},
            {"C10", "t1--管子的最低温度，℃"},
            {"C11", "L---管子的计算长度，m"},
            {"B13", "△L="},
            {"B12", "t2-t1="},
            {"C12", dt + "℃"},
            {"B15", "注："},
            {"B16", "1、公式引用于国防工业出版社《船舶设计实用手册》轮机分册，第631页。"},
            {"B17", "2、管子的最低温度可用技术规格书中规定的航区最低温度。"},
            {"C3", name + "膨胀量计算"},
            {"B35", "设计："},
            {"E35", "校对："},
            {"H35", "时间："},
            {"F9", t2 + "℃"},
            {"F10", t1 + "℃"},
            {"F11", L + "m"},
            {"C13", dL + "mm"}};
}

QMap<QString, QString> englishSheet(const QString &t2, const QString &t1, const QString &L, const QString &dt,
                                    const QString &dL, const QString &name) {
    return {{"B7", kFormula},
            {"B8", "Where："},
            {"C8", "△L--EXPANSION (mm)"},
            {"C9", "t2--PIPE MAX.TEMP. (℃)"},
            {"C10", "t1--PIPE MIN.TEMP. (℃)"},
            {"C11", "L---PIPE LENGTH (m)"},
            {"B13", "△L="},
            {"B12", "t2-t1="},
            {"C12", dt + "℃"},
            {"B15", "NOTE："},
            {"B16", "1、FORMULA COME FROM NATIONAL DEFENCE INDUSTRY PUBLISHING COMPANY"},
            {"B17", "《MARINE DESIGN HANDBOOK》MECHANICAL PART，PAGE631."},
            {"B18", "2、PIPE MIN.TEMP.IS THE SAIL AREA MIN.TEMP IN TECHNICAL SPECIFICATION"},
            {"B3", " " + name + " EXPANSION CALCULATION"},
            {"B35", "DESIGNED："},
            {"E35", "CHECKED："},
            {"H35", "DATE："},
            {"F9", t2 + "℃"},
            {"F10", t1 + "℃"},
            {"F11", L + "m"},
            {"C13", dL + "mm"}};
}

const QMap<QString, SheetFont> kTitleFont = fontBlock("A3:E3", {QStringLiteral("黑体"), true, 18});

}  // namespace

class Expansion : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensBlankWithTheNameAndTwoDecimals() {
        QWidget *w = openExpansion();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("管子膨胀量计算"));
        for (const char *f : {"Text1", "Text2", "Text3", "Text4", "Text6"}) QCOMPARE(text(w, f), QString());
        QCOMPARE(text(w, "Text5"), QStringLiteral("1100TUE-9排气管"));
        QCOMPARE(text(w, "Label10"), QStringLiteral("膨胀量值小数位数"));
        QVERIFY(control<QRadioButton>(w, "Option2")->isChecked());
        QVERIFY(!w->findChild<QRadioButton *>("Option4"));
        QCOMPARE(w->focusWidget(), w->findChild<QWidget *>("Text1"));
    }

    void expansionOfTheWorkedExamples_data() {
        QTest::addColumn<QStringList>("inputs");  // t2, t1, L
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("dt");
        QTest::addColumn<QString>("dL");
        QTest::newRow("300/-20/10") << QStringList{"300", "-20", "10"} << 2 << "320" << "41.16";
        QTest::newRow("one decimal") << QStringList{"300", "-20", "10"} << 1 << "320" << "41.2";
        QTest::newRow("three decimals") << QStringList{"300", "-20", "10"} << 3 << "320" << "41.162";
        QTest::newRow("100/20/6") << QStringList{"100", "20", "6"} << 2 << "80" << "5.57";
        QTest::newRow("all empty") << QStringList{"", "", ""} << 2 << "0" << "0.00";
        QTest::newRow("t2 below t1") << QStringList{"20", "100", "6"} << 3 << "-80" << "-5.164";
    }
    void expansionOfTheWorkedExamples() {
        QFETCH(QStringList, inputs);
        QFETCH(int, option);
        QFETCH(QString, dt);
        QFETCH(QString, dL);
        Messages messages;
        QWidget *w = openExpansion();
        fill(w, inputs[0], inputs[1], inputs[2]);
        if (option != 2) click(w, QStringLiteral("Option%1").arg(option));
        click(w, "Command2");
        QCOMPARE(text(w, "Text6"), dt);
        QCOMPARE(text(w, "Text4"), dL);
        QVERIFY(messages.texts.isEmpty());
    }

    void anOptionRecomputesAndClearKeepsTheName() {
        QWidget *w = openExpansion();
        fill(w, "300", "-20", "10");
        click(w, "Command2");
        type(w, "Text3", "20");
        click(w, "Option3");
        QCOMPARE(text(w, "Text4"), QStringLiteral("82.324"));
        type(w, "Text5", "40000CDWT-1/2排气管");
        click(w, "Command6");
        for (const char *f : {"Text1", "Text2", "Text3", "Text4", "Text6"}) QCOMPARE(text(w, f), QString());
        QCOMPARE(text(w, "Text5"), QStringLiteral("40000CDWT-1/2排气管"));
        QVERIFY(control<QRadioButton>(w, "Option3")->isChecked());
        click(w, "Command1");
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
    }

    void anOverflowIsReportedAndShowsNothing() {
        Messages messages;
        QWidget *w = openExpansion();
        fill(w, "300", "-20", "10");
        click(w, "Command2");
        fill(w, "1e200", "-1e200", "1");
        click(w, "Command2");
        QCOMPARE(messages.takeOne(), QStringLiteral("计算结果无效，请检查输入的数据"));
        QCOMPARE(text(w, "Text4"), QString());
        QCOMPARE(text(w, "Text6"), QString());
    }

    void bothSheetsHoldTheScreensTexts() {
        Home home;
        Messages messages;
        QWidget *w = openExpansion();
        fill(w, "300", "-20", "10");
        click(w, "Command2");
        click(w, "Command4");
        click(w, "Command5");
        QVERIFY(messages.texts.isEmpty());
        const QStringList files = home.opened;  // in the order written, each opened once complete
        QCOMPARE(files.size(), 2);
        QCOMPARE(home.sheets(), (QStringList{files[1], files[0]}));  // "… (2).xlsx" sorts first
        for (const QString &f : files) {
            QVERIFY2(QFileInfo(f).fileName().startsWith(QStringLiteral("管子膨胀量计算 2")), qPrintable(f));
            QVERIFY(f.endsWith(QStringLiteral(".xlsx")));
        }
        const QString name = QStringLiteral("1100TUE-9排气管");
        QString diff = compareSheet(files[0], chineseSheet("300", "-20", "10", "320", "41.16", name), kTitleFont);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        diff = compareSheet(files[1], englishSheet("300", "-20", "10", "320", "41.16", name), kTitleFont);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void aSheetBeforeAnyCalculationWithNoName() {
        Home home;
        QWidget *w = openExpansion();
        type(w, "Text5", "");
        click(w, "Command4");
        click(w, "Command5");
        const QStringList files = home.opened;
        QCOMPARE(files.size(), 2);
        QString diff = compareSheet(files[0], chineseSheet("", "", "", "", "", ""), kTitleFont);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        diff = compareSheet(files[1], englishSheet("", "", "", "", "", ""), kTitleFont);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }

    void aNameWithASlashStaysInTheSheetNotTheFileName() {
        Home home;
        QWidget *w = openExpansion();
        type(w, "Text5", "40000CDWT-1/2 ../排气管");
        click(w, "Command4");
        const QStringList files = home.sheets();
        QCOMPARE(files.size(), 1);
        QVERIFY(QFileInfo(files[0]).fileName().startsWith(QStringLiteral("管子膨胀量计算 ")));
        QVERIFY(compareSheet(files[0], chineseSheet("", "", "", "", "", "40000CDWT-1/2 ../排气管"), kTitleFont).isEmpty());
    }

    void aSecondExportNeverTouchesTheFirst() {
        Home home;
        QWidget *w = openExpansion();
        click(w, "Command4");
        const QString first = home.opened.value(0);
        const QByteArray before = contents(first);
        QVERIFY(!before.isEmpty());
        fill(w, "300", "-20", "10");
        click(w, "Command2");
        click(w, "Command4");  // within the same second: " (2)", then " (3)"
        click(w, "Command4");
        QCOMPARE(home.sheets().size(), 3);
        QCOMPARE(QSet<QString>(home.opened.begin(), home.opened.end()).size(), 3);
        QCOMPARE(contents(first), before);
    }

    void anUnwritableFolderIsToldAndLeavesNoFile() {
        Home home;
        Messages messages;
        QWidget *w = openExpansion();
        fill(w, "300", "-20", "10");
        click(w, "Command2");
        // A file where the folder should be: even root cannot write into it.
        QDir().mkpath(QFileInfo(home.sheetFolder()).path());
        QFile blocker(home.sheetFolder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        click(w, "Command4");
        const QString shown = messages.takeOne();
        QVERIFY2(shown.startsWith(QStringLiteral("计算书无法保存：") + home.sheetFolder()), qPrintable(shown));
        QVERIFY(shown.size() > QStringLiteral("计算书无法保存：").size() + home.sheetFolder().size() + 10);  // with its reason
        QVERIFY(home.opened.isEmpty());
        QCOMPARE(QDir(QFileInfo(home.sheetFolder()).path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
                 QStringList{QFileInfo(home.sheetFolder()).fileName()});
        QCOMPARE(text(w, "Text4"), QStringLiteral("41.16"));
        QCOMPARE(text(w, "Text5"), QStringLiteral("1100TUE-9排气管"));
    }

    void aSheetNothingOpensIsToldWhereItIs() {
        Home home(false);
        Messages messages;
        QWidget *w = openExpansion();
        click(w, "Command5");
        QCOMPARE(home.sheets().size(), 1);
        QCOMPARE(messages.takeOne(), QStringLiteral("计算书已保存到：") + home.sheets().first());
    }
};

QTEST_MAIN(Expansion)
#include "gui_expansion.moc"
