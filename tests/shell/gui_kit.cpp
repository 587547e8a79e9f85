// What the screen kit does for every screen, tried once on screens that show it.
#include <QLineEdit>
#include <QPointer>

#include "shell/start.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

QWidget *openFromMenu(const QString &entry, const QString &menu, const QString &button, const QString &screen) {
    click(hanhai::shell::openStartWindow(), entry);
    click(window(menu), button);
    return window(screen);
}

// What the system delivers for a double click: a click, then a second press as a double click.
void doubleClick(QWidget *window, const QString &name) {
    QPointer<QWidget> w = control<QWidget>(window, name);
    if (!w) return;
    QTest::mouseClick(w, Qt::LeftButton);
    if (w) QTest::mouseDClick(w, Qt::LeftButton);
    settle();
}

}  // namespace

class Kit : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void aWrittenFieldShowsTheStartOfItsText() {
        QWidget *w = openFromMenu("Label3", "重量计算", "Command11", "球体重量计算");
        QVERIFY(w);
        type(w, "Text1", "5");
        click(w, "Command2");
        auto *out = control<QLineEdit>(w, "Text3");
        QCOMPARE(out->text(), QStringLiteral("0.000513781298622917"));
        QCOMPARE(out->cursorPosition(), 0);
        QVERIFY(out->fontMetrics().horizontalAdvance(out->text()) > out->width());  // too long to see whole
    }

    void anInvalidResultOnAHoldingScreenKeepsTheShownResults() {
        Messages messages;
        QWidget *w = openFromMenu("Label3", "重量计算", "Command5", "普通钢板重量计算");
        QVERIFY(w);
        type(w, "Text1", "1000");
        type(w, "Text2", "1000");
        type(w, "Text3", "10");
        click(w, "Command2");
        QCOMPARE(text(w, "Text4"), QStringLiteral("78.50"));
        type(w, "Text1", "1e308");
        type(w, "Text2", "1e308");
        click(w, "Command2");
        QCOMPARE(messages.takeOne(), QStringLiteral("计算结果无效，请检查输入的数据"));
        QCOMPARE(text(w, "Text4"), QStringLiteral("78.50"));
        QCOMPARE(text(w, "Text5"), QStringLiteral("78.50"));
        click(w, "Option3");
        QCOMPARE(text(w, "Text4"), QStringLiteral("78.50"));
        QVERIFY(messages.texts.isEmpty());
    }

    void aDoubleClickOpensOneWindow_data() {
        QTest::addColumn<QStringList>("path");  // window, control, ..., the window expected
        QTest::newRow("main menu entry") << QStringList{"主菜单", "Label14", "体积计算"};
        QTest::newRow("picture menu button") << QStringList{"主菜单", "Label14", "体积计算", "Command1", "圆柱体体积计算"};
        QTest::newRow("list menu entry") << QStringList{"主菜单", "Label8", "货油加热系统计算"};
        QTest::newRow("back button") << QStringList{"主菜单", "Label16", "焊接直通套管选择", "Command4", "主菜单"};
    }
    void aDoubleClickOpensOneWindow() {
        QFETCH(QStringList, path);
        hanhai::shell::openStartWindow();
        for (int i = 0; i + 2 < path.size(); i += 2) {
            QWidget *from = window(path[i]);
            QVERIFY(from);
            doubleClick(from, path[i + 1]);
        }
        QCOMPARE(openWindowNames(), QStringList{path.last()});
    }
};

QTEST_MAIN(Kit)
#include "gui_kit.moc"
