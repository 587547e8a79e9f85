// Finding and driving the program's real windows in GUI tests.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "shell/ui/message.h"

namespace guitest {

// Processes pending events, deferred deletions included.
void settle();

// The visible top-level windows, by object name.
QStringList openWindowNames();
QWidget *window(const QString &name);

// Closes every window left over from a test.
void closeAll();

template <class T = QWidget>
T *control(QWidget *window, const QString &name) {
    T *c = window ? window->findChild<T *>(name) : nullptr;
    if (!c) qWarning("no control %s in %s", qPrintable(name), window ? qPrintable(window->objectName()) : "(none)");
    return c;
}

QString text(QWidget *window, const QString &field);
// Types into a focused edit: ASCII as key clicks, other characters as an input method commits them.
void typeText(QWidget *edit, const QString &text);
// Replaces a field's text by typing it, as the user would.
void type(QWidget *window, const QString &field, const QString &text);
// Clicks a button, an option or a link label in the middle.
void click(QWidget *window, const QString &name);

// Picks a drop-down entry the way the user does: opens the list and clicks the row.
void pick(QWidget *window, const QString &combo, const QString &entry);
QString comboText(QWidget *window, const QString &combo);

// Mouse movement over a control, and over a window where no child stands.
void moveOver(QWidget *w, QPoint at = QPoint(5, 5));
void moveOverBackground(QWidget *window);

// Records every message the screens show while it lives, instead of showing a box.
class Messages {
public:
    Messages();
    ~Messages();
    QStringList texts;
    QString takeOne();  // the one message shown since the last take; fails the test otherwise

private:
    hanhai::shell::MessageSink previous_;
};

}  // namespace guitest
