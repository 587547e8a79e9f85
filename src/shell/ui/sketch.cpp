#include "shell/ui/sketch.h"

#include <QLineF>
#include <QPaintEvent>
#include <QPolygonF>

#include <cmath>

namespace hanhai::shell {

DrawingView::DrawingView(DrawingFn fn, QWidget *parent) : QWidget(parent), fn_(fn) {
    setObjectName(QStringLiteral("Image1"));
    setMinimumSize(280, 250);
}

void DrawingView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    if (fn_) fn_(p, QRectF(rect()).adjusted(6, 6, -6, -6));
}

namespace sketch {

QPen outline() { return QPen(QColor(20, 20, 20), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
QPen hidden() { return QPen(QColor(60, 60, 60), 1.2, Qt::DashLine); }
QPen centre() { return QPen(QColor(160, 0, 0), 1.0, Qt::DashDotLine); }
QPen dimensionPen() { return QPen(kMarkColour, 1.2); }

QFont markFont() {
    QFont f;
    f.setFamilies({"SimSun", "Noto Serif CJK SC", "AR PL UMing CN"});
    f.setPointSizeF(10.5);
    return f;
}

namespace {

void head(QPainter &p, QPointF tip, QPointF from) {
    QLineF l(tip, from);
    if (l.length() < 1e-6) return;
    QPointF u = (from - tip) / l.length();
    QPointF n(-u.y(), u.x());
    const double len = 9, half = 3.5;
    p.setBrush(kMarkColour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({tip, tip + u * len + n * half, tip + u * len - n * half}));
    p.setBrush(Qt::NoBrush);
}

void textBeside(QPainter &p, QPointF a, QPointF b, const QString &text, bool left) {
    if (text.isEmpty()) return;
    QLineF l(a, b);
    QPointF mid = (a + b) / 2;
    QPointF u = l.length() > 0 ? (b - a) / l.length() : QPointF(1, 0);
    QPointF n = left ? QPointF(u.y(), -u.x()) : QPointF(-u.y(), u.x());
    p.setFont(markFont());
    QFontMetricsF fm(p.font());
    QSizeF size(fm.horizontalAdvance(text) + 4, fm.height());
    double gap = 4 + std::abs(n.x()) * size.width() / 2 + std::abs(n.y()) * size.height() / 2;
    QPointF c = mid + n * gap;
    p.setPen(kMarkColour);
    p.drawText(QRectF(c - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, text);
}

}  // namespace

void dimension(QPainter &p, QPointF a, QPointF b, const QString &text, bool left) {
    p.save();
    p.setPen(dimensionPen());
    p.drawLine(a, b);
    head(p, a, b);
    head(p, b, a);
    textBeside(p, a, b, text, left);
    p.restore();
}

void arrow(QPainter &p, QPointF a, QPointF b, const QString &text, bool left) {
    p.save();
    p.setPen(dimensionPen());
    p.drawLine(a, b);
    head(p, b, a);
    textBeside(p, a, b, text, left);
    p.restore();
}

void mark(QPainter &p, QPointF at, const QString &text) {
    p.save();
    p.setFont(markFont());
    p.setPen(kMarkColour);
    QFontMetricsF fm(p.font());
    QSizeF size(fm.horizontalAdvance(text) + 4, fm.height());
    p.drawText(QRectF(at - QPointF(size.width() / 2, size.height() / 2), size), Qt::AlignCenter, text);
    p.restore();
}

void extension(QPainter &p, QPointF a, QPointF b) {
    p.save();
    p.setPen(QPen(kMarkColour, 0.8));
    p.drawLine(a, b);
    p.restore();
}

}  // namespace sketch
}  // namespace hanhai::shell
