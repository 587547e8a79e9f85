// Finding and driving the program's real windows in GUI tests.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMap>
#include <QStringList>
#include <QTest>
#include <QUrl>
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

// A home of the test's own while it lives: HOME and XDG_CONFIG_HOME point into a temporary
// folder, so calculation sheets land in its documents folder; the files the program asks the
// desktop to open are recorded instead of opened (unless `opener` is false: then nothing
// opens them, as on a desktop without a spreadsheet program).
class Home : public QObject {
    Q_OBJECT
public:
    explicit Home(bool opener = true);
    ~Home() override;
    QString sheetFolder() const;  // where the program saves its sheets
    QStringList sheets() const;   // the files there, sorted by name
    QStringList opened;           // local paths the program opened

public slots:
    void open(const QUrl &url) { opened << url.toLocalFile(); }

private:
    QByteArray oldHome_, oldConfig_;
    QString root_;
};

// A cell's font as a workbook carries it; the defaults are those of a cell nobody formatted.
struct SheetFont {
    QString name = QStringLiteral("Calibri");
    bool bold = false;
    double size = 11;
};
// Every cell of a block such as "A3:E3", each with the same font.
QMap<QString, SheetFont> fontBlock(const QString &block, const SheetFont &font);
// Reads a workbook back with openpyxl and compares it with what it should hold: exactly the
// given cells, each a string cell with exactly its text; the listed cells (which may also be
// empty, styled cells) with their fonts, every other cell with the default font; one worksheet.
// Returns the differences, a line each; empty when there are none.
QString compareSheet(const QString &path, const QMap<QString, QString> &cells, const QMap<QString, SheetFont> &fonts);

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
