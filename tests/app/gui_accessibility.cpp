// What a screen reader reads: every field, drop-down, check box, option, button and link of
// every window has a name a person can follow (its caption, and for a field with a unit the unit
// too), and every drawing and chart says what it shows.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>

#include <cstdio>

#include "app/screens.h"
#include "shell/ui/click_label.h"
#include "shell/ui/navigation.h"
#include "shell/ui/sketch.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

QString accessible(QWidget *w, QAccessible::Text kind) {
    QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
    return i ? i->text(kind).simplified() : QString();
}

// A field's name as the program gives it. (On Linux Qt reads a drop-down's text as its name and
// takes the given name as its label.)
QString name(QWidget *w) {
    if (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w))
        return w->accessibleName().simplified();
    return accessible(w, QAccessible::Name);
}

// The controls a user reaches, the program's own: Qt's inner parts of a drop-down, a date
// field or the month view are named by Qt.
bool interactive(QWidget *w) {
    if (w->objectName().startsWith(QLatin1String("qt_"))) return false;
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QCalendarWidget *>(p) || qobject_cast<QComboBox *>(p) || qobject_cast<QAbstractSpinBox *>(p))
            return false;
    return qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w) ||
           qobject_cast<QAbstractButton *>(w) || qobject_cast<hanhai::shell::ClickLabel *>(w);
}

QWidget *openAlone(const QString &name) {
    closeAll();
    QWidget *w = hanhai::shell::openScreen(name);
    settle();
    return w;
}

}  // namespace

class Accessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { hanhai::shell::installScreens(hanhai::app::screens()); }
    void cleanupTestCase() { closeAll(); }

    void everyControlHasAName() {
        QStringList missing;
        for (const hanhai::shell::ScreenEntry &e : hanhai::app::screens()) {
            if (!e.make) continue;
            const QString screen = QString::fromUtf8(e.name);
            QWidget *window = openAlone(screen);
            QVERIFY(window);
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (!interactive(w)) continue;
                const QString given = name(w);
                if (given.isEmpty() || given == w->objectName())
                    missing << QStringLiteral("%1 %2 (%3) \"%4\"").arg(screen, w->objectName(), w->metaObject()->className(), given);
            }
            for (QWidget *w : window->findChildren<QWidget *>())  // drawings are plain widgets, found by type
                if (dynamic_cast<hanhai::shell::DrawingView *>(w) && accessible(w, QAccessible::Description).isEmpty())
                    missing << screen + QStringLiteral(" a drawing");
        }
        for (const QString &m : missing) std::fprintf(stderr, "without a name: %s\n", qPrintable(m));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 controls without a name").arg(missing.size())));
    }

    // A field is named by its caption and its unit.
    void fieldsSayTheirUnit_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("an input") << "圆柱体体积计算" << "Text1" << "D--直径 mm";
        QTest::newRow("a result") << "圆柱体体积计算" << "Text3" << "体 积 m³";
        QTest::newRow("a drop-down") << "机舱通风风量计算" << "Combo2" << "冲程";
        QTest::newRow("a count by its check box") << "机舱通风风量计算" << "Text101" << "主机(柴油机) 台";
        QTest::newRow("a result under its heading") << "挠度计算" << "Text5" << "挠度值 mm";
        QTest::newRow("an array element") << "节流孔板计算" << "Text2(3)" << "局部损失系数ξ 第4行";
        QTest::newRow("a date") << "万年历计算" << "DTPicker2" << "第一日期：";
    }
    void fieldsSayTheirUnit() {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QWidget *window = openAlone(screen);
        QVERIFY(window);
        auto *w = window->findChild<QWidget *>(control);
        QVERIFY(w);
        QCOMPARE(::name(w), name);
    }

    // The pages that are pictures say what they show.
    void chartsAreDescribed_data() {
        QTest::addColumn<QString>("screen");
        QTest::newRow("boiler") << "锅炉热损失";
        QTest::newRow("exhaust") << "排气管热损失";
        QTest::newRow("threads") << "常用螺纹规格";
    }
    void chartsAreDescribed() {
        QFETCH(QString, screen);
        QWidget *window = openAlone(screen);
        QVERIFY(window);
        QVERIFY(!accessible(window, QAccessible::Description).isEmpty());
    }
};

QTEST_MAIN(Accessibility)
#include "gui_accessibility.moc"
