// The About page and the three reference pages, driven offscreen as the user meets them.
#include <QAbstractButton>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <map>

#include "shell/start.h"
#include "shell/ui/info_pages.h"
#include "shell/ui/navigation.h"
#include "support/gui_support.h"

using namespace guitest;
using hanhai::shell::showReferencePage;

namespace {

bool topToBottom(const QWidget *a, const QWidget *b) {
    const QPoint pa = a->mapTo(a->window(), QPoint()), pb = b->mapTo(b->window(), QPoint());
    return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
}

QList<QGroupBox *> frames(QWidget *page) {
    QList<QGroupBox *> boxes = page->findChildren<QGroupBox *>();
    std::sort(boxes.begin(), boxes.end(), topToBottom);
    return boxes;
}

// The texts a frame shows, top to bottom.
QStringList frameLines(QWidget *page, const QString &title) {
    for (QGroupBox *box : frames(page)) {
        if (box->title() != title) continue;
        QList<QLabel *> labels = box->findChildren<QLabel *>();
        std::sort(labels.begin(), labels.end(), topToBottom);
        QStringList texts;
        for (QLabel *l : labels) texts << l->text();
        return texts;
    }
    qWarning("no frame %s", qPrintable(title));
    return {};
}

// Every label shows its whole text inside its parent, and every frame stands inside the window.
void checkNothingClipped(QWidget *page) {
    for (QLabel *l : page->findChildren<QLabel *>()) {
        if (!l->isVisible()) continue;
        const QString what = l->text().left(12);
        QVERIFY2(l->parentWidget()->rect().contains(l->geometry()), qPrintable(what));
        if (l->wordWrap()) {
            QVERIFY2(l->height() >= l->heightForWidth(l->width()), qPrintable(what));
        } else {
            QVERIFY2(l->width() >= l->sizeHint().width(), qPrintable(what));
            QVERIFY2(l->height() >= l->sizeHint().height(), qPrintable(what));
        }
    }
    for (QGroupBox *box : page->findChildren<QGroupBox *>()) {
        QVERIFY2(page->rect().contains(box->geometry()), qPrintable(box->title()));
        QVERIFY2(box->height() >= box->minimumSizeHint().height(), qPrintable(box->title()));
    }
}

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

QWidget *openAboutPage() {
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label15"));
    return window(QStringLiteral("版体信息"));
}

const char *const kPurposes[] = {
    "1、本程序是为了更方便船舶设计的部份计算而编写，操作简单、方便、实用，同时也能够提高你的工作效率。",
    "2、本程序把船舶行业常用的钢板、槽钢、角钢等的重量计算归纳到一起，打破了以往查五金手册才能计算钢材重量的不便。以便\n"
    "在船舶设计时能够快速通过本程序计算出耗材的重量。",
    "3、本程序提供万年历计算、方便计算日期、天数。",
    "4、本程序提供舱柜加热计算，并可英文导出EXCEL作为理论依据，供船东参考。",
    "5、本程序提供管子的膨胀量计算，并可英文导出EXCEL作为理论依据，供船东参考，也可中文导出EXCEL作为理论依据。",
    "6、本程序提供流速与流量的相互转换。",
    "7、本程序提供节流孔板的局部压力计算，同亦能进行节流孔孔径计算。",
    "8、本程序提供管路及油舱柜的绝热包扎计算。",
    "9、本程序提供2-10根支管汇总成一根总管后不改变流通面积(流速)的情况下总管通径的估算。",
    "10、V2.8版增加球扁钢、方钢、风道等重量计算，增加螺栓扭力及通风风量计算，增加轴系轴径计算等。",
};

const char *const kThreads[][2] = {
    {"M8", "1.25, 1, 0.75, (0.5)"},
    {"M10", "1.5, 1.25, 1, 0.75, (0.5)"},
    {"M12", "1.75, 1.5, 1.25, 1, (0.75), (0.5)"},
    {"M14", "2, 1.5, (1.25), 1, (0.75), (0.5)"},
    {"M16", "2, 1.5, 1, (0.75), (0.5)"},
    {"M18", "2.5, 2, 1.5, 1, (0.75), (0.5)"},
    {"M20", "2.5, 2, 1.5, 1, (0.75), (0.5)"},
    {"M24", "3, 2, 1.5, 1, (0.75)"},
    {"M27", "3, 2, 1.5, 1, (0.75)"},
    {"M30", "3.5, (3), 2, 1.5, 1, (0.75)"},
    {"M33", "3.5, (3), 2, 1.5, (1), (0.75)"},
    {"M36", "4, 3, 2, 1.5, (1)"},
    {"M39", "4, 3, 2, 1.5, (1)"},
    {"M42", "4.5, (4), 3, 2, 1.5, (1)"},
    {"M48", "5, (4), 3, 2, 1.5, (1)"},
    {"M52", "5, (4), 3, 2, 1.5, (1)"},
    {"M56", "5.5, 4, 3, 2, 1.5, (1)"},
    {"M60", "(5.5), 4, 3, 2, 1.5, (1)"},
    {"M64", "6, 4, 3, 2, 1.5, (1)"},
    {"M68", "6, 4, 3, 2, 1.5, (1)"},
    {"M72", "6, 4, 3, 2, 1.5, (1)"},
    {"M76", "6, 4, 3, 2, 1.5, (1)"},
    {"M80", "6, 4, 3, 2, 1.5, (1)"},
};

}  // namespace

class InfoPages : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { closeAll(); }

    void aboutPageReplacesTheMainMenu() {
        QWidget *page = openAboutPage();
        QVERIFY(page);
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("版体信息")});
        QCOMPARE(page->windowTitle(), QStringLiteral("版本信息"));
        QCOMPARE(page->minimumSize(), page->maximumSize());
        QVERIFY(page->width() >= 700 && page->width() <= 820);
        QVERIFY(page->height() >= 580 && page->height() <= 680);
        QCOMPARE(page->palette().color(QPalette::Window), QColor(214, 255, 214));

        QStringList titles;
        for (QGroupBox *box : frames(page)) titles << box->title();
        QCOMPARE(titles, (QStringList{"版体信息", "程序设计的目的", "其它声明", "编者简介"}));

        const QStringList version = frameLines(page, QStringLiteral("版体信息"));
        QCOMPARE(version.size(), 3);
        QVERIFY(version[0].startsWith(QStringLiteral("1、")) && version[0].contains(QStringLiteral("V2.8")));
        QVERIFY(version[1].startsWith(QStringLiteral("2、")));
        QCOMPARE(version[2], QStringLiteral("3、希望大家能给我宝贵的建议，让程序更加丰富、界面更友好、操作更简便。"));

        QStringList purposes;
        for (const char *p : kPurposes) purposes << QString::fromUtf8(p);
        QCOMPARE(frameLines(page, QStringLiteral("程序设计的目的")), purposes);

        for (const char *title : {"其它声明", "编者简介"}) {
            const QStringList lines = frameLines(page, QString::fromUtf8(title));
            QVERIFY2(!lines.isEmpty() && !lines.join(QString()).trimmed().isEmpty(), title);
        }
        checkNothingClipped(page);
    }

    void exitLinkSitsBottomLeftWithASignatureOpposite() {
        QWidget *page = openAboutPage();
        QLabel *exit = control<QLabel>(page, QStringLiteral("Label11"));
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("EXIT PROGRAM"));
        QCOMPARE(exit->font().pointSizeF(), 18.0);
        QVERIFY(exit->font().bold());
        QCOMPARE(exit->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QVERIFY(exit->alignment() & Qt::AlignHCenter);
        QVERIFY(!exit->autoFillBackground());
        QCOMPARE(exit->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(exit->geometry().right() < page->width() / 2);
        QVERIFY(exit->y() > page->height() * 3 / 4);

        // a signature line opposite, on the window itself
        bool signed_ = false;
        for (QLabel *l : page->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            signed_ = signed_ || (l != exit && !l->text().trimmed().isEmpty() && l->x() > page->width() / 2 &&
                                  l->y() > page->height() * 3 / 4);
        QVERIFY(signed_);
    }

    void exitLinkHighlightsUntilTheMouseReachesTheBackground() {
        QWidget *page = openAboutPage();
        QLabel *exit = control<QLabel>(page, QStringLiteral("Label11"));
        auto isRed = [exit] { return exit->font().bold() && exit->palette().color(QPalette::WindowText) == QColor(255, 0, 0); };
        auto isResting = [exit] {
            return !exit->font().bold() && exit->palette().color(QPalette::WindowText) == QColor(0, 128, 0);
        };
        moveOverBackground(page);
        QVERIFY(isResting());
        moveOver(exit);
        QVERIFY(isRed());
        // frames and their texts are not the background: the link stays highlighted
        QGroupBox *purpose = frames(page).at(1);
        moveOver(purpose);
        moveOver(purpose->findChildren<QLabel *>().front());
        QVERIFY(isRed());
        moveOverBackground(page);
        QVERIFY(isResting());
        moveOver(exit);
        QVERIFY(isRed());
    }

    void exitLinkEndsTheProgram() {
        QWidget *page = openAboutPage();
        QVERIFY(showReferencePage(QStringLiteral("常用螺纹规格")));  // every window goes, not just this one
        click(page, QStringLiteral("Label11"));
        QCOMPARE(openWindowNames(), QStringList{});
    }

    void referencePagesOpenAsPictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::newRow("threads") << QStringLiteral("常用螺纹规格") << QSize(410, 465);
        QTest::newRow("boiler") << QStringLiteral("锅炉热损失") << QSize(820, 650);
        QTest::newRow("exhaust") << QStringLiteral("排气管热损失") << QSize(885, 725);
    }
    void referencePagesOpenAsPictures() {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QWidget *page = showReferencePage(name);
        QVERIFY(page);
        QCOMPARE(openWindowNames(), QStringList{name});
        QCOMPARE(page->objectName(), name);
        QCOMPARE(page->windowTitle(), name);
        QCOMPARE(page->minimumSize(), page->maximumSize());
        QVERIFY2(std::abs(page->width() - size.width()) <= size.width() / 10, qPrintable(QString::number(page->width())));
        QVERIFY2(std::abs(page->height() - size.height()) <= size.height() / 10,
                 qPrintable(QString::number(page->height())));
        QCOMPARE(page->palette().color(QPalette::Window), QColor(Qt::white));
        QVERIFY(page->findChildren<QAbstractButton *>().isEmpty());
        QVERIFY(page->findChildren<QLineEdit *>().isEmpty());

        // mostly white paper with something drawn on it
        const QImage shot = page->grab().toImage();
        int white = 0, ink = 0;
        for (int y = 0; y < shot.height(); y += 3)
            for (int x = 0; x < shot.width(); x += 3) {
                const QColor c = shot.pixelColor(x, y);
                if (c == Qt::white) ++white;
                else if (c.lightness() < 160) ++ink;
            }
        QVERIFY(white > ink);
        QVERIFY(ink > 200);
        checkNothingClipped(page);
    }

    void threadTableListsEverySize() {
        QWidget *page = showReferencePage(QStringLiteral("常用螺纹规格"));
        QVERIFY(page);
        std::map<int, QList<QLabel *>> rows;  // by height on the page
        for (QLabel *l : page->findChildren<QLabel *>())
            if (!l->text().isEmpty()) rows[l->geometry().center().y()] << l;
        QCOMPARE(int(rows.size()), 24);
        QStringList shown;
        for (auto &[y, labels] : rows) {
            QCOMPARE(labels.size(), 2);
            std::sort(labels.begin(), labels.end(), topToBottom);
            shown << labels[0]->text() + QLatin1Char('|') + labels[1]->text();
        }
        QStringList expected{QStringLiteral("螺纹规格|螺距")};
        for (const auto &row : kThreads) expected << QString::fromUtf8(row[0]) + QLatin1Char('|') + QString::fromUtf8(row[1]);
        QCOMPARE(shown, expected);
    }

    void referencePageComesForwardOnceOverItsCalculator() {
        QWidget *calculator = hanhai::shell::openScreen(QStringLiteral("圆柱体体积计算"));
        QVERIFY(calculator);
        type(calculator, QStringLiteral("Text1"), QStringLiteral("12.5"));

        QWidget *page = showReferencePage(QStringLiteral("常用螺纹规格"));
        QVERIFY(page && page != calculator);
        calculator->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(calculator));

        QCOMPARE(showReferencePage(QStringLiteral("常用螺纹规格")), page);
        QVERIFY(QTest::qWaitForWindowActive(page));
        QCOMPARE(openWindowNames(), sorted({"圆柱体体积计算", "常用螺纹规格"}));
        QCOMPARE(text(calculator, QStringLiteral("Text1")), QStringLiteral("12.5"));

        // the charts open beside it too, each once
        QWidget *boiler = showReferencePage(QStringLiteral("锅炉热损失"));
        QCOMPARE(showReferencePage(QStringLiteral("锅炉热损失")), boiler);
        QCOMPARE(openWindowNames(), sorted({"圆柱体体积计算", "常用螺纹规格", "锅炉热损失"}));

        // closing a page leaves the calculator as it was; asking again builds the page afresh
        page->close();
        boiler->close();
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("圆柱体体积计算")});
        QCOMPARE(text(calculator, QStringLiteral("Text1")), QStringLiteral("12.5"));
        QWidget *again = showReferencePage(QStringLiteral("常用螺纹规格"));
        QVERIFY(again && again->isVisible());
        QCOMPARE(openWindowNames(), sorted({"圆柱体体积计算", "常用螺纹规格"}));
    }
};

QTEST_MAIN(InfoPages)
#include "gui_info_pages.moc"
