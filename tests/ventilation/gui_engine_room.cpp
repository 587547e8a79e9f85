// Engine room ventilation through its real window: the machinery boxes and their groups, the
// boiler positions, the calculation with its messages, and the heat loss charts.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <tuple>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kName = QStringLiteral("机舱通风风量计算");
const QString kUptake = QStringLiteral("机舱棚烟道内"), kInside = QStringLiteral("机舱非烟道内");
const QStringList kCompositeLoss = {"Label26", "Label27", "Label63", "Text1(4)"};
const QStringList kAuxiliaryLoss = {"Label28", "Label29", "Text1(5)"};
const QString kInvalid = QStringLiteral("计算结果无效，请检查输入的数据");

QWidget *openEngineRoom() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label18"));
    click(window(QStringLiteral("通风风量计算")), QStringLiteral("Label2"));
    return window(kName);
}

// "Check3" clicks, "Text1(0)=10000" types a field, "Combo2=text" types a list's own text and
// "Combo2:entry" picks the entry from the list.
void act(QWidget *w, const QStringList &steps) {
    for (const QString &step : steps) {
        const qsizetype typed = step.indexOf('='), picked = step.indexOf(':');
        if (picked > 0 && (typed < 0 || picked < typed)) {
            pick(w, step.left(picked), step.mid(picked + 1));
        } else if (typed > 0 && step.startsWith("Combo")) {
            QLineEdit *edit = control<QComboBox>(w, step.left(typed))->lineEdit();
            edit->setFocus();
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            typeText(edit, step.mid(typed + 1));
        } else if (typed > 0) {
            type(w, step.left(typed), step.mid(typed + 1));
        } else {
            click(w, step);
        }
    }
}

QStringList results(QWidget *w) { return {text(w, "Text201"), text(w, "Text202"), text(w, "Text203"), text(w, "Text204")}; }
bool shown(QWidget *w, const QString &name) { return control<QWidget>(w, name)->isVisibleTo(w); }
// 1: all shown, 0: all hidden (as far as their group allows)
int showing(QWidget *w, const QStringList &names) {
    int n = 0;
    for (const QString &c : names) n += !control<QWidget>(w, c)->isHidden();
    return n == names.size() ? 1 : n == 0 ? 0 : -1;
}

// Records each message with what Text203 shows when it comes: before or after the results.
struct MessagesAndTotal {
    explicit MessagesAndTotal(QWidget *w)
        : previous(hanhai::shell::setMessageSink([this, w](const QString &m) { seen << m + " | " + text(w, "Text203"); })) {}
    ~MessagesAndTotal() { hanhai::shell::setMessageSink(previous); }
    QStringList seen;
    hanhai::shell::MessageSink previous;
};

const QStringList kWorked = {"Check1", "Text1(0)=10000", "Text1(12)=30", "Text1(13)=0.1",
                             "Check2", "Text1(1)=1000", "Text1(2)=900", "Text1(14)=20", "Text1(15)=0.05",
                             "Check4", "Text1(6)=1000", "Text1(5)=2"};
const QStringList kWorkedResults = {"87087.60", "165964.463", "253052.063", "63263.01575"};

struct Item {
    QString check, frame, count, countStart;
    QList<int> details;
    QString list = {}, listStart = {};
};
const QList<Item> kItems = {
    {"Check1", "Frame3", "Text101", "1", {0, 12, 13}, "Combo2", "二冲程"},
    {"Check2", "Frame5", "Text102", "2", {1, 2, 14, 15}, "Combo1", "发电机风冷"},
    {"Check3", "Frame6", "Text105", "1", {3, 4, 18}, "Combo3", kUptake},
    {"Check4", "Frame8", "Text106", "1", {5, 6}, "Combo4", kInside},
    {"Check5", "Frame7", "Text103", "2", {7, 16, 17}},
    {"Check6", "Frame10", "Text104", "1", {9}},
    {"Check7", "Frame9", "Text107", "2", {8}},
    {"Check8", "Frame11", "Text108", "1", {10}},
    {"Check9", "Frame12", "Text109", "1", {11}},
};

}  // namespace

class EngineRoomScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    // Each box in turn, from the screen as it opens, with the main engine (or the generator sets)
    // ticked and filled beside it.
    void tickingShowsAGroupAndUntickingEmptiesIt() {
        for (const Item &item : kItems) {
            const Item &other = kItems[item.check == "Check1" ? 1 : 0];
            QWidget *w = openEngineRoom();
            QVERIFY(w->width() >= 820 && w->height() >= 650 && w->minimumSize() == w->maximumSize());
            QVERIFY(shown(w, "Frame1") && shown(w, "Frame4") && !shown(w, "Frame2") && !shown(w, item.frame));
            const QString list = item.list.isEmpty() ? QString() : comboText(w, item.list);
            QCOMPARE(text(w, item.count) + text(w, "Text2") + list, item.countStart + "4" + item.listStart);
            QVERIFY(!showing(w, kCompositeLoss) && showing(w, kAuxiliaryLoss) == 1);
            act(w, {other.check, QStringLiteral("Text1(%1)=55").arg(other.details[0]), item.check});
            if (!item.list.isEmpty()) act(w, {item.list + ":" + item.listStart, item.list + "=x"});
            for (int k : item.details) type(w, QStringLiteral("Text1(%1)").arg(k), "12");
            act(w, {item.count + "=7"});
            for (const Item &i : kItems) QCOMPARE(shown(w, i.frame), i.check == item.check || i.check == other.check);

            click(w, item.check);
            QVERIFY2(!shown(w, item.frame) && shown(w, other.frame), qPrintable(item.check));
            for (int k : item.details) QVERIFY(text(w, QStringLiteral("Text1(%1)").arg(k)).isEmpty());
            if (!item.list.isEmpty()) QCOMPARE(comboText(w, item.list), item.listStart);
            QCOMPARE(text(w, item.count), QStringLiteral("7"));
            QCOMPARE(text(w, QStringLiteral("Text1(%1)").arg(other.details[0])), QStringLiteral("55"));
            closeAll();
        }
    }

    void onlyChoosingAPositionShowsOrHidesTheHeatLoss() {
        Messages messages;
        for (const auto &[check, list, field, controls, start] :
             {std::tuple{"Check3", "Combo3", "Text1(4)", kCompositeLoss, kUptake},
              std::tuple{"Check4", "Combo4", "Text1(5)", kAuxiliaryLoss, kInside}}) {
            QWidget *w = openEngineRoom();
            act(w, {check, QStringLiteral("%1:%2").arg(list, kInside), QStringLiteral("%1=1.5").arg(field),
                    QStringLiteral("%1:%2").arg(list, kInside)});
            QCOMPARE(showing(w, controls), 1);
            QCOMPARE(text(w, field), QString());  // chosen again: emptied again
            act(w, {QStringLiteral("%1=1.5").arg(field), QStringLiteral("%1:%2").arg(list, kUptake)});
            QCOMPARE(showing(w, controls), 0);
            act(w, {QStringLiteral("%1=%2").arg(list, kInside)});
            QTest::keyClick(control<QComboBox>(w, list)->lineEdit(), Qt::Key_Return);  // computes, chooses nothing
            settle();
            QCOMPARE(showing(w, controls), 0);
            QCOMPARE(text(w, field), QStringLiteral("1.5"));
            QVERIFY(messages.texts.isEmpty() && shown(w, "Frame2"));  // the typed position counts, with the hidden 1.5

            const QString other = start == kUptake ? kInside : kUptake;
            act(w, {QStringLiteral("%1:%2").arg(list, other), check});  // unticking sets the text back, as no choice
            QCOMPARE(comboText(w, list), start);
            QCOMPARE(showing(w, controls), other == kInside ? 1 : 0);
            closeAll();
        }
    }

    void calculates_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing ticked") << QStringList{} << QStringList{} << QStringList{"0.00", "0", "0", "0"};
        QTest::newRow("worked example") << kWorked << QStringList{} << kWorkedResults;
        QTest::newRow("stroke typed, no fans")
            << kWorked + QStringList{"Combo2=三冲程", "Text2=0"} << QStringList{"主机的冲程未选择 | ", "机舱风机的台数 | 170074.312"}
            << QStringList{"13813.20", "156261.112", "170074.312", "0"};
        QTest::newRow("composite boiler inside without heat loss")
            << QStringList{"Check3", "Text1(3)=1500", "Text1(18)=2000", "Combo3:" + kInside}
            << QStringList{"请查表后输入热损失百分比Δhb/100 | "} << QStringList{"1605.60", "34826.539", "36432.139", "9108.03475"};
        QTest::newRow("everything") << kWorked + QStringList{"Combo1:发电机水冷", "Check3", "Text1(3)=1500", "Text1(18)=2000",
                                                            "Combo3:" + kInside, "Text1(4)=0.5", "Check5", "Text1(7)=150",
                                                            "Text1(17)=8", "Text1(16)=0.06", "Check7", "Text1(8)=180", "Check6",
                                                            "Text104=1.5台", "Text1(9)=60", "Check8", "Text1(10)=7500",
                                                            "Check9", "Text1(11)=800"}
                                    << QStringList{} << QStringList{"99712.80", "216948.072", "316660.872", "79165.218"};
    }
    void calculates() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, expected);
        QWidget *w = openEngineRoom();
        MessagesAndTotal shownMessages(w);
        act(w, steps + QStringList{"Command11"});
        QCOMPARE(shownMessages.seen, messages);
        QCOMPARE(results(w), expected);
        QVERIFY(shown(w, "Frame2"));
    }

    void aStopShowsNothingNewAndKeepsWhatWasShown() {
        Messages messages;
        QWidget *w = openEngineRoom();
        act(w, {"Check5", "Text1(7)=-1", "Text1(16)=1", "Command11"});  // the one rating nobody checks
        QCOMPARE(messages.takeOne(), kInvalid);
        QVERIFY(!shown(w, "Frame2"));
        const QList<QPair<QString, QString>> stops = {{"Text1(13)=", "主机排气管的热损失有误，请重新查表后输入正确值"},
                                                      {"Text1(15)=abc", "付机排气管的热损失有误，请重新查表后输入正确值"},
                                                      {"Check5", "液动单元柴油机排气管的热损失有误，请重新查表后输入正确值"},
                                                      {"Text1(0)=1e308", kInvalid}};
        for (const auto &[step, message] : stops) {
            closeAll();
            w = openEngineRoom();
            act(w, kWorked + QStringList{"Command11", step, "Command11"});
            QCOMPARE(messages.takeOne(), message);
            QCOMPARE(results(w), kWorkedResults);
        }
    }

    void clearEmptiesTheFieldsAndResultsOnly() {
        QWidget *w = openEngineRoom();
        act(w, kWorked + QStringList{"Check3", "Combo3:" + kInside, "Text1(4)=1", "Text102=3", "Combo2:四冲程"});
        act(w, {"Command11", "Command12"});
        for (int k = 0; k <= 18; ++k) QVERIFY(text(w, QStringLiteral("Text1(%1)").arg(k)).isEmpty());
        QCOMPARE(results(w), QStringList(4, QString()));
        QVERIFY(shown(w, "Frame2") && shown(w, "Frame3") && shown(w, "Frame6") && showing(w, kCompositeLoss) == 1);
        QCOMPARE(text(w, "Text102") + comboText(w, "Combo2") + comboText(w, "Combo3"), "3四冲程" + kInside);
    }

    void lookupLabelsOpenTheChartsOverTheScreen() {
        const QString boiler = QStringLiteral("锅炉热损失"), exhaust = QStringLiteral("排气管热损失");
        const QList<QPair<QString, QString>> labels = {
            {"Label48", exhaust}, {"Label49", exhaust}, {"Label55", exhaust}, {"Label28", boiler}, {"Label27", boiler}};
        QWidget *w = openEngineRoom();
        act(w, {"Check1", "Check2", "Check3", "Check4", "Check5", "Combo3:" + kInside, "Text1(7)=321"});
        for (const auto &[label, chart] : labels) {
            QCOMPARE(text(w, label), QStringLiteral("<查表>"));
            click(w, label);
            click(w, label);  // again: the same page, brought forward
            QStringList open = {kName, chart};
            open.sort();
            QCOMPARE(openWindowNames(), open);
            window(chart)->close();
        }
        QCOMPARE(openWindowNames(), QStringList{kName});
        QCOMPARE(text(w, "Text1(7)"), QStringLiteral("321"));
    }
};

QTEST_MAIN(EngineRoomScreen)
#include "gui_engine_room.moc"
