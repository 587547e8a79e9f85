// Shaft line diameters through the real window: the plant inputs beside the red factors, the five
// sizes, the message for any input not above zero, and the clear button that spares the factors.
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

const QString kBadInput = QStringLiteral("****输入的参数有误****");
const QStringList kPlant{"Text1", "Text2", "Text8", "Text9", "Text16", "Text17"};
const QStringList kFactors{"Text3", "Text4", "Text5", "Text6", "Text7"};
const QStringList kSizes{"Text10", "Text11", "Text14", "Text12", "Text13"};  // di, dp, b, d1, d2
const QStringList kExample{"Text1=5000", "Text2=120", "Text8=600", "Text9=800", "Text16=500", "Text17=500"};
const QString kExampleSizes = QStringLiteral("313.13 382.02 76.40 45.64 45.64");

QWidget *openShafts() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label19"));
    return window(QStringLiteral("轴系轴径计算"));
}

QString texts(QWidget *w, const QStringList &fields) {
    QStringList t;
    for (const QString &f : fields) t << text(w, f);
    return t.join(' ');
}

void enter(QWidget *w, const QStringList &typed) {  // "field=text"
    for (const QString &pair : typed) type(w, pair.section('=', 0, 0), pair.section('=', 1));
}

}  // namespace

class ShaftScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void opensWithTheRedFactorsOnlyAndClearSparesThem() {
        QWidget *w = openShafts();
        QVERIFY(w);
        QCOMPARE(texts(w, kPlant + kSizes).trimmed(), QString());
        QCOMPARE(texts(w, kFactors), QStringLiteral("100 1 1.22 12 12"));
        for (const QString &f : kFactors) QCOMPARE(control<QLineEdit>(w, f)->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(!w->findChild<QRadioButton *>());  // always two decimals
        QCOMPARE(control<QGroupBox>(w, "Frame1")->title() + control<QGroupBox>(w, "Frame2")->title(),
                 QStringLiteral("相关输入参数：计算结果："));
        QStringList labels;
        for (QLabel *l : w->findChildren<QLabel *>()) labels << l->text();
        for (const char *caption : {"σb'-轴系抗拉强度", "Zw-中间轴联艉轴螺栓数", "d2-中间轴联艉轴螺栓直径", "N/mm2",
                                    "1、本程序仅适用于主机+中间轴+螺旋桨轴+FPP的推进系统，    且螺旋桨为无键连接,轴系螺栓为紧配螺栓。",
                                    "2、若要计算其它轴系可以修改相关红色参数，并参照所入级    船级社的规范进行。"})
            QVERIFY2(labels.contains(QString::fromUtf8(caption)), caption);

        enter(w, kExample + QStringList{"Text3=90", "Text7=10"});
        click(w, "Command2");
        click(w, "Command1");
        QCOMPARE(texts(w, kPlant + kSizes).trimmed(), QString());
        QCOMPARE(texts(w, kFactors), QStringLiteral("90 1 1.22 12 10"));
    }

    // Each row follows the worked example, whose sizes stay when a message comes.
    void sizesWithTwoDecimals_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("sizes");
        QTest::addColumn<QString>("message");
        QTest::newRow("F doubled") << QStringList{"Text3=200"} << "626.25 764.03 152.81 45.64 45.64" << "";
        QTest::newRow("fewer bolts to the engine") << QStringList{"Text6=8"} << "313.13 382.02 76.40 55.90 45.64" << "";
        QTest::newRow("another plant")
            << QStringList{"Text1=9960kW", "Text2=127", "Text8=590", "Text16=560", "Text17=520", "Text5=1.26", "Text6=10", "Text7=8"}
            << "388.32 489.29 97.86 64.82 75.20" << "";
        for (const QString &f : kPlant + kFactors)
            QTest::addRow("%s emptied", qPrintable(f)) << QStringList{f + "="} << kExampleSizes << kBadInput;
        QTest::newRow("negative speed") << QStringList{"Text2=-120"} << kExampleSizes << kBadInput;
        QTest::newRow("power beyond range") << QStringList{"Text1=1e308"} << kExampleSizes
                                            << QStringLiteral("计算结果无效，请检查输入的数据");
    }
    void sizesWithTwoDecimals() {
        QFETCH(QStringList, typed);
        QFETCH(QString, sizes);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = openShafts();
        enter(w, kExample);
        click(w, "Command2");
        QCOMPARE(texts(w, kSizes), kExampleSizes);
        enter(w, typed);
        click(w, "Command2");
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList{} : QStringList{message});
        QCOMPARE(texts(w, kSizes), sizes);
    }
};

QTEST_MAIN(ShaftScreen)
#include "gui_shafts.moc"
