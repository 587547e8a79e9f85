// Stretched-wire deflection: the usual calculator with three decimal options.
#include "machinery/ui/deflection_screen.h"

#include <QPainterPath>

#include "machinery/core/deflection.h"
#include "shell/ui/calculator.h"

namespace hanhai::machinery {

namespace {

namespace sk = shell::sketch;
using shell::number;

const QColor kBackground{224, 244, 242};  // pale aqua

// The wire from the wall over the pulley down to the weight, its sag exaggerated, with the span
// L, the distance x of a point and the sag f there.
void drawWire(QPainter &p, const QRectF &a) {
    auto at = [&a](double fx, double fy) { return QPointF(a.left() + a.width() * fx, a.top() + a.height() * fy); };

    // the wall, hatched on its far side
    const QRectF wall(at(0.03, 0.12), at(0.09, 0.62));
    p.setPen(sk::outline());
    p.setBrush(sk::kSteelFill);
    p.drawRect(wall);
    p.save();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setClipRect(wall);
    for (double y = wall.top() - wall.width(); y < wall.bottom(); y += 9)
        p.drawLine(QPointF(wall.left(), y + wall.width()), QPointF(wall.right(), y));
    p.restore();

    // the pulley on a strut leaning back towards the span
    const QPointF pulley = at(0.80, 0.26);
    const double r = a.width() * 0.05;
    const QPointF foot = at(0.73, 0.64);
    p.setBrush(QColor(230, 230, 236));
    p.drawLine(pulley, foot);
    p.drawLine(foot - QPointF(a.width() * 0.04, 0), foot + QPointF(a.width() * 0.04, 0));
    p.drawEllipse(pulley, r, r);
    p.drawEllipse(pulley, 2.5, 2.5);

    // the wire: fixed at the wall, sagging, over the top of the pulley and down its far side
    const QPointF fixedEnd(wall.right(), pulley.y() - r);
    const QPointF top(pulley.x(), pulley.y() - r);
    const double sag = a.height() * 0.16;
    QPainterPath wire;
    wire.moveTo(fixedEnd);
    wire.quadTo(QPointF((fixedEnd.x() + top.x()) / 2, fixedEnd.y() + 2 * sag), top);
    wire.arcTo(QRectF(pulley.x() - r, pulley.y() - r, 2 * r, 2 * r), 90, -90);
    const QPointF hang(pulley.x() + r, a.top() + a.height() * 0.60);
    wire.lineTo(hang);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 40, 40), 1.6));
    p.drawPath(wire);

    // the weight
    p.setPen(sk::outline());
    p.setBrush(QColor(150, 150, 160));
    const QRectF weight(hang + QPointF(-a.width() * 0.04, 0), QSizeF(a.width() * 0.08, a.height() * 0.14));
    p.drawRect(weight);
    sk::mark(p, weight.center(), QStringLiteral("G"));
    sk::mark(p, QPointF(a.left() + a.width() * 0.95, weight.center().y()), QStringLiteral("重锤"));

    // the straight line between the ends, and the sag at a point x from the wall
    sk::extension(p, fixedEnd, top);
    const double t = 0.4;  // where the point stands on the span
    const QPointF onChord = fixedEnd + (top - fixedEnd) * t;
    const QPointF onWire = fixedEnd * (1 - t) * (1 - t) +
                           QPointF((fixedEnd.x() + top.x()) / 2, fixedEnd.y() + 2 * sag) * 2 * t * (1 - t) + top * t * t;
    sk::dimension(p, onChord, onWire, QStringLiteral("挠度 f"), false);

    // the span L and the distance x, below
    const double yx = a.top() + a.height() * 0.74, yL = a.top() + a.height() * 0.86;
    sk::extension(p, QPointF(fixedEnd.x(), wall.bottom()), QPointF(fixedEnd.x(), yL + 6));
    sk::extension(p, QPointF(onWire.x(), onWire.y() + 4), QPointF(onWire.x(), yx + 6));
    sk::extension(p, pulley + QPointF(0, r), QPointF(pulley.x(), yL + 6));
    sk::dimension(p, QPointF(fixedEnd.x(), yx), QPointF(onWire.x(), yx), QStringLiteral("x"));
    sk::dimension(p, QPointF(fixedEnd.x(), yL), QPointF(pulley.x(), yL), QStringLiteral("L"), false);
}

shell::CalculatorDesign design() {
    shell::CalculatorDesign d;
    d.name = QStringLiteral("挠度计算");
    d.caption = QStringLiteral("拉线挠度计算");
    d.title = QStringLiteral("拉 线 挠 度 计 算");
    d.background = kBackground;
    d.inputs = {number("Text1", "d--钢丝直径", "mm"), number("Text2", "x--任意点到端点距离", "m"),
                number("Text3", "L--两端点的距离", "m"), number("Text4", "G--重锤重量", "Kg")};
    d.resultHeading = QStringLiteral("挠度值");
    d.results = {shell::result("Text5", QString(), "mm")};
    d.options = 3;
    d.start = shell::Places::Three;
    d.failure = shell::Failure::Blank;
    d.inputMessage = QStringLiteral("未输入重锤的重量，请输入重锤的重量,且重锤的重量必须大于零  ");
    d.compute = [](const shell::Fields &f) -> shell::Outcome {
        const StretchedWire wire{f.number("Text1"), f.number("Text3"), f.number("Text4")};
        return wireDeflection(wire, f.number("Text2"));
    };
    d.drawing = drawWire;
    d.notes = {QStringLiteral("钢丝的密度为7.85*10**3  kg/m**3")};
    d.clearCaption = QStringLiteral("清  除");
    return d;
}

}  // namespace

QWidget *makeDeflectionScreen() { return shell::buildCalculator(design()); }

}  // namespace hanhai::machinery
