#include "shell/ui/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "shell/ui/sketch.h"

#include <utility>

namespace hanhai::shell {

namespace {

// A label's text as it reads, the unit markup undone: "m<sup>3</sup>" is "m³".
QString readable(const QLabel *label) {
    QString text = label->text();
    if (Qt::mightBeRichText(text)) {
        text.replace(QStringLiteral("<sup>3</sup>"), QStringLiteral("³")).replace(QStringLiteral("<sup>2</sup>"), QStringLiteral("²"));
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    }
    return text.simplified();
}

bool isInput(const QWidget *w) {
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QAbstractButton *>(w);
}

// A label with text, or nothing.
const QLabel *textLabel(const QLayoutItem *item) {
    const auto *l = item ? qobject_cast<const QLabel *>(item->widget()) : nullptr;
    return l && !readable(l).isEmpty() ? l : nullptr;
}

// What a layout item says, as a caption: a label's text, or a check box's (a count beside the
// box that switches its group on).
QString captionOf(const QLayoutItem *item) {
    if (const QLabel *l = textLabel(item)) return readable(l);
    if (const auto *b = item ? qobject_cast<const QAbstractButton *>(item->widget()) : nullptr) return b->text().simplified();
    return {};
}

// The layout that holds `w` directly, searched from `layout` down.
QLayout *holder(QLayout *layout, const QWidget *w) {
    if (!layout) return nullptr;
    if (layout->indexOf(w) >= 0) return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout *found = holder(layout->itemAt(i)->layout(), w)) return found;
    return nullptr;
}

struct Beside {
    QString caption, unit;
};

// In a grid: the nearest label to the left in the field's row (else the one just above it), and
// the label right after it, if no other control comes first.
Beside inGrid(QGridLayout *grid, int index) {
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    Beside b;
    for (int c = column - 1; c >= 0 && b.caption.isEmpty(); --c) b.caption = captionOf(grid->itemAtPosition(row, c));
    if (b.caption.isEmpty() && row > 0)
        if (const QLabel *l = textLabel(grid->itemAtPosition(row - 1, column))) b.caption = readable(l);
    if (const QLabel *l = textLabel(grid->itemAtPosition(row, column + columnSpan))) b.unit = readable(l);
    return b;
}

// The caption a nested layout ends with: its last label or check box.
QString lastCaption(QLayout *layout) {
    for (int i = layout->count() - 1; i >= 0; --i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->layout()) return lastCaption(item->layout());
        if (!item->widget()) continue;
        return captionOf(item);
    }
    return {};
}

// In a row or column of widgets: the label before the field and the one after it.
Beside inBox(QBoxLayout *box, int index) {
    Beside b;
    for (int i = index - 1; i >= 0; --i) {
        QLayoutItem *item = box->itemAt(i);
        if (item->layout()) {  // a caption set in a layout of its own, as a check box before its count
            b.caption = lastCaption(item->layout());
            break;
        }
        if (item->widget() && isInput(item->widget())) break;
        if (const QLabel *l = textLabel(item)) {
            b.caption = readable(l);
            break;
        }
    }
    if (index + 1 < box->count())
        if (const QLabel *l = textLabel(box->itemAt(index + 1))) b.unit = readable(l);
    return b;
}

// The layout that holds `inner` as an item, searched from `layout` down.
QBoxLayout *enclosing(QLayout *layout, const QLayout *inner, int *index) {
    if (!layout) return nullptr;
    for (int i = 0; i < layout->count(); ++i) {
        QLayout *item = layout->itemAt(i)->layout();
        if (!item) continue;
        if (item == inner) {
            *index = i;
            return qobject_cast<QBoxLayout *>(layout);
        }
        if (QBoxLayout *found = enclosing(item, inner, index)) return found;
    }
    return nullptr;
}

QString nameFromLayout(QWidget *w) {
    QWidget *parent = w->parentWidget();
    QLayout *layout = parent ? holder(parent->layout(), w) : nullptr;
    if (!layout) return {};
    const int index = layout->indexOf(w);
    Beside b;
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) b = inGrid(grid, index);
    else if (auto *box = qobject_cast<QBoxLayout *>(layout)) b = inBox(box, index);
    int at = -1;
    if (b.caption.isEmpty())  // a field alone under a heading: "挠度值" over its result
        if (QBoxLayout *outer = enclosing(parent->layout(), layout, &at)) b.caption = inBox(outer, at).caption;
    if (b.caption.isEmpty()) return {};
    return b.unit.isEmpty() ? b.caption : b.caption + QLatin1Char(' ') + b.unit;
}

bool named(const QWidget *w) { return !w->accessibleName().isEmpty() && w->accessibleName() != w->objectName(); }

}  // namespace

void nameControls(QWidget *window) {
    const QString title = window->windowTitle();
    QHash<const QWidget *, const QLabel *> buddies;
    for (const QLabel *l : window->findChildren<QLabel *>())
        if (l->buddy()) buddies.insert(l->buddy(), l);
    QList<std::pair<QWidget *, QString>> found;
    QHash<QString, int> uses;  // how many elements of arrays take each name
    static const QRegularExpression element(QStringLiteral(R"(\((\d+)\)$)"));
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (dynamic_cast<DrawingView *>(w)) {
            if (w->accessibleDescription().isEmpty()) w->setAccessibleDescription(title + QStringLiteral("示意图"));
            continue;
        }
        const bool field = (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget()) &&
                            !qobject_cast<QAbstractSpinBox *>(w->parentWidget())) ||
                           qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSpinBox *>(w);
        if (!field || named(w)) continue;
        const QLabel *buddy = buddies.value(w);
        const QString name = buddy ? readable(buddy) : nameFromLayout(w);
        if (name.isEmpty()) continue;
        found.append({w, name});
        if (element.match(w->objectName()).hasMatch()) ++uses[name];
    }
    for (auto &[w, name] : found) {
        // The elements of an array under one heading are told apart by their row.
        const QRegularExpressionMatch m = element.match(w->objectName());
        if (m.hasMatch() && uses.value(name) > 1) name += QStringLiteral(" 第%1行").arg(m.captured(1).toInt() + 1);
        w->setAccessibleName(name);
    }
}

}  // namespace hanhai::shell
