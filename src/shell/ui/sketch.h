// Drawings of parts painted in code: a widget that paints one, and the drafting marks they use.
#pragma once

#include <QPainter>
#include <QPointF>
#include <QString>
#include <QWidget>

namespace hanhai::shell {

using DrawingFn = void (*)(QPainter &, const QRectF &);

// Paints a drawing function into its whole area (the control Image1 of a frame "图形").
class DrawingView : public QWidget {
public:
    DrawingView(DrawingFn fn, QWidget *parent);
    QSize sizeHint() const override { return {300, 270}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    DrawingFn fn_;
};

namespace sketch {

// Pens of a drawing.
QPen outline();      // visible edges
QPen hidden();       // edges behind: dashed
QPen centre();       // axes: dash-dot
QPen dimensionPen(); // dimension lines and their arrows

// Fonts and colours of the marks.
QFont markFont();
inline const QColor kMarkColour{0, 0, 160};
inline const QColor kFill{200, 220, 240};
inline const QColor kSteelFill{190, 200, 210};

// A dimension line from a to b with arrowheads at both ends and its text beside the middle,
// on the left of the direction a→b when `left` is true.
void dimension(QPainter &p, QPointF a, QPointF b, const QString &text, bool left = true);
// A line from a to b with one arrowhead at b (a radius, a leader).
void arrow(QPainter &p, QPointF a, QPointF b, const QString &text = {}, bool left = true);
// A text centred on a point.
void mark(QPainter &p, QPointF at, const QString &text);
// A thin extension line.
void extension(QPainter &p, QPointF a, QPointF b);

}  // namespace sketch
}  // namespace hanhai::shell
