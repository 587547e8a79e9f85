#include "shell/ui/logo.h"

#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <algorithm>

namespace hanhai::shell {

void paintLogo(QPainter &p, const QRectF &area) {
    constexpr double kUnits = 56;  // the wheel's design square
    const double side = std::min(area.width(), area.height());
    if (side <= 0) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(area.center().x() - side / 2, area.center().y() - side / 2);
    p.scale(side / kUnits, side / kUnits);

    const QPointF c(kUnits / 2, kUnits / 2);
    p.setPen(QPen(QColor(120, 70, 20), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {  // the spokes, their ends the handles
        p.drawLine(QLineF::fromPolar(26, 22.5 + 45 * i).translated(c));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 90, 30), 4));
    p.drawEllipse(c, 18, 18);  // the rim
    p.setBrush(QColor(0, 60, 120));
    p.setPen(QPen(QColor(220, 180, 60), 2));
    p.drawEllipse(c, 7, 7);  // the hub
    p.restore();
}

}  // namespace hanhai::shell
