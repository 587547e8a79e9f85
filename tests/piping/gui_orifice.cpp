// The orifice plate through its real window: both directions, the experimental data as the user
// edits them, and the messages in the order they reach the user.
#include <QLabel>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kFormula =
    QStringLiteral("啮合公式为：Y=2521.947-14839.583*X+33137.083*X^2-33041.667*X^3+12354.167*X^4+0.353*X^5");
const QString kEditedFormula =
    QStringLiteral("啮合公式为：Y=2455.510-14259.128*X+31294.769*X^2-30517.949*X^3+11092.308*X^4+0.164*X^5");
const QString kRange = QStringLiteral("输入的节流孔径不符合本程序的要求   ");
const QString kData = QStringLiteral("输入的已知数据有误  ");
const QString kInvalid = QStringLiteral("计算结果无效，请检查输入的数据");

QWidget *openOrifice() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label9"));
    return window(QStringLiteral("节流孔板计算"));
}

// Every message and every change of one result field, in the order the user sees them.
class Trace {
public:
    Trace(QWidget *w, const QString &field) {
        previous_ = hanhai::shell::setMessageSink([this](const QString &m) { events << m; });
        QObject::connect(control<QLineEdit>(w, field), &QLineEdit::textChanged, &context_,
                         [this, field](const QString &t) { events << field + "=" + t; });
    }
    ~Trace() { hanhai::shell::setMessageSink(previous_); }
    QStringList events;

private:
    QObject context_;
    hanhai::shell::MessageSink previous_;
};

void fill(QWidget *w, const QStringList &fields, const QStringList &texts) {
    for (int i = 0; i < fields.size(); ++i) type(w, fields[i], texts[i]);
}

QLabel *formulaLabel(QWidget *w) { return control<QLabel>(w, QStringLiteral("Label23")); }

}  // namespace

class OrificeScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensWithTheExperimentalDataAndBlankFields() {
        QWidget *w = openOrifice();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("节流孔板计算"));
        QCOMPARE(text(w, "Label1"), QStringLiteral("节 流 孔 板 计 算"));
        QStringList data, fields;
        for (const char *array : {"Text1(%1)", "Text2(%1)"})
            for (int i = 0; i < 6; ++i) data << text(w, QString::fromLatin1(array).arg(i));
        QCOMPARE(data.join(' '), QStringLiteral("0.3 0.4 0.5 0.6 0.7 0.8 260 90 28 12 4 1.3"));
        for (int i = 3; i <= 10; ++i) fields << text(w, QStringLiteral("Text%1").arg(i));
        QCOMPARE(fields.join(QString()), QString());
        QVERIFY(!formulaLabel(w)->isVisible());
        QCOMPARE(w->focusWidget(), w->findChild<QWidget *>("Text3"));
    }

    void pressureLossInTheOrderTheUserSeesIt_data() {
        QTest::addColumn<QStringList>("typed");  // field=text
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("formula");  // empty: hidden
        const QStringList example{"Text3=100", "Text4=50mm", "Text5=50"};
        QTest::newRow("worked example") << example << QStringList{"Text6=4.521"} << kFormula;
        // The message comes while the last result still stands, and then empties it.
        QTest::newRow("bore too large") << QStringList{"Text4=90"} << QStringList{kRange, "Text6= "} << kFormula;
        // A pressure of 0 is written first, then emptied before the message.
        QTest::newRow("no flow") << QStringList{"Text5="} << QStringList{"Text6=0.000", "Text6= ", kData} << kFormula;
        QTest::newRow("flow overflows") << QStringList{"Text5=1e308"} << QStringList{kInvalid, "Text6= "} << QString();
        QTest::newRow("range to the sixth ratio as typed") << QStringList{"Text4=90", "Text1(5)=0.9"}
                                                           << QStringList{"Text6=0.197"} << kEditedFormula;
        QTest::newRow("two equal ratios") << QStringList{"Text1(1)=0.3"} << QStringList{kInvalid, "Text6= "} << QString();
    }
    void pressureLossInTheOrderTheUserSeesIt() {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, events);
        QFETCH(QString, formula);
        QWidget *w = openOrifice();
        fill(w, {"Text3", "Text4", "Text5"}, {"250", "100", "300"});
        click(w, "Command2");
        QCOMPARE(text(w, "Text6"), QStringLiteral("13.169"));
        Trace trace(w, "Text6");
        fill(w, {"Text3", "Text4", "Text5"}, {"100", "50", "50"});
        for (const QString &t : typed) type(w, t.section('=', 0, 0), t.section('=', 1));
        click(w, "Command2");
        QCOMPARE(trace.events, events);
        QCOMPARE(formulaLabel(w)->isVisible(), !formula.isEmpty());
        QCOMPARE(formulaLabel(w)->text(), formula);
        QCOMPARE(text(w, "Text9"), QString());
    }

    void boreFromAPressureLossLeavesTheOtherFrame() {
        QWidget *w = openOrifice();
        Trace trace(w, "Text9");
        fill(w, {"Text10", "Text8", "Text7"}, {"100", "50", "0.5"});
        click(w, "Command1");
        type(w, "Text8", "");  // no flow: nothing is checked, the bore is no number
        click(w, "Command1");
        QCOMPARE(trace.events, (QStringList{"Text9=73.677", kInvalid, "Text9= "}));
        QCOMPARE(text(w, "Text6"), QString());
        QVERIFY(!formulaLabel(w)->isVisible());
    }
};

QTEST_MAIN(OrificeScreen)
#include "gui_orifice.moc"
