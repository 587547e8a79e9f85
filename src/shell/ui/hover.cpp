#include "shell/ui/hover.h"

#include <QEvent>
#include <QWidget>

#include "shell/ui/click_label.h"

namespace hanhai::shell {

void setTextColour(QWidget *w, const QColor &colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

HoverScheme::HoverScheme(QWidget *window) : QObject(window), window_(window) {
    window->setMouseTracking(true);
    window->installEventFilter(this);
}

void HoverScheme::add(ClickLabel *label, const QColor &rest, const QColor &hot) {
    links_.push_back({label, rest, hot});
    const Link link = links_.back();
    connect(label, &ClickLabel::hovered, this, [this, link] { highlight(link); });
}

void HoverScheme::shieldOtherChildren() {
    for (QWidget *child : window_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        bool isLink = false;
        for (const Link &l : links_) isLink = isLink || l.label == child;
        if (!isLink) child->setAttribute(Qt::WA_NoMousePropagation);
    }
}

void HoverScheme::highlight(const Link &link) {
    QFont f = link.label->font();
    f.setBold(true);
    link.label->setFont(f);
    if (link.hot.isValid()) setTextColour(link.label, link.hot);
}

void HoverScheme::rest() {
    for (const Link &l : links_) {
        QFont f = l.label->font();
        f.setBold(false);
        l.label->setFont(f);
        setTextColour(l.label, l.rest);
    }
}

bool HoverScheme::eventFilter(QObject *watched, QEvent *event) {
    if (watched == window_ && event->type() == QEvent::MouseMove) rest();
    return false;
}

}  // namespace hanhai::shell
