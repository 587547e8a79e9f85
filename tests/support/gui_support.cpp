#include "support/gui_support.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QLabel>

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
