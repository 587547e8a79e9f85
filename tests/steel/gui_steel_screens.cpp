// Plate, checkered plate and rolled-section weight screens, driven through their real windows.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

QWidget *openWeightScreen(const QString &button, const QString &name) {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label3"));
    click(window(QStringLiteral("重量计算")), button);
    return window(name);
}

// Types a text into an editable drop-down, as the user does.
void typeInto(QWidget *w, const QString &combo, const QString &text) {
    auto *box = control<QComboBox>(w, combo);
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    typeText(box->lineEdit(), text);
}


}  // namespace

class SteelScreens : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void plates_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("fields");  // control=value ...
        QTest::addColumn<QString>("single");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("expected");  // single / total with two decimals
        QTest::newRow("plain") << "Command5" << "普通钢板重量计算" << QStringList{"Text1=1000", "Text2=1000", "Text3=10", "Text6=3"}
                               << "Text4" << "Text5" << "78.50 / 235.50";
        QTest::newRow("plain, tiny") << "Command5" << "普通钢板重量计算"
                                     << QStringList{"Text1=100", "Text2=100", "Text3=1.3", "Text6=100"} << "Text4" << "Text5"
                                     << "0.10 / 10.00";
        QTest::newRow("web, trapezoid") << "Command8" << "腹板重量计算"
                                        << QStringList{"Text1=200", "Text2=400", "Text3=300", "Text4=0", "Text5=12"} << "Text6"
                                        << "Text8" << "8.48 / 8.48";
        QTest::newRow("web, no thickness") << "Command8" << "腹板重量计算"
                                           << QStringList{"Text1=200", "Text2=400", "Text3=300", "Text4=0"} << "Text6"
                                           << "Text8" << "0.00 / 0.00";
        QTest::newRow("triangle") << "Command9" << "直角三角板重量计算"
                                  << QStringList{"Text1=1000", "Text2=500", "Text7=0", "Text3=8"} << "Text4" << "Text6"
                                  << "15.70 / 15.70";
        QTest::newRow("duct") << "Command14" << "矩形风道重量计算"
                              << QStringList{"Text1=500", "Text2=300", "Text3=5", "Text7=2000", "Text5=2"} << "Text4"
                              << "Text6" << "124.03 / 248.06";
        QTest::newRow("duct, wall equals width") << "Command14" << "矩形风道重量计算"
                                                 << QStringList{"Text1=300", "Text2=500", "Text3=300", "Text7=1000"} << "Text4"
                                                 << "Text6" << "942.00 / 942.00";
    }
    void plates() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QStringList, fields);
        QFETCH(QString, single);
        QFETCH(QString, total);
        QFETCH(QString, expected);
        Messages messages;
        QWidget *w = openWeightScreen(button, name);
        QVERIFY(w);
        QCOMPARE(text(w, QStringLiteral("Label1")), name);
        QVERIFY(control<QRadioButton>(w, QStringLiteral("Option2"))->isChecked());
        QVERIFY(!w->findChild<QRadioButton *>(QStringLiteral("Option4")));
        for (const QString &f : fields) type(w, f.section(QLatin1Char('='), 0, 0), f.section(QLatin1Char('='), 1));
        click(w, QStringLiteral("Command2"));
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('|'))));
        QCOMPARE(text(w, single) + QStringLiteral(" / ") + text(w, total), expected);
    }

    void plateMessagesKeepTheResults_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("good");
        QTest::addColumn<QStringList>("bad");
        QTest::addColumn<QStringList>("messages");  // on calculate, in order
        QTest::addColumn<QString>("single");
        QTest::newRow("plain, zero thickness")
            << "Command5" << "普通钢板重量计算" << QStringList{"Text1=1000", "Text2=1000", "Text3=10"} << QStringList{"Text3=0"}
            << QStringList{"输入的边长a或b有误"} << "Text4";
        QTest::newRow("web, a not shorter")
            << "Command8" << "腹板重量计算" << QStringList{"Text1=200", "Text2=400", "Text3=300", "Text5=12"}
            << QStringList{"Text1=400"}
            << QStringList{"上底边a不能大于等于下底边b，请确认数字是否输入正确", "输入的边长或圆角有误,请重输"} << "Text6";
        QTest::newRow("web, H1 not taller")
            << "Command8" << "腹板重量计算" << QStringList{"Text1=200", "Text2=400", "Text3=300", "Text5=12"}
            << QStringList{"Text4=300"}
            << QStringList{"长高H1不能小于等于短高H2，请确认数字是否输入正确", "输入的边长或圆角有误,请重输"} << "Text6";
        QTest::newRow("web, negative radius")
            << "Command8" << "腹板重量计算" << QStringList{"Text1=200", "Text2=400", "Text3=300", "Text5=12"}
            << QStringList{"Text10=-1"} << QStringList{"输入的边长或圆角有误,请重输"} << "Text6";
        QTest::newRow("triangle, leg zero") << "Command9" << "直角三角板重量计算"
                                            << QStringList{"Text1=1000", "Text2=500", "Text3=8"} << QStringList{"Text2="}
                                            << QStringList{"输入的边长a或b有误"} << "Text4";
        QTest::newRow("duct, wall too thick")
            << "Command14" << "矩形风道重量计算" << QStringList{"Text1=500", "Text2=300", "Text3=5", "Text7=2000"}
            << QStringList{"Text3=301"} << QStringList{"输入的值W或H或t有误"} << "Text4";
    }
    void plateMessagesKeepTheResults() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QStringList, good);
        QFETCH(QStringList, bad);
        QFETCH(QStringList, messages);
        QFETCH(QString, single);
        Messages shown;
        QWidget *w = openWeightScreen(button, name);
        auto fill = [&](const QStringList &fields) {
            for (const QString &f : fields) type(w, f.section(QLatin1Char('='), 0, 0), f.section(QLatin1Char('='), 1));
        };
        fill(good);
        click(w, QStringLiteral("Command2"));
        const QString before = text(w, single);
        QVERIFY(!before.isEmpty());
        fill(bad);
        click(w, QStringLiteral("Command2"));
        QCOMPARE(shown.texts, messages);
        QCOMPARE(text(w, single), before);
        shown.texts.clear();
        click(w, QStringLiteral("Option3"));  // an option: only the web plate's order messages
        QStringList expectedOnOption = messages.size() == 2 ? QStringList{messages.front()} : QStringList{};
        QCOMPARE(shown.texts, expectedOnOption);
        QCOMPARE(text(w, single), before);
    }

    void plateClearLeavesCountAndOption() {
        QWidget *w = openWeightScreen(QStringLiteral("Command5"), QStringLiteral("普通钢板重量计算"));
        type(w, QStringLiteral("Text1"), QStringLiteral("1000"));
        type(w, QStringLiteral("Text6"), QStringLiteral("4"));
        click(w, QStringLiteral("Option3"));
        click(w, QStringLiteral("Command1"));
        QCOMPARE(text(w, QStringLiteral("Text1")), QString());
        QCOMPARE(text(w, QStringLiteral("Text6")), QStringLiteral("4"));
        QVERIFY(control<QRadioButton>(w, QStringLiteral("Option3"))->isChecked());
    }

    void sections_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QStringList>("controls");  // length, count, single, total, option 1..3
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("two");    // two decimals
        QTest::addColumn<QString>("three");  // three decimals
        QTest::addColumn<QString>("message");
        const QStringList standard{"Text2", "Text1", "Text3", "Text4", "Option1", "Option2", "Option3"};
        QTest::newRow("channel") << "Command1" << "槽钢重量计算" << "热扎槽钢重量计算" << "请选择槽钢的尺寸" << "[ 100x48x5.3"
                                 << standard << "6000" << "4" << "60.04 / 240.16" << "60.042 / 240.168"
                                 << "请先选择槽钢的型号";
        QTest::newRow("I-beam") << "Command4" << "工字钢重量计算" << "热扎工字钢重量计算" << "请选择工字钢的尺寸"
                                << "工200x100x7.0" << standard << "12000" << "2" << "335.15 / 670.30"
                                << "335.148 / 670.296" << "请先选择工字钢的型号";
        QTest::newRow("equal angle") << "Command2" << "等边角钢重量计算" << "热扎等边角钢重量计算" << "请选择等边角钢的尺寸"
                                     << "L50x50x5"
                                     << QStringList{"Text3", "Text1", "Text4", "Text2", "Option4", "Option5", "Option6"}
                                     << "6000" << "10" << "22.62 / 226.20" << "22.620 / 226.200" << "请先选择等边角钢的型号";
        QTest::newRow("equal angle, mended 56x56x6")
            << "Command2" << "等边角钢重量计算" << "热扎等边角钢重量计算" << "请选择等边角钢的尺寸" << "L56x56x6"
            << QStringList{"Text3", "Text1", "Text4", "Text2", "Option4", "Option5", "Option6"} << "1000" << "2"
            << "5.04 / 10.08" << "5.040 / 10.080" << "请先选择等边角钢的型号";
        QTest::newRow("unequal angle") << "Command3" << "不等边角钢重量计算" << "热扎不等边角钢重量计算"
                                       << "请选择不等边角钢的尺寸" << "L100x63x8"
                                       << QStringList{"Text4", "Text1", "Text5", "Text2", "Option1", "Option2", "Option3"}
                                       << "2000" << "3" << "19.76 / 59.28" << "19.756 / 59.268" << "请先选择不等边角钢的型号";
        QTest::newRow("bulb flat") << "Command13" << "球扁钢重量计算" << "球扁钢重量计算" << "请选择球扁钢的尺寸" << "HP200x10"
                                   << standard << "8000" << "5" << "160.80 / 804.00" << "160.800 / 804.000"
                                   << "请先选择球扁钢的型号";
        QTest::newRow("square bar") << "Command15" << "方钢重量计算" << "热扎方钢重量计算" << "请选择方钢的尺寸" << "□100"
                                    << standard << "1234" << "2" << "96.87 / 193.74" << "96.869 / 193.738"
                                    << "请先选择方钢的型号";
        QTest::newRow("square bar, uncommon") << "Command15" << "方钢重量计算" << "热扎方钢重量计算" << "请选择方钢的尺寸"
                                              << "*□11" << standard << "1000" << "1" << "0.95 / 0.95" << "0.950 / 0.950"
                                              << "请先选择方钢的型号";
    }
    void sections() {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(QString, size);
        QFETCH(QStringList, controls);
        QFETCH(QString, length);
        QFETCH(QString, count);
        QFETCH(QString, two);
        QFETCH(QString, three);
        QFETCH(QString, message);
        Messages messages;
        QWidget *w = openWeightScreen(button, name);
        QVERIFY(w);
        QCOMPARE(text(w, QStringLiteral("Label1")), title);
        QCOMPARE(comboText(w, QStringLiteral("Combo1")), prompt);
        QCOMPARE(text(w, controls[1]), QStringLiteral("1"));
        QVERIFY(control<QRadioButton>(w, controls[5])->isChecked());

        click(w, QStringLiteral("Command2"));  // still the prompt
        QCOMPARE(messages.takeOne(), message);

        pick(w, QStringLiteral("Combo1"), size);
        QCOMPARE(comboText(w, QStringLiteral("Combo1")), size);
        QCOMPARE(text(w, controls[2]), QString());  // picking computes nothing
        type(w, controls[0], length);
        type(w, controls[1], count);
        click(w, QStringLiteral("Command2"));
        QCOMPARE(text(w, controls[2]) + QStringLiteral(" / ") + text(w, controls[3]), two);
        click(w, controls[6]);
        QCOMPARE(text(w, controls[2]) + QStringLiteral(" / ") + text(w, controls[3]), three);

        // an edited size that names no row: the message, and the weights stay
        typeInto(w, QStringLiteral("Combo1"), size.mid(1));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(messages.takeOne(), message);
        QCOMPARE(text(w, controls[2]) + QStringLiteral(" / ") + text(w, controls[3]), three);
        click(w, controls[4]);  // options say nothing
        QVERIFY(messages.texts.isEmpty());

        // typed exactly as listed, it works like picking it
        typeInto(w, QStringLiteral("Combo1"), size);
        click(w, controls[5]);
        QCOMPARE(text(w, controls[2]) + QStringLiteral(" / ") + text(w, controls[3]), two);

        // clear: length and weights go, size, count and option stay
        click(w, QStringLiteral("Command1"));
        QCOMPARE(text(w, controls[0]), QString());
        QCOMPARE(text(w, controls[2]), QString());
        QCOMPARE(comboText(w, QStringLiteral("Combo1")), size);
        QCOMPARE(text(w, controls[1]), count);
        click(w, QStringLiteral("Command2"));  // an empty length weighs nothing
        QCOMPARE(text(w, controls[2]) + QStringLiteral(" / ") + text(w, controls[3]), QStringLiteral("0.00 / 0.00"));

        click(w, QStringLiteral("Command6"));
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("重量计算")});
    }

    void sectionLabelsAreMatchedWhole() {
        Messages messages;
        QWidget *w = openWeightScreen(QStringLiteral("Command1"), QStringLiteral("槽钢重量计算"));
        QCOMPARE(control<QComboBox>(w, QStringLiteral("Combo1"))->count(), 41);
        typeInto(w, QStringLiteral("Combo1"), QStringLiteral("[100x48x5.3"));  // without the blank
        type(w, QStringLiteral("Text2"), QStringLiteral("1000"));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(messages.takeOne(), QStringLiteral("请先选择槽钢的型号"));
        typeInto(w, QStringLiteral("Combo1"), QStringLiteral("[ 180x70x9.0"));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(text(w, QStringLiteral("Text3")), QStringLiteral("23.00"));
        closeAll();
        w = openWeightScreen(QStringLiteral("Command15"), QStringLiteral("方钢重量计算"));
        typeInto(w, QStringLiteral("Combo1"), QStringLiteral("□11"));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(messages.takeOne(), QStringLiteral("请先选择方钢的型号"));
    }

    void catalogueSizes() {
        const std::pair<const char *, int> rows[] = {{"Command1", 41}, {"Command4", 45},  {"Command2", 82},
                                                     {"Command3", 65}, {"Command13", 47}, {"Command15", 67}};
        for (auto [button, count] : rows) {
            click(hanhai::shell::openStartWindow(), QStringLiteral("Label3"));
            click(window(QStringLiteral("重量计算")), QString::fromUtf8(button));
            QWidget *w = nullptr;
            for (QWidget *t : QApplication::topLevelWidgets())
                if (t->isVisible() && t->findChild<QComboBox *>(QStringLiteral("Combo1"))) w = t;
            QVERIFY(w);
            QCOMPARE(control<QComboBox>(w, QStringLiteral("Combo1"))->count(), count);
            closeAll();
        }
    }

    void checkeredPlate() {
        Messages messages;
        QWidget *w = openWeightScreen(QStringLiteral("Command16"), QStringLiteral("花钢板重量计算"));
        QVERIFY(w);
        QCOMPARE(comboText(w, QStringLiteral("Combo2")), QStringLiteral("请选择花钢板的花纹型状"));
        QCOMPARE(comboText(w, QStringLiteral("Combo1")), QStringLiteral("请选择花钢板的厚度"));
        QCOMPARE(control<QComboBox>(w, QStringLiteral("Combo2"))->itemText(0), QStringLiteral("扁豆形"));
        QCOMPARE(control<QComboBox>(w, QStringLiteral("Combo1"))->count(), 10);
        type(w, QStringLiteral("Text2"), QStringLiteral("2000"));
        type(w, QStringLiteral("Text5"), QStringLiteral("1000"));
        type(w, QStringLiteral("Text1"), QStringLiteral("3"));
        pick(w, QStringLiteral("Combo1"), QStringLiteral("4.5厚"));
        click(w, QStringLiteral("Command2"));  // the pattern still at its prompt
        QCOMPARE(messages.takeOne(), QStringLiteral("请先选择花钢板的型号及厚度"));
        pick(w, QStringLiteral("Combo2"), QStringLiteral("菱形"));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(text(w, QStringLiteral("Text3")), QStringLiteral("74.60"));
        QCOMPARE(text(w, QStringLiteral("Text4")), QStringLiteral("223.80"));
        pick(w, QStringLiteral("Combo2"), QStringLiteral("圆豆形"));
        pick(w, QStringLiteral("Combo1"), QStringLiteral("7.0厚"));
        type(w, QStringLiteral("Text2"), QStringLiteral("1500"));
        type(w, QStringLiteral("Text5"), QStringLiteral("600"));
        type(w, QStringLiteral("Text1"), QStringLiteral("1"));
        click(w, QStringLiteral("Command2"));
        QCOMPARE(text(w, QStringLiteral("Text3")), QStringLiteral("47.16"));
        click(w, QStringLiteral("Command1"));
        for (const char *f : {"Text2", "Text5", "Text3", "Text4"}) QCOMPARE(text(w, QString::fromUtf8(f)), QString());
        QCOMPARE(comboText(w, QStringLiteral("Combo2")), QStringLiteral("圆豆形"));
        click(w, QStringLiteral("Command2"));  // an empty width weighs nothing
        QCOMPARE(text(w, QStringLiteral("Text3")), QStringLiteral("0.00"));
        QCOMPARE(text(w, QStringLiteral("Text4")), QStringLiteral("0.00"));
        QVERIFY(messages.texts.isEmpty());
    }
};

QTEST_MAIN(SteelScreens)
#include "gui_steel_screens.moc"
