// Flow and velocity conversion through its real window: the chooser, the panel pairs with
// their switch labels, and the four converters.
#include <QLabel>
#include <QLineEdit>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

QWidget *openFlow() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label5"));
    return window(QStringLiteral("流量速度转换"));
}

QString visibleParts(QWidget *w) {
    QStringList shown;
    for (const char *name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Label40", "Label41"})
        if (control<QWidget>(w, name)->isVisible()) shown << name;
    return shown.join(' ');
}

QString texts(QWidget *w, int first, int last) {
    QStringList out;
    for (int i = first; i <= last; ++i) out << text(w, QStringLiteral("Text%1").arg(i));
    return out.join('|');
}

void fill(QWidget *w, const QStringList &fields, const QStringList &values) {
    for (int i = 0; i < fields.size(); ++i) type(w, fields[i], values.value(i));
}

}  // namespace

class FlowScreen : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void oneChoiceShowsOnePair_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QColor>("colour");
        const QString pipe = QStringLiteral("管 子 流 量 速 度 转 换"), duct = QStringLiteral("风 道 流 量 速 度 转 换");
        QTest::newRow("opening") << "" << "Frame5" << QStringLiteral("流 量 速 度 转 换") << QColor();
        QTest::newRow("pipe") << "Label10" << "Frame1 Frame2 Label40" << pipe << QColor(0, 0, 255);
        QTest::newRow("duct") << "Label9" << "Frame3 Frame4 Label41" << duct << QColor(255, 0, 0);
        QTest::newRow("pipe, to duct") << "Label10 Label40" << "Frame3 Frame4 Label41" << duct << QColor(255, 0, 0);
        QTest::newRow("duct, to pipe") << "Label9 Label41" << "Frame1 Frame2 Label40" << pipe << QColor(0, 0, 255);
    }
    void oneChoiceShowsOnePair() {
        QFETCH(QString, clicks);
        QFETCH(QString, shown);
        QFETCH(QString, title);
        QFETCH(QColor, colour);
        QWidget *w = openFlow();
        for (const QString &c : clicks.split(' ', Qt::SkipEmptyParts)) click(w, c);
        QCOMPARE(visibleParts(w), shown);
        QCOMPARE(text(w, "Label1"), title);
        if (colour.isValid()) QCOMPARE(control<QLabel>(w, "Label1")->palette().color(QPalette::WindowText), colour);
    }

    void onlyTheSwitchLabelsEmptyThePairTheyShow() {
        QWidget *w = openFlow();
        QCOMPARE(texts(w, 1, 16), QString(15, '|'));
        control<QLineEdit>(w, "Text1")->setText("7");
        click(w, "Label10");
        QCOMPARE(text(w, "Text1"), QStringLiteral("7"));
        fill(w, {"Text1", "Text2", "Text3"}, {"2", "108", "4"});
        click(w, "Command1");
        click(w, "Label40");
        QCOMPARE(texts(w, 1, 4), QStringLiteral("2|108|4|56.55"));
        QCOMPARE(text(w, "Label41"), QStringLiteral("切换至\"管子\"  流量速度转换"));
        fill(w, {"Text12", "Text11", "Text10"}, {"5", "400", "300"});
        click(w, "Command5");
        click(w, "Label41");
        QCOMPARE(texts(w, 1, 12), QStringLiteral("|||||||" "|2160.00|300|400|5"));
        click(w, "Label40");
        QCOMPARE(texts(w, 9, 16), QString(7, '|'));
    }

    void eachConverter_data() {
        QTest::addColumn<QString>("controls");  // the pair's link, the button, three inputs, the result
        QTest::addColumn<QString>("values");    // "|" between the inputs
        QTest::addColumn<QString>("shown");     // the result, which showed "9.99" before
        QTest::addColumn<QString>("message");
        const QString pipeQ = "Label10 Command1 Text1 Text2 Text3 Text4", pipeV = "Label10 Command2 Text5 Text6 Text7 Text8";
        const QString ductQ = "Label9 Command5 Text12 Text11 Text10 Text9", ductV = "Label9 Command6 Text13 Text14 Text15 Text16";
        const QString wrong = QStringLiteral("输入值有错误 "), invalid = QStringLiteral("计算结果无效，请检查输入的数据");
        QTest::newRow("pipe V→Q") << pipeQ << "2m/s|1 08mm|4" << "56.55" << "";
        QTest::newRow("pipe V→Q, d = 0") << pipeQ << "2|0|4" << "9.99" << wrong;
        QTest::newRow("pipe V→Q, overflow") << pipeQ << "1e308|108|4" << "9.99" << invalid;
        QTest::newRow("pipe Q→V") << pipeV << "56.55|108|4" << "2.00" << "";
        QTest::newRow("pipe Q→V, t empty") << pipeV << "5|108|" << "9.99" << wrong;
        QTest::newRow("pipe Q→V, 2t = d") << pipeV << "5|100|50" << "9.99" << QStringLiteral("输入值(管子厚度)有错误  ");
        QTest::newRow("duct V→Q") << ductQ << "5|400|300" << "2160.00" << "";
        QTest::newRow("duct V→Q, B empty") << ductQ << "5|400|" << "0.00" << "";
        QTest::newRow("duct Q→V") << ductV << "2160|400|300" << "5.00" << "";
        QTest::newRow("duct Q→V, A empty") << ductV << "2160||300" << "" << wrong;
        QTest::newRow("duct Q→V, overflow") << ductV << "1e308|400|300" << "" << invalid;
    }
    void eachConverter() {
        QFETCH(QString, controls);
        QFETCH(QString, values);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        const QStringList c = controls.split(' ');
        Messages messages;
        QWidget *w = openFlow();
        click(w, c[0]);
        control<QLineEdit>(w, c[5])->setText("9.99");
        fill(w, c.mid(2, 3), values.split('|'));
        click(w, c[1]);
        QCOMPARE(text(w, c[5]), shown);
        QCOMPARE(messages.texts, message.isEmpty() ? QStringList() : QStringList{message});
    }

    void enterConvertsInThePanelOfTheField() {
        QWidget *w = openFlow();
        click(w, "Label9");
        fill(w, {"Text13", "Text14", "Text15", "Text12", "Text11", "Text10"}, {"2160", "400", "300", "5", "400", "300"});
        QTest::keyClick(control<QLineEdit>(w, "Text14"), Qt::Key_Return);
        QCOMPARE(texts(w, 9, 16), QStringLiteral("|300|400|5|2160|400|300|5.00"));
    }
};

QTEST_MAIN(FlowScreen)
#include "gui_flow.moc"
