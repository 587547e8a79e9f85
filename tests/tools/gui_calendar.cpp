// The perpetual calendar through its real window, on a clock the test sets: dates typed into
// the pickers or picked from their pop-up calendars, moved by some days, and counted apart.
#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QPointer>
#include <QTimer>

#include "shell/start.h"
#include "support/gui_support.h"
#include "tools/ui/calendar_screen.h"

using namespace guitest;

namespace {

QDateTime clockTime;  // what the screen reads as now
QDateTime testClock() { return clockTime; }

const QDateTime kOpened{QDate(2008, 1, 31), QTime(18, 0, 0, 250)};

QWidget *openCalendar() {
    clockTime = kOpened;
    click(hanhai::shell::openStartWindow(), QStringLiteral("Label6"));
    return window(QStringLiteral("万年历计算"));
}

QDateTimeEdit *picker(QWidget *w, const QString &name) { return control<QDateTimeEdit>(w, name); }

// Types a date into a picker as the user does: into the picker, over what it shows.
void typeDate(QWidget *w, const QString &name, const QString &date) {
    QDateTimeEdit *p = picker(w, name);
    p->setFocus();
    p->selectAll();
    QTest::keyClicks(p, date);
    QTest::keyClick(p, Qt::Key_Tab);
    settle();
}

}  // namespace

class CalendarScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { hanhai::tools::setCalendarClock(testClock); }
    void cleanup() { closeAll(); }

    void opensOnOneReadingOfTheClock() {
        QWidget *w = openCalendar();
        QVERIFY(w);
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("万年历计算")});
        QCOMPARE(control<QCalendarWidget>(w, "MonthView1")->selectedDate(), kOpened.date());
        for (const char *name : {"DTPicker1", "DTPicker2", "DTPicker3"}) {
            QDateTimeEdit *p = picker(w, name);
            QCOMPARE(p->text(), QStringLiteral("2008-01-31"));
            QCOMPARE(p->time(), kOpened.time());
        }
        for (const char *field : {"Text1", "Text2", "Text3"}) QCOMPARE(text(w, field), QString());
        QCOMPARE(w->focusWidget(), picker(w, "DTPicker1"));
        QCOMPARE(text(w, "Label13"), QStringLiteral("现在：18:00:00"));
        click(w, "Command1");  // Text1 is empty: today itself
        QCOMPARE(text(w, "Text2"), QStringLiteral("2008-01-31"));
    }

    void theClockTicksWhileTheScreenIsOpen() {
        QWidget *w = openCalendar();
        auto *timer = control<QTimer>(w, "Timer1");
        QCOMPARE(timer->interval(), 500);
        clockTime = QDateTime(QDate(2008, 2, 1), QTime(7, 5, 9));
        QTRY_COMPARE_WITH_TIMEOUT(text(w, "Label13"), QStringLiteral("现在：07:05:09"), 2000);
        const QPointer<QTimer> kept(timer);
        click(w, "Command4");
        QCOMPARE(openWindowNames(), QStringList{QStringLiteral("主菜单")});
        QVERIFY(!kept);  // leaving the screen stops the clock
    }

    void movesATypedDate_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("days");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shown");
        QTest::newRow("after 30") << "2008-01-31" << "30" << "Command1" << "2008-03-01";
        QTest::newRow("before 30") << "2008-01-31" << "30" << "Command2" << "2008-01-01";
        QTest::newRow("leap day") << "2008-02-28" << "1" << "Command1" << "2008-02-29";
        QTest::newRow("1900 has none") << "1900-02-28" << "1" << "Command1" << "1900-03-01";
        QTest::newRow("no number") << "2008-05-17" << "abc" << "Command2" << "2008-05-17";
        QTest::newRow("leading number") << "2008-01-31" << "1,5天" << "Command1" << "2008-02-01";
        // The time of day, 18:00, goes with the date: six hours reach midnight.
        QTest::newRow("quarter after") << "2008-01-31" << "0.25" << "Command1" << "2008-02-01";
        QTest::newRow("18 hours and a bit before") << "2008-01-31" << "0.76" << "Command2" << "2008-01-30";
        QTest::newRow("to the last day") << "9999-12-01" << "30" << "Command1" << "9999-12-31";
    }
    void movesATypedDate() {
        QFETCH(QString, date);
        QFETCH(QString, days);
        QFETCH(QString, button);
        QFETCH(QString, shown);
        Messages messages;
        QWidget *w = openCalendar();
        typeDate(w, "DTPicker1", date);
        QCOMPARE(picker(w, "DTPicker1")->date(), QDate::fromString(date, Qt::ISODate));
        QCOMPARE(picker(w, "DTPicker1")->time(), kOpened.time());
        type(w, "Text1", days);
        click(w, button);
        QCOMPARE(text(w, "Text2"), shown);
        QCOMPARE(messages.texts, QStringList());
    }

    void aDatePastTheLastOneIsNoAnswer() {
        Messages messages;
        QWidget *w = openCalendar();
        type(w, "Text1", "2");
        click(w, "Command1");
        click(w, "Command5");
        QCOMPARE(text(w, "Text2"), QStringLiteral("2008-02-02"));
        for (QString days : {"3000000", "1e400"}) {
            type(w, "Text1", days);
            click(w, "Command1");
            QCOMPARE(messages.takeOne(), QStringLiteral("计算结果无效，请检查输入的数据"));
            QCOMPARE(text(w, "Text2"), QString());
            QCOMPARE(text(w, "Text3"), QStringLiteral("0"));
        }
    }

    void countsTheDaysBetweenTypedDates() {
        QWidget *w = openCalendar();
        const char *rows[][3] = {{"2008-01-01", "2008-03-01", "60"}, {"2008-03-01", "2008-01-01", "60"},
                                 {"1986-05-20", "2008-04-18", "8004"}};
        for (const auto &[first, second, shown] : rows) {
            typeDate(w, "DTPicker2", first);
            typeDate(w, "DTPicker3", second);
            click(w, "Command5");
            QCOMPARE(text(w, "Text3"), QString::fromLatin1(shown));
        }
    }

    void aDatePickedFromThePopUpKeepsTheTime() {
        QWidget *w = openCalendar();
        QDateTimeEdit *p = picker(w, "DTPicker3");
        QCalendarWidget *month = p->calendarWidget();
        p->setFocus();
        QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(p->width() - 8, p->height() / 2));  // the arrow
        QTRY_VERIFY(month->isVisible());
        QTest::keyClick(month->focusWidget(), Qt::Key_Right);
        QTest::keyClick(month->focusWidget(), Qt::Key_Down);
        QTest::keyClick(month->focusWidget(), Qt::Key_Return);
        settle();
        QCOMPARE(p->dateTime(), QDateTime(QDate(2008, 2, 8), kOpened.time(), Qt::UTC));
        click(w, "Command5");
        QCOMPARE(text(w, "Text3"), QStringLiteral("8"));
    }
};

QTEST_MAIN(CalendarScreen)
#include "gui_calendar.moc"
