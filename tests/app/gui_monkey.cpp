// Hostile use of every window of the program: a fixed-seed random sequence of actions per
// screen, hostile texts in every field, picks and typed non-entries in every drop-down, clicks
// on every button, option, check box and link (back and exit included, the screen reopened
// after), Enter, Escape and Tab. After each action no shown text may hold inf, nan or a
// negative zero, and every message box must have its title and a text.
//
// HANHAI_MONKEY_SEED, HANHAI_MONKEY_ACTIONS (per screen) and HANHAI_MONKEY_SCREEN (one screen
// by name) run it longer or narrower by hand. Each screen's slowest action is printed (by the
// median of its plays; a step of navigation not counted; a message box counted until it is
// shown): scripts/speed.sh reads it.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>
#include <cstdio>

#include <QHash>

#include "app/screens.h"
#include "shell/ui/click_label.h"
#include "shell/ui/navigation.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

QStringList hostileTexts() {
    QStringList t = {
        QString(10000, QLatin1Char('7')),
        QStringLiteral("汉字مرحباשלוםЖЖ abc 123"),
        QStringLiteral("\u202Eالعربية 12.5\u202C"),  // right-to-left
        QStringLiteral("😀👍🏽🚢 1.5"),
        QStringLiteral("\x01\x02\x1b\x7f 3"),
        QStringLiteral("1e308"), QStringLiteral("-1e308"), QStringLiteral("1e-320"), QStringLiteral("1e999"),
        QString(400, QLatin1Char('9')),
        QStringLiteral("&HFFFFFFFFFFFF"), QStringLiteral("&O7777777777777"),
        QStringLiteral("-0"), QStringLiteral("."), QStringLiteral("-"), QStringLiteral("+-1"),
        QStringLiteral("\t1\t2\t"), QString(),
        // ordinary values, so that the computations get past their checks too
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2.5"), QStringLiteral("10"), QStringLiteral("100"),
        QStringLiteral("1000"), QStringLiteral("-3"), QStringLiteral("0.7MPa"), QStringLiteral("2008-01-31"),
    };
    return t;
}

// Whole-word inf and nan, and a negative zero standing alone ("-0", "-0.00").
const QRegularExpression kBadText(QStringLiteral(R"((?<![A-Za-z])(inf|nan)(?![A-Za-z])|(?<![\d.])-0(\.0*)?(?![\d.]))"),
                                  QRegularExpression::CaseInsensitiveOption);

int environment(const char *name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

// Keys exist for printable ASCII; other signs come through the input method (typeText).
bool typable(const QString &text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    return true;
}

bool usable(QWidget *w) { return w->isVisible() && w->isEnabled(); }

template <class T>
QList<T *> usableIn(QWidget *window) {
    QList<T *> out;
    for (T *w : window->findChildren<T *>())
        if (usable(w)) out << w;
    return out;
}

}  // namespace

class Monkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        hanhai::shell::installScreens(hanhai::app::screens());
        home_ = new Home;
        // Message boxes, list pop-ups and pop-up calendars are answered as they appear.
        auto *closer = new QTimer(this);
        closer->setInterval(0);
        connect(closer, &QTimer::timeout, this, &Monkey::answerModals);
        closer->start();
    }

    void cleanupTestCase() {
        closeAll();
        delete home_;
    }

    void everyScreenSurvives_data() {
        QTest::addColumn<QString>("name");
        const QString only = qEnvironmentVariable("HANHAI_MONKEY_SCREEN");
        for (const hanhai::shell::ScreenEntry &e : hanhai::app::screens()) {
            const QString name = QString::fromUtf8(e.name);
            if (e.make && (only.isEmpty() || only == name)) QTest::newRow(e.name) << name;
        }
    }

    void everyScreenSurvives() {
        QFETCH(QString, name);
        const int actions = environment("HANHAI_MONKEY_ACTIONS", 2000);
        QRandomGenerator random(static_cast<quint32>(environment("HANHAI_MONKEY_SEED", 20261209)) ^
                                static_cast<quint32>(qHash(name)));
        closeAll();
        QPointer<QWidget> screen = hanhai::shell::openScreen(name);
        QVERIFY(screen);
        QHash<QString, QList<qint64>> times;  // by action, on-screen actions only
        for (int i = 0; i < actions; ++i) {
            QElapsedTimer clock;
            clock.start();
            const QString action = act(screen, random);
            const qint64 took = clock.nsecsElapsed();
            settle();
            QVERIFY2(clock.elapsed() < 5000, qPrintable(QStringLiteral("action %1 took %2 ms").arg(i).arg(clock.elapsed())));
            if (!action.isEmpty() && !navigated(screen)) times[action] << took;
            checkShownTexts(name, i);
            QVERIFY2(badBoxes_.isEmpty(), qPrintable(badBoxes_.join(QLatin1Char('\n'))));
            QVERIFY2(bad_.isEmpty(), qPrintable(bad_.join(QLatin1Char('\n'))));
            // Only the screen under test stays: what it opened is closed, and it is reopened
            // after its back or exit button (or a menu entry) closed it.
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w != screen && w->isVisible() && !qobject_cast<QMessageBox *>(w)) w->close();
            if (!screen || !screen->isVisible()) {
                settle();
                typed_.clear();
                screen = hanhai::shell::openScreen(name);
                QVERIFY(screen);
            }
        }
        // The slowest action is the one whose plays take longest in the median, so that a
        // moment when the machine was busy elsewhere does not count; the single slowest play
        // is printed beside it.
        double slowest = 0, slowestPlay = 0;
        QString slowestAction;
        for (auto it = times.begin(); it != times.end(); ++it) {
            QList<qint64> &t = it.value();
            std::sort(t.begin(), t.end());
            slowestPlay = std::max(slowestPlay, static_cast<double>(t.back()) / 1e6);
            const double median = static_cast<double>(t[t.size() / 2]) / 1e6;
            if (median > slowest) {
                slowest = median;
                slowestAction = it.key();
            }
        }
        std::printf("monkey: %s: %d actions, %d message boxes, slowest action %.2f ms (%s), slowest single play %.2f ms\n",
                    qPrintable(name), actions, boxes_, slowest, qPrintable(slowestAction), slowestPlay);
        boxes_ = 0;
    }

private:
    // Whether the last action left the screen or opened another window: a step of navigation,
    // timed apart from the clicks that answer on the screen itself.
    static bool navigated(const QWidget *screen) {
        if (!screen || !screen->isVisible()) return true;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != screen && w->isVisible() && !qobject_cast<QMessageBox *>(w)) return true;
        return false;
    }

    // Plays one random action; says what it did.
    QString act(QWidget *screen, QRandomGenerator &random) {
        static const QStringList texts = hostileTexts();
        const int kind = random.bounded(100);
        if (kind < 40) {  // a text into a field
            const auto fields = usableIn<QLineEdit>(screen);
            if (fields.isEmpty()) return {};
            QLineEdit *e = fields[random.bounded(fields.size())];
            const QString text = texts[random.bounded(texts.size())];
            e->setFocus();
            e->selectAll();
            if (text.size() < 20 && typable(text) && random.bounded(2)) {
                QTest::keyClick(e, Qt::Key_Delete);
                typeText(e, text);
            } else {
                e->insert(text);  // as typed or pasted: the edit signals go out
            }
            typed_[e] = e->text();
            return QStringLiteral("typing into ") + e->objectName();
        } else if (kind < 55) {  // a drop-down: an entry by the keyboard, or a typed non-entry
            const auto boxes = usableIn<QComboBox>(screen);
            if (boxes.isEmpty()) return {};
            QComboBox *box = boxes[random.bounded(boxes.size())];
            box->setFocus();
            if (box->isEditable() && random.bounded(3) == 0) {
                box->lineEdit()->selectAll();
                box->lineEdit()->insert(texts[random.bounded(texts.size())]);
                typed_[box->lineEdit()] = box->currentText();
                if (random.bounded(2)) QTest::keyClick(box->lineEdit(), Qt::Key_Return);
            } else {
                QTest::keyClick(box, random.bounded(2) ? Qt::Key_Down : Qt::Key_Up);
            }
            return QStringLiteral("a pick in ") + box->objectName();
        } else if (kind < 85) {  // a click on a button, option, check box or link
            QList<QWidget *> targets;
            for (QAbstractButton *b : usableIn<QAbstractButton>(screen)) targets << b;
            for (hanhai::shell::ClickLabel *l : usableIn<hanhai::shell::ClickLabel>(screen)) targets << l;
            if (targets.isEmpty()) return {};
            QWidget *target = targets[random.bounded(targets.size())];
            // Back and exit end the visit: rarely, so that each visit lasts.
            if (target->property("hanhai.navigation").toBool() && random.bounded(8)) return {};
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
            return QStringLiteral("a click on ") + target->objectName();
        } else if (kind < 90) {  // a date or number typed into a spin box
            const auto spins = usableIn<QAbstractSpinBox>(screen);
            if (spins.isEmpty()) return {};
            QAbstractSpinBox *spin = spins[random.bounded(spins.size())];
            spin->setFocus();
            spin->selectAll();
            QTest::keyClicks(spin, random.bounded(2) ? QStringLiteral("2008-01-31") : QStringLiteral("9-99"));
            return QStringLiteral("typing into ") + spin->objectName();
        } else {  // Enter, Escape or Tab where the focus is
            static const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab};
            QWidget *focus = QApplication::focusWidget();
            if (!focus || focus->window() != screen) focus = screen;
            const Qt::Key key = keys[random.bounded(4)];
            QTest::keyClick(focus, key);
            return QStringLiteral("key %1 in %2").arg(QKeySequence(key).toString(), focus->objectName());
        }
    }

    // Every text the program shows, in every open window, but the ones the monkey typed.
    void checkShownTexts(const QString &screen, int action) {
        auto check = [&](QWidget *w, const QString &text) {
            if (text.size() > 200000 || !kBadText.match(text).hasMatch()) return;
            if (typed_.value(w) == text) return;
            bad_ << QStringLiteral("%1, action %2: %3 shows \"%4\"").arg(screen).arg(action).arg(w->objectName(), text.left(60));
        };
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible()) continue;
            for (QLineEdit *e : window->findChildren<QLineEdit *>())
                if (e->isVisible()) check(e, e->text());
            for (QLabel *l : window->findChildren<QLabel *>())
                if (l->isVisible()) check(l, l->text());
        }
    }

    void answerModals() {
        if (QWidget *popup = QApplication::activePopupWidget()) popup->close();
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) return;
        ++boxes_;
        if (box->windowTitle() != QStringLiteral("瀚海算匠软件") || box->text().trimmed().isEmpty())
            badBoxes_ << QStringLiteral("a message box titled \"%1\" saying \"%2\"").arg(box->windowTitle(), box->text());
        box->done(QMessageBox::Ok);
    }

    Home *home_ = nullptr;
    QHash<const QWidget *, QString> typed_;  // what the monkey last typed, by field
    QStringList bad_, badBoxes_;
    int boxes_ = 0;
};

QTEST_MAIN(Monkey)
#include "gui_monkey.moc"
