// The perpetual calendar: a month view, a running clock, a date moved by some days and the days
// between two dates.
#include "tools/ui/calendar_screen.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "shell/ui/calculator.h"
#include "shell/ui/look.h"
#include "tools/core/calendar.h"

namespace hanhai::tools {

namespace {

namespace look = shell::look;
using shell::Outcome;

const QString kName = QStringLiteral("万年历计算");
const QColor kBackground{236, 232, 255};  // pale lavender
const QLocale kChinese{QLocale::Chinese, QLocale::China};
const QDate kFirst{kFirstDate.year, kFirstDate.month, kFirstDate.day};
const QDate kLast{kLastDate.year, kLastDate.month, kLastDate.day};

ClockReading clockReading = nullptr;

QDateTime now() { return clockReading ? clockReading() : QDateTime::currentDateTime(); }

// The four notes keep their runs of blanks: each run fills its line, so the words after it
// begin the next line, as long as the note is set exactly as wide as its longest line.
const QStringList kNotes = {
    QStringLiteral("1、type1中是已知某一天日期，计算其之前或之后     X天时的日期。"),
    QStringLiteral("2、type1中操作简单，先选择日期或输入日期，然     后输入天数，点击“向后”按钮及可算出之后的    日期，点击“向前”及可得出之前的日期。"),
    QStringLiteral("3、type2中是已知某两个日期，计算其之间相差的     天数。"),
    QStringLiteral("4、type2中操作简单，选择或输入两个日期，然后     单击“计算结果”按钮及可得两日期相差的天数。"),
};

QLabel *notesLabel(QWidget *parent) {
    const QFont font = look::song(10.5);
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QString &note : kNotes)
        for (const QString &line : note.split(QRegularExpression(QStringLiteral(" {3,}"))))
            width = std::max(width, metrics.horizontalAdvance(line));
    QLabel *l = look::label(parent, QString(), kNotes.join(QLatin1Char('\n')), font);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    // Room for a line and a little more, but not for the first word after its blanks.
    l->setFixedWidth(width + metrics.horizontalAdvance(QStringLiteral("中")) / 3);
    return l;
}

// A picker takes a date typed whole, "2008-01-31": typed over a full selection, the digits start
// at the year; and a "-" typed where a completed section has already moved on to the next one
// is passed over instead of skipping that section too. Its pop-up calendar, slow to build, is
// made when it is first asked for.
class DatePicker : public QDateTimeEdit {
public:
    using QDateTimeEdit::QDateTimeEdit;

protected:
    void mousePressEvent(QMouseEvent *event) override {
        preparePopup();
        QDateTimeEdit::mousePressEvent(event);
    }

    void keyPressEvent(QKeyEvent *event) override {
        if (event->key() == Qt::Key_F4 || (event->modifiers() & Qt::AltModifier)) preparePopup();
        const QString typed = event->text();
        const QLineEdit *edit = lineEdit();
        if (typed.size() == 1 && typed[0].isDigit() && edit->selectedText() == edit->text()) setSelectedSection(YearSection);
        const int at = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        if (typed == QStringLiteral("-") && at > 0 && edit->text().at(at - 1) == QLatin1Char('-')) {
            event->accept();
            return;
        }
        QDateTimeEdit::keyPressEvent(event);
    }

private:
    void preparePopup() {
        if (popupReady_) return;
        popupReady_ = true;
        calendarWidget()->setLocale(kChinese);
        calendarWidget()->setFirstDayOfWeek(Qt::Sunday);
    }

    bool popupReady_ = false;
};

// A picker shows a date and keeps the time of day it was given. It counts in universal time,
// so that no change to or from summer time ever moves the kept time of day.
QDateTimeEdit *picker(QWidget *parent, const QString &name) {
    auto *p = new DatePicker(parent);
    p->setObjectName(name);
    p->setFont(look::song(12));
    p->setLocale(kChinese);
    p->setTimeSpec(Qt::UTC);
    p->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    p->setDateRange(kFirst, kLast);
    p->setCalendarPopup(true);
    p->setMinimumWidth(140);
    return p;
}

QLabel *caption(QWidget *parent, const QString &text) {
    QLabel *l = look::label(parent, QString(), text, look::song(12));
    look::shadeCaption(l);
    return l;
}

Moment momentOf(const QDateTimeEdit *p) {
    const QDateTime t = p->dateTime();
    return {{t.date().year(), t.date().month(), t.date().day()}, t.time().msecsSinceStartOfDay()};
}

QDateTimeEdit *pickerOf(const QWidget *s, const char *name) { return s->findChild<QDateTimeEdit *>(QString::fromLatin1(name)); }

// "向 后" with sign 1, "向 前" with sign −1: the picked date moved by the days in Text1.
Outcome offset(const shell::CalculatorScreen *s, double sign) {
    const std::optional<Moment> moved = addDays(momentOf(pickerOf(s, "DTPicker1")), sign * s->fields().number("Text1"));
    if (!moved) return Outcome().notice(shell::kInvalidResult).setText("Text2", QString());
    return Outcome().setText("Text2", QString::fromStdString(dateText(moved->date)));
}

Outcome difference(const shell::CalculatorScreen *s) {
    return Outcome().set("Text3", daysBetween(momentOf(pickerOf(s, "DTPicker2")), momentOf(pickerOf(s, "DTPicker3"))));
}

QGroupBox *frame(shell::CalculatorScreen *s, const QString &control, const QString &title) {
    QGroupBox *f = s->addFrame(control, title);
    f->setFont(look::song(12));
    return f;
}

// Caption and picker, lined up with the rows of fields below them.
QGridLayout *pickerRows(QWidget *parent, const std::vector<std::pair<QString, QString>> &rows) {
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    int line = 0;
    for (const auto &[name, text] : rows) {
        grid->addWidget(caption(parent, text), line, 0);
        grid->addWidget(picker(parent, name), line++, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(3, 1);
    return grid;
}

constexpr int kCaptionWidth = 112;

}  // namespace

void setCalendarClock(ClockReading clock) { clockReading = clock; }

QWidget *makeCalendarScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kBackground, nullptr);
    QVBoxLayout *root = s->titledColumn(QStringLiteral("万 年 历 计 算"));
    auto *body = new QHBoxLayout;
    body->setSpacing(18);
    root->addLayout(body, 1);

    // Left: the month, the clock and the notes.
    auto *left = new QVBoxLayout;
    left->setSpacing(8);
    auto *month = new QCalendarWidget(s);
    month->setObjectName(QStringLiteral("MonthView1"));
    month->setFont(look::song(10.5));
    month->setLocale(kChinese);
    month->setFirstDayOfWeek(Qt::Sunday);  // as the pickers' pop-ups
    month->setDateRange(kFirst, kLast);
    month->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    left->addWidget(month);
    QLabel *clock = look::label(s, QStringLiteral("Label13"), QString(), look::xinwei(18, true), look::kDarkTeal);
    clock->setAlignment(Qt::AlignCenter);
    left->addWidget(clock);
    QGroupBox *notes = s->addFrame(QStringLiteral("Frame3"), QStringLiteral("说明"));
    auto *nl = new QVBoxLayout(notes);
    nl->addWidget(notesLabel(notes));
    left->addWidget(notes);
    left->addStretch(1);
    body->addLayout(left);

    // Right: the two calculations, then back and exit.
    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    body->addLayout(right, 1);
    shell::RowStyle in = shell::inputRowStyle(), out = shell::resultRowStyle();
    in.fieldWidth = 140;
    out.fieldWidth = 140;

    QGroupBox *type1 = frame(s, QStringLiteral("Frame1"), QStringLiteral("type1"));
    auto *t1 = new QVBoxLayout(type1);
    t1->setSpacing(8);
    QGridLayout *start = pickerRows(type1, {{QStringLiteral("DTPicker1"), QStringLiteral("日期：")}});
    QGridLayout *days = s->addRows(type1, {shell::number("Text1", QString(), QStringLiteral("天"))}, in);
    s->findChild<QWidget *>(QStringLiteral("Text1"))->setAccessibleName(QStringLiteral("天数"));
    auto *moves = new QHBoxLayout;
    moves->addWidget(s->addButton(QStringLiteral("Command1"), QStringLiteral("向 后"), [s] { s->show(offset(s, 1), true); }));
    moves->addWidget(s->addButton(QStringLiteral("Command2"), QStringLiteral("向 前"), [s] { s->show(offset(s, -1), true); }));
    QGridLayout *moved = s->addRows(type1, {shell::result("Text2", QStringLiteral("结果日期："), QString(), shell::general())}, out);
    for (QGridLayout *g : {start, days, moved}) {
        // A column with no caption in it has no spacing after it: the field makes up for it.
        g->setColumnMinimumWidth(0, g == days ? kCaptionWidth + days->horizontalSpacing() : kCaptionWidth);
        g->setColumnStretch(3, 1);
        t1->addLayout(g);
        if (g == days) t1->addLayout(moves);
    }
    right->addWidget(type1);

    QGroupBox *type2 = frame(s, QStringLiteral("Frame2"), QStringLiteral("type2"));
    auto *t2 = new QVBoxLayout(type2);
    t2->setSpacing(8);
    QGridLayout *dates = pickerRows(type2, {{QStringLiteral("DTPicker2"), QStringLiteral("第一日期：")},
                                            {QStringLiteral("DTPicker3"), QStringLiteral("第二日期：")}});
    dates->setColumnMinimumWidth(0, kCaptionWidth);
    t2->addLayout(dates);
    QPushButton *compute = s->addButton(QStringLiteral("Command5"), QStringLiteral("计算结果"), [s] { s->show(difference(s), true); });
    t2->addWidget(compute, 0, Qt::AlignHCenter);
    QGridLayout *apart = s->addRows(type2, {shell::result("Text3", QStringLiteral("相差日期："), QStringLiteral("天"), shell::general())}, out);
    apart->setColumnMinimumWidth(0, kCaptionWidth);
    apart->setColumnStretch(3, 1);
    t2->addLayout(apart);
    right->addWidget(type2);
    right->addStretch(1);

    QPushButton *back = s->makeBackButton(QStringLiteral("Command4"));
    QPushButton *exit = s->makeExitButton(QStringLiteral("Command3"));
    right->addWidget(back, 0, Qt::AlignRight);
    right->addWidget(exit, 0, Qt::AlignRight);
    s->finish();

    // One reading of the clock sets the month and all three pickers, so two picked dates are
    // always whole days apart.
    const QDateTime opened = now();
    month->setSelectedDate(opened.date());
    month->setCurrentPage(opened.date().year(), opened.date().month());
    for (const char *name : {"DTPicker1", "DTPicker2", "DTPicker3"})
        pickerOf(s, name)->setDateTime(QDateTime(opened.date(), opened.time(), Qt::UTC));

    auto showTime = [clock] { clock->setText(QStringLiteral("现在：") + now().toString(QStringLiteral("HH:mm:ss"))); };
    showTime();
    auto *timer = new QTimer(s);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setInterval(500);
    QObject::connect(timer, &QTimer::timeout, clock, showTime);
    timer->start();

    // Tab order: the date moved, the days between, then the month, back and exit.
    QWidget *order[] = {pickerOf(s, "DTPicker1"), s->findChild<QLineEdit *>("Text1"), s->findChild<QWidget *>("Command1"),
                        s->findChild<QWidget *>("Command2"), s->findChild<QLineEdit *>("Text2"), pickerOf(s, "DTPicker2"),
                        pickerOf(s, "DTPicker3"), compute, s->findChild<QLineEdit *>("Text3"), month, back, exit};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    s->setFirstField(order[0]);
    return s;
}

}  // namespace hanhai::tools
