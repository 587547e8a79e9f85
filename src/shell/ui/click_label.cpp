#include "shell/ui/click_label.h"

#include <QMouseEvent>

namespace hanhai::shell {

ClickLabel::ClickLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mousePressEvent(QMouseEvent *e) {
    if (e->button() == Qt::LeftButton) pressed_ = true;
    e->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *e) {
    bool wasPressed = pressed_ && e->button() == Qt::LeftButton;
    pressed_ = false;
    e->accept();
    if (wasPressed && rect().contains(e->position().toPoint())) emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *e) { e->accept(); }

void ClickLabel::mouseMoveEvent(QMouseEvent *e) {
    e->accept();  // the window behind must not see it as a move over its background
    emit hovered();
}

}  // namespace hanhai::shell
