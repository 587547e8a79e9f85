#include "support/gui_support.h"

#include <QAbstractItemView>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QLabel>

#include "report/core/sheet.h"
#include "report/ui/export.h"
#include "support/sheet_reader.h"

namespace guitest {

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

QStringList openWindowNames() {
    settle();
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible()) names << w->objectName();
    names.sort();
    return names;
}

QWidget *window(const QString &name) {
    settle();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == name) return w;
    return nullptr;
}

void closeAll() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible()) w->close();
    settle();
}

QString text(QWidget *window, const QString &field) {
    if (auto *e = window ? window->findChild<QLineEdit *>(field) : nullptr) return e->text();
    if (auto *l = window ? window->findChild<QLabel *>(field) : nullptr) return l->text();
    qWarning("no field %s", qPrintable(field));
    return QStringLiteral("<missing>");
}

void typeText(QWidget *edit, const QString &text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(edit, QString(c));
        } else {  // what an input method commits for Chinese and other signs
            QInputMethodEvent commit;
            commit.setCommitString(QString(c));
            QApplication::sendEvent(edit, &commit);
        }
    }
}

void type(QWidget *window, const QString &field, const QString &text) {
    auto *e = control<QLineEdit>(window, field);
    if (!e) return;
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    typeText(e, text);
}

void click(QWidget *window, const QString &name) {
    if (auto *w = control<QWidget>(window, name)) QTest::mouseClick(w, Qt::LeftButton);
    settle();
}

void pick(QWidget *window, const QString &combo, const QString &entry) {
    auto *box = control<QComboBox>(window, combo);
    const int row = box ? box->findText(entry, Qt::MatchExactly) : -1;
    if (row < 0) {
        QFAIL(qPrintable(QStringLiteral("no entry ") + entry));
    }
    box->showPopup();
    QAbstractItemView *view = box->view();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(index).center());
    settle();
}

QString comboText(QWidget *window, const QString &combo) {
    auto *box = control<QComboBox>(window, combo);
    return box ? box->currentText() : QStringLiteral("<missing>");
}

void moveOver(QWidget *w, QPoint at) {
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void moveOverBackground(QWidget *window) {
    for (int y = window->height() - 4; y > 0; y -= 7)
        for (int x = 4; x < window->width(); x += 9)
            if (!window->childAt(x, y)) {
                moveOver(window, QPoint(x, y));
                return;
            }
    QFAIL("no background to move over");
}

Home::Home(bool opener) : oldHome_(qgetenv("HOME")), oldConfig_(qgetenv("XDG_CONFIG_HOME")) {
    root_ = QDir::temp().filePath(QStringLiteral("hanhai-home-%1-%2")
                                      .arg(QCoreApplication::applicationPid())
                                      .arg(QDateTime::currentMSecsSinceEpoch()));
    QDir().mkpath(root_ + QStringLiteral("/.config"));
    qputenv("HOME", root_.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root_ + QStringLiteral("/.config")).toLocal8Bit());
    if (opener) QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
}

Home::~Home() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    qputenv("HOME", oldHome_);
    qputenv("XDG_CONFIG_HOME", oldConfig_);
    QDir(root_).removeRecursively();
}

QString Home::sheetFolder() const { return hanhai::report::sheetFolder(); }

QStringList Home::sheets() const {
    QStringList out;
    for (const QString &f : QDir(sheetFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name)) out << QDir(sheetFolder()).filePath(f);
    return out;
}

QMap<QString, SheetFont> fontBlock(const QString &block, const SheetFont &font) {
    QMap<QString, SheetFont> out;
    const auto b = hanhai::report::parseBlock(block.toStdString());
    if (!b) return out;
    for (int r = b->first.row; r <= b->last.row; ++r)
        for (int c = b->first.column; c <= b->last.column; ++c)
            out.insert(QString::fromStdString(hanhai::report::cellName({r, c})), font);
    return out;
}

QString compareSheet(const QString &path, const QMap<QString, QString> &cells, const QMap<QString, SheetFont> &fonts) {
    const sheettest::ReadSheet read = sheettest::readSheet(path.toStdString());
    if (!read.ok) return QStringLiteral("unreadable: ") + QString::fromStdString(read.error);
    QStringList diff;
    if (read.sheets != 1) diff << QStringLiteral("%1 worksheets").arg(read.sheets);
    for (auto it = cells.begin(); it != cells.end(); ++it)
        if (!read.cells.count(it.key().toStdString())) diff << it.key() + QStringLiteral(": missing, should hold ") + it.value();
    for (const auto &[ref, cell] : read.cells) {
        const QString name = QString::fromStdString(ref);
        const QString value = QString::fromStdString(cell.value);
        if (cells.contains(name)) {
            if (cell.type != "s") diff << name + QStringLiteral(": type ") + QString::fromStdString(cell.type);
            if (value != cells[name]) diff << name + QStringLiteral(": \"") + value + QStringLiteral("\", should be \"") + cells[name] + '"';
        } else if (cell.type != "blank" || !fonts.contains(name)) {
            diff << name + QStringLiteral(": should not exist, holds \"") + value + '"';
        }
        const SheetFont want = fonts.value(name);
        if (QString::fromStdString(cell.fontName) != want.name || cell.bold != want.bold || cell.size != want.size)
            diff << name + QStringLiteral(": font %1 %2 %3").arg(QString::fromStdString(cell.fontName)).arg(cell.bold).arg(cell.size);
    }
    for (auto it = fonts.begin(); it != fonts.end(); ++it)
        if (!read.cells.count(it.key().toStdString())) diff << it.key() + QStringLiteral(": no font set");
    return diff.join(QLatin1Char('\n'));
}

Messages::Messages() {
    previous_ = hanhai::shell::setMessageSink([this](const QString &t) { texts << t; });
}

Messages::~Messages() { hanhai::shell::setMessageSink(previous_); }

QString Messages::takeOne() {
    if (texts.size() != 1) {
        qWarning("expected one message, got %lld: %s", static_cast<long long>(texts.size()),
                 qPrintable(texts.join(QStringLiteral(" | "))));
        QString all = texts.join(QStringLiteral(" | "));
        texts.clear();
        return all;
    }
    return texts.takeFirst();
}

}  // namespace guitest
