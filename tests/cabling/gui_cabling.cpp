// The cable tray width and the cable frame, tube and box estimates through their real windows:
// the tray screen from the main menu, the three fitting screens from the cable fitting menu.
#include <QApplication>
#include <QComboBox>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kTray = QStringLiteral("电缆托架宽度估算");
const QString kFrame = QStringLiteral("电缆框估算");
const QString kTube = QStringLiteral("电缆筒估算");
const QString kBox = QStringLiteral("电缆盒估算");
const QString kOneType = QStringLiteral("单种型号电缆");

QString d(int i) { return QStringLiteral("Text1(%1)").arg(i); }
QString c(int i) { return QStringLiteral("Text2(%1)").arg(i); }

QWidget *openScreen(const QString &screen) {
    QWidget *menu = hanhai::shell::openStartWindow();
    if (screen == kTray) {
        click(menu, "Label20");
        return window(screen);
    }
    click(menu, "Label21");
    click(window("电缆框电缆筒电缆盒估算"), screen == kFrame ? "Label2" : screen == kTube ? "Label3" : "Label4");
    return window(screen);
}

// How many rows are shown from the first; every control of a row shows or hides with it.
int shownRows(QWidget *w) {
    int shown = 0;
    for (int i = 0; i < 10; ++i) {
        const bool visible = control(w, d(i))->isVisible();
        for (const char *part : {"Label1(%1)", "Label2(%1)", "Text2(%1)", "Label3(%1)"})
            if (control(w, QString(part).arg(i))->isVisible() != visible) qWarning("row %d is shown only in part", i + 1);
        if (visible && shown == i) ++shown;
    }
    return shown;
}

// Diameter and count of each row from the first, as typed: "D c".
void fillRows(QWidget *w, const QStringList &rows) {
    for (int i = 0; i < rows.size(); ++i) {
        type(w, d(i), rows[i].section(' ', 0, 0));
        type(w, c(i), rows[i].section(' ', 1, 1));
    }
}

QStringList rowTexts(QWidget *w) {
    QStringList out;
    for (int i = 0; i < 10; ++i) out << text(w, d(i)) + '|' + text(w, c(i));
    return out;
}

// Picks an entry of a drop-down, or types any other text into it.
void choose(QWidget *w, const QString &combo, const QString &entry) {
    auto *box = control<QComboBox>(w, combo);
    if (box->currentText() == entry) return;
    if (box->findText(entry, Qt::MatchExactly) >= 0) {
        pick(w, combo, entry);
        return;
    }
    box->lineEdit()->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    typeText(box->lineEdit(), entry);
}

void everyScreen() {
    QTest::addColumn<QString>("screen");
    for (const QString &s : {kTray, kFrame, kTube, kBox}) QTest::newRow(qPrintable(s)) << s;
}

}  // namespace

class CableScreens : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensWithOneRowOfOneCable_data() { everyScreen(); }
    void opensWithOneRowOfOneCable() {
        QFETCH(QString, screen);
        QWidget *w = openScreen(screen);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), screen);
        QCOMPARE(shownRows(w), 1);
        QCOMPARE(rowTexts(w), QStringList{"|1"} + QStringList(9, "|"));
        QCOMPARE(text(w, "Label1(9)"), QStringLiteral("电缆10最大外径D："));
        QCOMPARE(comboText(w, "Combo1"), kOneType);
        QCOMPARE(control<QComboBox>(w, "Combo1")->itemText(9), QStringLiteral("10种不同型号电缆"));
        QCOMPARE(QApplication::focusWidget()->objectName(), d(0));
        QVERIFY(!w->findChild<QRadioButton *>());  // whole widths and two decimals only
        if (screen == kTray) {
            QCOMPARE(text(w, "Text3"), QStringLiteral("1"));
            return;
        }
        const QString noun = screen.left(3), prompt = "请选择" + noun + "的高度H";
        QCOMPARE(text(w, "Label8"), prompt);
        QCOMPARE(comboText(w, "Combo2"), prompt);
        QStringList heights;
        for (int i = 0; i < control<QComboBox>(w, "Combo2")->count(); ++i) heights << control<QComboBox>(w, "Combo2")->itemText(i);
        QCOMPARE(heights.join(' '), screen == kFrame ? "H=40 H=75 H=150" : screen == kTube ? "H=250 H=450" : "H=215 H=300");
        QCOMPARE(text(w, "Label26"), noun + "面积估算值：");
        QCOMPARE(text(w, "Label24"), "本程序主要用于估算10种及以内的电缆所需要的" + noun + "面积及选型，参照CB/T3667.1-1995进行选型。");
    }

    // Picking k types empties the rows and the estimate, not the designations nor the tray
    // width, and shows k rows of one cable; Tab runs down them, each diameter then its count.
    void pickingTypesShowsThatManyRows_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("k");
        QTest::newRow("tray, 3") << kTray << 3;
        QTest::newRow("tray, 10") << kTray << 10;
        QTest::newRow("frame, 2") << kFrame << 2;
    }
    void pickingTypesShowsThatManyRows() {
        QFETCH(QString, screen);
        QFETCH(int, k);
        Messages messages;
        QWidget *w = openScreen(screen);
        fillRows(w, {"10 10"});
        if (screen == kFrame) {
            type(w, "Text5", "150");
            pick(w, "Combo2", "H=75");
        }
        click(w, "Command2");
        QCOMPARE(text(w, "Text4"), screen == kTray ? "150" : "2000.00");
        pick(w, "Combo1", control<QComboBox>(w, "Combo1")->itemText(k - 1));
        QCOMPARE(shownRows(w), k);
        QCOMPARE(rowTexts(w), QStringList(k, "|1") + QStringList(10 - k, "|"));
        QCOMPARE(text(w, "Text4"), QString());
        if (screen == kFrame) QCOMPARE(text(w, "Text3") + text(w, "Text5"), QStringLiteral("YK50x75 CB/T3667.1-1995150"));

        QApplication::setActiveWindow(w);  // the offscreen platform leaves the closed list active
        control<QWidget>(w, d(0))->setFocus();
        QStringList order;
        for (int i = 0; i <= 2 * k; ++i, QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab))
            order << QApplication::focusWidget()->objectName();
        QCOMPARE(order.last(), QStringLiteral("Combo1"));
        for (int i = 0; i < k; ++i) QCOMPARE(order.mid(2 * i, 2), (QStringList{d(i), c(i)}));
        QCOMPARE(messages.texts, QStringList());
    }

    // Each case follows a first estimate of 10 cables of 10 mm (on the fittings' screens for a
    // tray of 150 at the second height), which stays wherever the estimate stops before writing.
    void estimates_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("types");
        QTest::addColumn<QString>("rows");     // "D c" each, ";" between rows
        QTest::addColumn<QString>("number");   // S on the tray screen, the tray width elsewhere
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("results");  // Text4 | Text3 (标准号A) | Text6 (标准号B)
        QTest::addColumn<QString>("message");
        const QString two = QStringLiteral("2种不同型号电缆"), before = "|YK50x75 CB/T3667.1-1995|TK100x40x75 CB/T3667.1-1995";
        const QString cb = " CB/T3667.1-1995";
        QTest::newRow("tray, two types") << kTray << two << "10 4;12 3" << "2" << "" << "200" << "";
        QTest::newRow("tray, as typed") << kTray << kOneType << "30mm 20根" << "3束" << "" << "400" << "";
        QTest::newRow("tray, flat bar") << kTray << kOneType << "15 5" << "1" << "" << "150" << "电缆数量太少，不需要用托架，请改用扁铁条";
        QTest::newRow("tray, third diameter") << kTray << "3种不同型号电缆" << "10 10;10 10;abc 1" << "1" << "" << ""
                                              << "请检查电缆的最大外径是否输入正确";
        QTest::newRow("tray, typed types") << kTray << "3种" << "10 10" << "1" << "" << "" << "请先选择电缆型号的数量";
        QTest::newRow("tray, beyond range") << kTray << kOneType << "1e308 10" << "1" << "" << "150" << "计算结果无效，请检查输入的数据";
        QTest::newRow("frame, two types") << kFrame << two << "10 5;20 2" << "150" << "H=150"
                                          << "2600.00|YK70x150" + cb + "|TK100x40x150" + cb << "";
        QTest::newRow("frame, too low for tray 300") << kFrame << kOneType << "30 10" << "300mm" << "H=40" << "18000.00" + before
                                                     << "选择的电缆框高度不对，应选择H=75或H=150";
        QTest::newRow("frame, nothing fits") << kFrame << kOneType << "50 20" << "150" << "H=75" << "100000.00|无|无"
                                             << "无法用L=150的电缆框，本程序无法计算，请凭经验选其它长度的电缆框";
        QTest::newRow("frame, tray 250") << kFrame << kOneType << "20 10" << "250" << "H=75" << "8000.00" + before
                                         << "输入的托架宽度不对，请正确输入托架的宽度，本程序只适用于宽度为150或200或300或400或500或600的单层或双层托架的估算";
        QTest::newRow("frame, typed types") << kFrame << "abc" << "20 10" << "150" << "H=75" << before << "请先选择电缆型号的数量";
        QTest::newRow("frame, beyond range") << kFrame << kOneType << "1e200 1" << "150" << "H=75" << "2000.00" + before
                                             << "计算结果无效，请检查输入的数据";
        QTest::newRow("tube, both series") << kTube << kOneType << "10 5" << "150" << "H=450"
                                           << "1666.67|HT150x40x450" + cb + "|HT100x55x450" + cb << "";
        QTest::newRow("tube, a typed height") << kTube << kOneType << "20 10" << "150" << "H=40" << "13333.33|HT150x55x450" + cb + "|无"
                                              << "请先选择电缆筒的高度H";
        QTest::newRow("box, widest tray") << kBox << kOneType << "100 3" << "600" << "H=215"
                                          << "100000.00|仿BH800x170x215" + cb + "|仿BH700x200x215" + cb << "";
    }
    void estimates() {
        QFETCH(QString, screen);
        QFETCH(QString, types);
        QFETCH(QString, rows);
        QFETCH(QString, number);
        QFETCH(QString, height);
        QFETCH(QString, results);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = openScreen(screen);
        const QString input = screen == kTray ? "Text3" : "Text5";
        fillRows(w, {"10 10"});
        if (screen != kTray) {
            type(w, input, "150");
            pick(w, "Combo2", control<QComboBox>(w, "Combo2")->itemText(1));
        }
        click(w, "Command2");
        QCOMPARE(messages.texts, QStringList());
        choose(w, "Combo1", types);
        fillRows(w, rows.split(';'));
        if (screen != kTray) choose(w, "Combo2", height);
        type(w, input, number);
        QTest::keyClick(control<QWidget>(w, input), Qt::Key_Return);  // Enter calculates
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList() : QStringList{message});
        const QStringList shown = {text(w, "Text4"), text(w, "Text3"), screen == kTray ? QString() : text(w, "Text6")};
        QCOMPARE(screen == kTray ? shown.first() : shown.join('|'), results);
    }

    // Clearing empties the rows and the results (and the tray width), not the lists, the shown
    // rows or the bundles; back returns to the main menu.
    void clearThenBack_data() { everyScreen(); }
    void clearThenBack() {
        QFETCH(QString, screen);
        QWidget *w = openScreen(screen);
        pick(w, "Combo1", "2种不同型号电缆");
        fillRows(w, {"10 4", "12 3"});
        const QString results = screen == kTray ? "Text4" : "Text4 Text3 Text6 Text5";
        if (screen == kTray) {
            type(w, "Text3", "2");
        } else {
            type(w, "Text5", "200");
            pick(w, "Combo2", control<QComboBox>(w, "Combo2")->itemText(0));
        }
        click(w, "Command2");
        for (const QString &f : results.split(' ')) QVERIFY(!text(w, f).isEmpty());
        click(w, "Command1");
        QCOMPARE(rowTexts(w), QStringList(10, "|"));
        for (const QString &f : results.split(' ')) QCOMPARE(text(w, f), QString());
        QCOMPARE(shownRows(w), 2);
        QCOMPARE(comboText(w, "Combo1"), QStringLiteral("2种不同型号电缆"));
        if (screen == kTray) QCOMPARE(text(w, "Text3"), QStringLiteral("2"));
        else QVERIFY(comboText(w, "Combo2").startsWith("H="));
        click(w, "Command4");
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
    }
};

QTEST_MAIN(CableScreens)
#include "gui_cabling.moc"
