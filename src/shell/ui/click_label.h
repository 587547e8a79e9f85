// A label that acts as a link: it reports clicks and mouse movement over it.
#pragma once

#include <QLabel>

namespace hanhai::shell {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();
    void hovered();  // the mouse moved over the label

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;  // one click, not two

private:
    bool pressed_ = false;
};

}  // namespace hanhai::shell
