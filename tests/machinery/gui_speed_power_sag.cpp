// Diesel engine speed, power unit conversion and stretched-wire deflection through their real
// windows.
#include <QLineEdit>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kInvalid = QStringLiteral("计算结果无效，请检查输入的数据");
const QStringList kSpeedFields = {"Text1", "Text2", "Text3", "Text4", "Text6", "Text5"};  // the speed last

QWidget *open(const char *entry, const char *screen) {
    click(hanhai::shell::openStartWindow(), QString::fromUtf8(entry));
    return window(QString::fromUtf8(screen));
}

QString texts(QWidget *w, const QStringList &fields) {
    QStringList out;
    for (const QString &f : fields) out << text(w, f);
    return out.join('|');
}

// Types "a|b|c..." into the fields; those beyond `typed` are set as results shown before.
void fill(QWidget *w, const QStringList &fields, const QString &values, qsizetype typed) {
    const QStringList v = values.split('|');
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (i < typed) type(w, fields[i], v.value(i));
        else control<QLineEdit>(w, fields[i])->setText(v.value(i));
}

QStringList messageList(const QString &message) { return message.isEmpty() ? QStringList() : QStringList{message}; }

}  // namespace

class SpeedPowerSag : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void engineSpeedEachTypeFillsTheOther_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("before");  // Text1|Text2|Text3|Text4|Text6|Text5
        QTest::addColumn<QString>("after");   // empty: as before
        QTest::addColumn<QString>("message");
        const QString rating = QStringLiteral("输入的CMCR或CMCR时的转速有误");
        QTest::newRow("1: by power") << "Command2" << "10000|100|8500|||" << "10000|100|8500|100|85|94.7" << "";
        QTest::newRow("1: lenient texts") << "Command2" << "1 0000kw|100rpm|8500||7|" << "1 0000kw|100rpm|8500|100|85|94.7" << "";
        QTest::newRow("1: CMCR empty") << "Command2" << "|100|8500|55|66|9.9" << "" << rating;
        QTest::newRow("1: negative power") << "Command2" << "10000|100|-8500|55|66|9.9" << "" << kInvalid;
        QTest::newRow("2: by load") << "Command3" << "10000|||100|85|" << "10000|100|8500|100|85|94.7" << "";
        QTest::newRow("2: CMCR empty") << "Command3" << "|||100|0|" << "|100|0|100|0|0.0" << "";
        QTest::newRow("2: R empty") << "Command3" << "10000|55|66||85|9.9" << ""
                                    << QStringLiteral("输入的主机合同最大功率时的转速值有误");
        QTest::newRow("2: power overflows") << "Command3" << "1e308|55|66|100|1e10|9.9" << "" << kInvalid;
    }
    void engineSpeedEachTypeFillsTheOther() {
        QFETCH(QString, button);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = open("Label22", "柴油机转速计算");
        fill(w, kSpeedFields, before, 5);
        click(w, button);
        QCOMPARE(texts(w, kSpeedFields), after.isEmpty() ? before : after);
        QCOMPARE(messages.texts, messageList(message));
    }

    void engineSpeedEnterComputesTypeTwoAndClearEmptiesAll() {
        QWidget *w = open("Label22", "柴油机转速计算");
        QCOMPARE(texts(w, kSpeedFields), QStringLiteral("|||||"));
        fill(w, kSpeedFields, "10000|50|1|100|85|", 5);
        QTest::keyClick(control<QLineEdit>(w, "Text3"), Qt::Key_Return);  // in a type 1 field
        QCOMPARE(texts(w, kSpeedFields), QStringLiteral("10000|100|8500|100|85|94.7"));
        click(w, "Command1");
        QCOMPARE(texts(w, kSpeedFields), QStringLiteral("|||||"));
    }

    void powerConverterWritesOnlyItsOwnOutput_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("power");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("KW→HP") << 0 << "1000" << "1340" << "";
        QTest::newRow("HP→KW, a half away from zero") << 1 << "-1250" << "-933" << "";  // -932.5
        QTest::newRow("KW→PS, beyond a double") << 2 << "1.5e308" << "" << kInvalid;
        QTest::newRow("PS→KW") << 3 << "1000" << "735" << "";
    }
    void powerConverterWritesOnlyItsOwnOutput() {
        QFETCH(int, index);
        QFETCH(QString, power);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = open("Label23", "功率单位转换");
        const QStringList fields = {"Text1(0)", "Text1(1)", "Text1(2)", "Text1(3)", "Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)"};
        QCOMPARE(texts(w, fields), QStringLiteral("|||||||"));
        fill(w, fields, "7|7|7|7|x|x|x|x", 4);
        type(w, fields[index], power);
        click(w, QStringList{"Command1", "Command2", "Command5", "Command6"}[index]);
        QStringList expected{"x", "x", "x", "x"};
        expected[index] = shown;
        QCOMPARE(texts(w, fields.mid(4)), expected.join('|'));
        QCOMPARE(messages.texts, messageList(message));
        control<QLineEdit>(w, fields[4 + index])->setText(QStringLiteral("x"));
        type(w, fields[index], power);
        QTest::keyClick(control<QLineEdit>(w, fields[index]), Qt::Key_Return);  // Enter converts its own row alone
        QCOMPARE(texts(w, fields.mid(4)), expected.join('|'));
    }

    void deflectionAfterAnEarlierResult_data() {
        QTest::addColumn<QString>("inputs");  // d|x|L|G
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("mid-span") << "0.5|5|10|10" << "1.946" << "";
        QTest::newRow("beyond the pulley") << "1|12|10|5" << "-14.946" << "";
        QTest::newRow("G negative") << "1|2|8|-5" << ""
                                    << QStringLiteral("未输入重锤的重量，请输入重锤的重量,且重锤的重量必须大于零  ");
        QTest::newRow("wire beyond a double") << "1e200|5|10|10" << "" << kInvalid;
    }
    void deflectionAfterAnEarlierResult() {
        QFETCH(QString, inputs);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = open("Label7", "挠度计算");
        const QStringList fields = {"Text1", "Text2", "Text3", "Text4"};
        fill(w, fields, "2|3|10|10", 4);
        click(w, "Command2");
        QCOMPARE(text(w, "Text5"), QStringLiteral("26.156"));
        fill(w, fields, inputs, 4);
        click(w, "Command2");
        QCOMPARE(text(w, "Text5"), shown);
        QCOMPARE(messages.texts, messageList(message));
    }

    void deflectionThreeOptionsRecomputeFromTheFieldsAsTheyStand() {
        Messages messages;
        QWidget *w = open("Label7", "挠度计算");
        QCOMPARE(w->findChildren<QRadioButton *>().size(), 3);
        QVERIFY(control<QRadioButton>(w, "Option3")->isChecked());
        fill(w, {"Text1", "Text2", "Text3", "Text4"}, "0.5|5|10|10", 4);
        click(w, "Option1");
        QCOMPARE(text(w, "Text5"), QStringLiteral("1.9"));
        type(w, "Text2", "2");  // not calculated: the next option takes it
        click(w, "Option2");
        QCOMPARE(text(w, "Text5"), QStringLiteral("1.25"));
        click(w, "Option3");
        QCOMPARE(text(w, "Text5"), QStringLiteral("1.246"));
        type(w, "Text4", "");
        click(w, "Option1");
        QCOMPARE(text(w, "Text5"), QString());
        QVERIFY(messages.texts.isEmpty());
    }
};

QTEST_MAIN(SpeedPowerSag)
#include "gui_speed_power_sag.moc"
