// The main menu, the sub-menus and how screens replace one another, driven offscreen.
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "shell/start.h"
#include "shell/ui/navigation.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

bool isHighlighted(QLabel *l) { return l->font().bold() && l->palette().color(QPalette::WindowText) == QColor(255, 0, 0); }

QLabel *label(QWidget *w, const char *name) { return control<QLabel>(w, QString::fromUtf8(name)); }

struct Entry {
    const char *control, *caption, *target;
};
const Entry kEntries[] = {
    {"Label14", "1、体积计算", "体积计算"},        {"Label3", "2、重量计算", "重量计算"},
    {"Label4", "3、管子膨胀量计算", "管子膨胀量计算"}, {"Label5", "4、流量、速度转换计算", "流量速度转换"},
    {"Label6", "5、万年历计算", "万年历计算"},      {"Label7", "6、拉线挠度计算", "挠度计算"},
    {"Label8", "7、货油加热系统计算", "货油加热系统计算"}, {"Label9", "8、节流孔板计算", "节流孔板计算"},
    {"Label11", "9、绝热计算", "绝热计算"},          {"Label12", "10、支管合并管径计算", "支管合并管径计算"},
    {"Label13", "11、科学计算器", "科学计算器"},      {"Label15", "12、版本信息", "版体信息"},
    {"Label16", "13、焊接直通套管选择", "焊接直通套管选择"}, {"Label17", "14、螺栓扭力计算", "螺栓扭力计算"},
    {"Label18", "15、通风风量计算", "通风风量计算"},  {"Label19", "16、轴系轴径计算", "轴系轴径计算"},
    {"Label20", "17、电缆托架宽度估算", "电缆托架宽度估算"}, {"Label21", "18、电缆框电缆筒电缆盒估算", "电缆框电缆筒电缆盒估算"},
    {"Label22", "19、柴油机转速计算", "柴油机转速计算"}, {"Label23", "20、功率单位转换", "功率单位转换"},
    {"Label24", "21、构件几何特性计算", "构件几何特性计算"},
};

}  // namespace

class Navigation : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void startsOnTheMainMenuAlone() {
        QWidget *menu = hanhai::shell::openStartWindow();
        QVERIFY(menu);
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
        QCOMPARE(menu->windowTitle(), QStringLiteral("瀚海算匠软件"));
        QCOMPARE(label(menu, "Label1")->text(), QStringLiteral("欢迎使用瀚海算匠软件"));
        QCOMPARE(label(menu, "Label2")->text(), QStringLiteral("版本：V2.8"));
        QCOMPARE(label(menu, "Label10")->text(), QStringLiteral("结束并退出EXIT"));
        for (const Entry &e : kEntries) {
            QLabel *l = label(menu, e.control);
            QVERIFY(l);
            QCOMPARE(l->text(), QString::fromUtf8(e.caption));
            QVERIFY(!isHighlighted(l));
            QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
        }
        QCOMPARE(menu->minimumSize(), menu->maximumSize());  // fixed size
    }

    void entriesStandInTwoColumnsAtTheSamePitch() {
        QWidget *menu = hanhai::shell::openStartWindow();
        QLabel *first = label(menu, "Label14"), *twelfth = label(menu, "Label15");
        QLabel *thirteenth = label(menu, "Label16"), *last = label(menu, "Label24");
        QCOMPARE(first->y(), thirteenth->y());
        QCOMPARE(twelfth->y() - first->y(), 11 * 32);
        QCOMPARE(last->y() - thirteenth->y(), 8 * 32);
        QVERIFY(thirteenth->x() > first->x() + first->width() - 1);
        for (const Entry &e : kEntries) {  // every entry fits inside the window
            QLabel *l = label(menu, e.control);
            QVERIFY(menu->rect().contains(l->geometry()));
            QVERIFY(l->width() >= l->fontMetrics().horizontalAdvance(l->text()));
        }
    }

    void eachEntryOpensItsScreenOrWaits_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("target");
        for (const Entry &e : kEntries) QTest::newRow(e.caption) << QString::fromUtf8(e.control) << QString::fromUtf8(e.target);
    }
    void eachEntryOpensItsScreenOrWaits() {
        QFETCH(QString, control);
        QFETCH(QString, target);
        QWidget *menu = hanhai::shell::openStartWindow();
        click(menu, control);
        const bool keepsMenu = control == QStringLiteral("Label22") || control == QStringLiteral("Label23");
        if (!hanhai::shell::screenExists(target)) {
            // a screen still to be built: the entry does nothing
            QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
            return;
        }
        QStringList expected{target};
        if (keepsMenu) expected << QStringLiteral("主菜单");
        expected.sort();
        QCOMPARE(openWindowNames(), expected);
    }

    void subMenusReturnToTheMainMenu_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("back");
        QTest::newRow("volumes") << "Label14" << "体积计算" << "Label6";
        QTest::newRow("weights") << "Label3" << "重量计算" << "Label6";
        QTest::newRow("heating") << "Label8" << "货油加热系统计算" << "Command4";
        QTest::newRow("insulation") << "Label11" << "绝热计算" << "Command4";
        QTest::newRow("ventilation") << "Label18" << "通风风量计算" << "Command4";
        QTest::newRow("cable fittings") << "Label21" << "电缆框电缆筒电缆盒估算" << "Command4";
        QTest::newRow("sections") << "Label24" << "构件几何特性计算" << "Command4";
    }
    void subMenusReturnToTheMainMenu() {
        QFETCH(QString, entry);
        QFETCH(QString, menu);
        QFETCH(QString, back);
        click(hanhai::shell::openStartWindow(), entry);
        QWidget *sub = window(menu);
        QVERIFY(sub);
        QCOMPARE(sub->windowTitle(), menu);
        QCOMPARE(openWindowNames(), QStringList{menu});
        if (back == QStringLiteral("Command4"))
            QCOMPARE(control<QPushButton>(sub, back)->text(), QStringLiteral("返回主界面 BACK UP"));
        click(sub, back);
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
        // the menu comes back in its design state, nothing highlighted
        QWidget *main = window(QStringLiteral("主菜单"));
        for (const Entry &e : kEntries) QVERIFY(!isHighlighted(label(main, e.control)));
    }

    void listMenusShowTheirEntries() {
        struct Row {
            const char *entry, *menu, *title, *captions;
        };
        const Row rows[] = {
            {"Label8", "货油加热系统计算", "货油加热系统计算", "1、用蒸汽加热货油|  2、用热媒油加热货油"},
            {"Label11", "绝热计算", "绝   热   计   算", "  1、管子绝热包扎计算|  2、舱柜绝热包扎计算"},
            {"Label18", "通风风量计算", "通风风量计算",
             "1、机舱通风风量计算|2、规则舱室通风风量计算|3、不规则舱室通风风量计算"},
            {"Label21", "电缆框电缆筒电缆盒估算", "电缆框电缆筒电缆盒估算",
             "1、电缆框估算--用于非水密水平贯穿电缆|2、电缆筒估算--用于水密垂直贯穿电缆|3、电缆盒估算--用于水密水平贯穿电缆"},
            {"Label24", "构件几何特性计算", "构件几何特性计算",
             "1、T型材连同带板的剖面模数惯性矩计算|2、槽型舱壁剖面模数惯性矩计算"},
        };
        for (const Row &r : rows) {
            click(hanhai::shell::openStartWindow(), QString::fromUtf8(r.entry));
            QWidget *menu = window(QString::fromUtf8(r.menu));
            QVERIFY(menu);
            QCOMPARE(label(menu, "Label1")->text(), QString::fromUtf8(r.title));
            const QStringList captions = QString::fromUtf8(r.captions).split(QLatin1Char('|'));
            for (int i = 0; i < captions.size(); ++i) {
                QLabel *l = control<QLabel>(menu, QStringLiteral("Label%1").arg(i + 2));
                QVERIFY(l);
                QCOMPARE(l->text(), captions[i]);
                QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);
            }
            closeAll();
        }
    }

    void pictureMenusOpenTheirCalculators() {
        click(hanhai::shell::openStartWindow(), QStringLiteral("Label3"));
        QWidget *weights = window(QStringLiteral("重量计算"));
        QVERIFY(weights);
        QCOMPARE(control<QPushButton>(weights, QStringLiteral("Command1"))->text(), QStringLiteral("   槽钢   重量计算"));
        QCOMPARE(control<QPushButton>(weights, QStringLiteral("Command16"))->text(), QStringLiteral("  花钢板  重量计算"));
        QCOMPARE(text(weights, QStringLiteral("Label1")), QStringLiteral("说明：请选择要计算的项目，鼠标点击及可进入。"));
        click(weights, QStringLiteral("Label6"));
        click(window(QStringLiteral("主菜单")), QStringLiteral("Label14"));
        QWidget *volumes = window(QStringLiteral("体积计算"));
        QVERIFY(volumes);
        click(volumes, QStringLiteral("Command4"));
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("方形体计算")});
        click(window(QStringLiteral("方形体计算")), QStringLiteral("Command6"));
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("体积计算")});
    }

    void hoverHighlightsUntilTheMouseReachesTheBackground() {
        QWidget *menu = hanhai::shell::openStartWindow();
        QLabel *three = label(menu, "Label4"), *four = label(menu, "Label5"), *exit = label(menu, "Label10");
        moveOver(three);
        QVERIFY(isHighlighted(three));
        moveOver(four);  // straight from one entry onto the next: both stay highlighted
        QVERIFY(isHighlighted(three));
        QVERIFY(isHighlighted(four));
        moveOver(exit);
        QVERIFY(isHighlighted(exit));
        moveOver(label(menu, "Label1"));  // the welcome line is not background
        QVERIFY(isHighlighted(three));
        moveOverBackground(menu);
        for (const Entry &e : kEntries) {
            QLabel *l = label(menu, e.control);
            QVERIFY(!l->font().bold());
            QCOMPARE(l->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        }
        QVERIFY(!exit->font().bold());
        QCOMPARE(exit->palette().color(QPalette::WindowText), QColor(0, 128, 128));
    }

    void pictureMenuLinksTurnBoldOnly() {
        click(hanhai::shell::openStartWindow(), QStringLiteral("Label14"));
        QWidget *menu = window(QStringLiteral("体积计算"));
        QLabel *back = label(menu, "Label6"), *exit = label(menu, "Label7");
        QCOMPARE(back->text(), QStringLiteral("返回主界面BACK UP"));
        QCOMPARE(exit->text(), QStringLiteral("结束并退出EXIT"));
        moveOverBackground(menu);
        QVERIFY(!back->font().bold() && !exit->font().bold());
        moveOver(back);
        moveOver(exit);
        QVERIFY(back->font().bold() && exit->font().bold());
        QCOMPARE(back->palette().color(QPalette::WindowText), QColor(0, 64, 64));
        moveOver(control<QPushButton>(menu, QStringLiteral("Command1")));  // a button is not background
        QVERIFY(back->font().bold());
        moveOverBackground(menu);
        QVERIFY(!back->font().bold() && !exit->font().bold());
    }

    void logoOpensTheWebAddressAndNothingElse() {
        QList<QUrl> opened;
        auto previous = hanhai::shell::setUrlOpener([&](const QUrl &u) { opened << u; });
        QWidget *menu = hanhai::shell::openStartWindow();
        click(menu, QStringLiteral("Image1"));
        hanhai::shell::setUrlOpener(previous);
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.front().isValid());
        QCOMPARE(opened.front().scheme(), QStringLiteral("https"));
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
    }

    void everyExitControlEndsTheProgram_data() {
        QTest::addColumn<QStringList>("path");  // clicks from the main menu: window, control ...
        QTest::newRow("main menu") << QStringList{"主菜单", "Label10"};
        QTest::newRow("picture menu") << QStringList{"主菜单", "Label3", "重量计算", "Label7"};
        QTest::newRow("list menu") << QStringList{"主菜单", "Label24", "构件几何特性计算", "Command3"};
        QTest::newRow("calculator")
            << QStringList{"主菜单", "Label14", "体积计算", "Command6", "球体体积计算", "Command7"};
    }
    void everyExitControlEndsTheProgram() {
        QFETCH(QStringList, path);
        hanhai::shell::openStartWindow();
        for (int i = 0; i + 1 < path.size(); i += 2) click(window(path[i]), path[i + 1]);
        QCOMPARE(openWindowNames(), QStringList{});
    }

    void closingTheLastWindowEndsTheProgram() {
        // Qt ends the event loop when the last window that quits on close is closed.
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        click(hanhai::shell::openStartWindow(), QStringLiteral("Label14"));
        click(window(QStringLiteral("体积计算")), QStringLiteral("Command1"));
        QWidget *w = window(QStringLiteral("圆柱体体积计算"));
        QVERIFY(w->testAttribute(Qt::WA_QuitOnClose));
        w->close();
        QCOMPARE(openWindowNames(), QStringList{});
    }

    void theMessageBoxIsModalWithOneOkButton() {
        click(hanhai::shell::openStartWindow(), QStringLiteral("Label14"));
        click(window(QStringLiteral("体积计算")), QStringLiteral("Command1"));
        QWidget *cylinder = window(QStringLiteral("圆柱体体积计算"));
        QString title, textShown;
        int buttons = -1;
        bool iconless = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle();
            textShown = box->text();
            buttons = int(box->buttons().size());
            iconless = box->icon() == QMessageBox::NoIcon;
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        click(cylinder, QStringLiteral("Command2"));  // D empty: the input message
        QCOMPARE(title, QStringLiteral("瀚海算匠软件"));
        QCOMPARE(textShown, QStringLiteral("输入的半径R有误"));
        QCOMPARE(buttons, 1);
        QVERIFY(iconless);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(Navigation)
#include "gui_navigation.moc"
