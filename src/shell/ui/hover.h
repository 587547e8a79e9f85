// Hover highlight of link labels: moving the mouse over a label highlights it; moving it over
// the window's own background returns every label to its resting look. Nothing else resets a
// label, so moving straight from one label to the next leaves both highlighted.
#pragma once

#include <QColor>
#include <QObject>
#include <vector>

class QLabel;
class QWidget;

namespace hanhai::shell {

class ClickLabel;

class HoverScheme : public QObject {
public:
    explicit HoverScheme(QWidget *window);

    // rest: the colour after a move over the background (the font then is not bold);
    // hot: the colour while highlighted (bold), or invalid to keep the colour.
    void add(ClickLabel *label, const QColor &rest, const QColor &hot = QColor());

    // Children that are neither links nor background keep mouse moves to themselves.
    void shieldOtherChildren();

    void rest();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Link {
        ClickLabel *label;
        QColor rest, hot;
    };
    void highlight(const Link &link);
    QWidget *window_;
    std::vector<Link> links_;
};

void setTextColour(QWidget *w, const QColor &colour);

}  // namespace hanhai::shell
