#include "geometry/ui/drawings.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "shell/ui/sketch.h"

namespace hanhai::geometry {

namespace sk = shell::sketch;

namespace {

// An ellipse seen from above at an angle: the near half drawn, the far half dashed when
// `farHidden`.
void ellipse(QPainter &p, QPointF c, double rx, double ry, bool farHidden) {
    QRectF box(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
    p.setBrush(Qt::NoBrush);
    p.setPen(sk::outline());
    p.drawArc(box, 180 * 16, 180 * 16);  // near (lower) half
    p.setPen(farHidden ? sk::hidden() : sk::outline());
    p.drawArc(box, 0, 180 * 16);
}

void fillSide(QPainter &p, const QPainterPath &path) {
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().topRight());
    g.setColorAt(0, QColor(170, 196, 224));
    g.setColorAt(0.4, QColor(232, 240, 250));
    g.setColorAt(1, QColor(150, 176, 210));
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

void axis(QPainter &p, QPointF a, QPointF b) {
    p.save();
    p.setPen(sk::centre());
    p.drawLine(a, b);
    p.restore();
}

// The geometry of an upright solid of revolution fitted into the area.
struct Upright {
    QPointF top, bottom;  // centres of the top and bottom faces
    double rx, ry;        // radii of the bottom ellipse
};

Upright upright(const QRectF &a, double widthShare = 0.32, double heightShare = 0.62) {
    Upright u;
    u.rx = a.width() * widthShare;
    u.ry = u.rx * 0.3;
    const double h = a.height() * heightShare;
    const double cx = a.center().x() - a.width() * 0.06;
    const double cy = a.center().y() + h / 2 - u.ry * 0.3;
    u.bottom = QPointF(cx, cy);
    u.top = QPointF(cx, cy - h);
    return u;
}

void heightDimension(QPainter &p, double x, double yTop, double yBottom, double fromX) {
    sk::extension(p, QPointF(fromX, yTop), QPointF(x + 6, yTop));
    sk::extension(p, QPointF(fromX, yBottom), QPointF(x + 6, yBottom));
    sk::dimension(p, QPointF(x, yBottom), QPointF(x, yTop), QStringLiteral("高度 H"), false);
}

}  // namespace

void drawCylinder(QPainter &p, const QRectF &a) {
    const Upright u = upright(a);
    QPainterPath side;
    side.moveTo(u.top.x() - u.rx, u.top.y());
    side.lineTo(u.bottom.x() - u.rx, u.bottom.y());
    side.arcTo(QRectF(u.bottom.x() - u.rx, u.bottom.y() - u.ry, 2 * u.rx, 2 * u.ry), 180, 180);
    side.lineTo(u.top.x() + u.rx, u.top.y());
    side.arcTo(QRectF(u.top.x() - u.rx, u.top.y() - u.ry, 2 * u.rx, 2 * u.ry), 0, -180);
    fillSide(p, side);
    p.setPen(sk::outline());
    p.drawLine(QPointF(u.top.x() - u.rx, u.top.y()), QPointF(u.bottom.x() - u.rx, u.bottom.y()));
    p.drawLine(QPointF(u.top.x() + u.rx, u.top.y()), QPointF(u.bottom.x() + u.rx, u.bottom.y()));
    ellipse(p, u.top, u.rx, u.ry, false);
    ellipse(p, u.bottom, u.rx, u.ry, true);
    axis(p, u.top - QPointF(0, 18), u.bottom + QPointF(0, 18));
    sk::arrow(p, u.top, u.top + QPointF(u.rx, 0), QStringLiteral("半径 R"), true);
    heightDimension(p, u.bottom.x() + u.rx + 26, u.top.y(), u.bottom.y(), u.bottom.x() + u.rx + 3);
}

void drawCone(QPainter &p, const QRectF &a) {
    const Upright u = upright(a);
    QPainterPath side;
    side.moveTo(u.top);
    side.lineTo(u.bottom.x() - u.rx, u.bottom.y());
    side.arcTo(QRectF(u.bottom.x() - u.rx, u.bottom.y() - u.ry, 2 * u.rx, 2 * u.ry), 180, 180);
    side.closeSubpath();
    fillSide(p, side);
    p.setPen(sk::outline());
    p.drawLine(u.top, QPointF(u.bottom.x() - u.rx, u.bottom.y()));
    p.drawLine(u.top, QPointF(u.bottom.x() + u.rx, u.bottom.y()));
    ellipse(p, u.bottom, u.rx, u.ry, true);
    axis(p, u.top - QPointF(0, 14), u.bottom + QPointF(0, 18));
    sk::arrow(p, u.bottom, u.bottom + QPointF(u.rx, 0), QStringLiteral("半径 R"), false);
    heightDimension(p, u.bottom.x() + u.rx + 26, u.top.y(), u.bottom.y(), u.top.x() + 4);
}

void drawTube(QPainter &p, const QRectF &a) {
    const Upright u = upright(a);
    const double rin = u.rx * 0.58;
    QPainterPath side;
    side.moveTo(u.top.x() - u.rx, u.top.y());
    side.lineTo(u.bottom.x() - u.rx, u.bottom.y());
    side.arcTo(QRectF(u.bottom.x() - u.rx, u.bottom.y() - u.ry, 2 * u.rx, 2 * u.ry), 180, 180);
    side.lineTo(u.top.x() + u.rx, u.top.y());
    side.arcTo(QRectF(u.top.x() - u.rx, u.top.y() - u.ry, 2 * u.rx, 2 * u.ry), 0, -180);
    fillSide(p, side);
    // the ring of the top face
    QPainterPath ring;
    ring.addEllipse(u.top, u.rx, u.ry);
    ring.addEllipse(u.top, rin, u.ry * 0.58);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 215, 230));
    p.drawPath(ring);
    p.setPen(sk::outline());
    p.drawLine(QPointF(u.top.x() - u.rx, u.top.y()), QPointF(u.bottom.x() - u.rx, u.bottom.y()));
    p.drawLine(QPointF(u.top.x() + u.rx, u.top.y()), QPointF(u.bottom.x() + u.rx, u.bottom.y()));
    ellipse(p, u.top, u.rx, u.ry, false);
    ellipse(p, u.top, rin, u.ry * 0.58, false);
    ellipse(p, u.bottom, u.rx, u.ry, true);
    p.setPen(sk::hidden());  // the bore
    p.drawLine(QPointF(u.top.x() - rin, u.top.y()), QPointF(u.bottom.x() - rin, u.bottom.y()));
    p.drawLine(QPointF(u.top.x() + rin, u.top.y()), QPointF(u.bottom.x() + rin, u.bottom.y()));
    axis(p, u.top - QPointF(0, 18), u.bottom + QPointF(0, 18));
    sk::arrow(p, u.top, u.top + QPointF(-rin, 0));
    sk::arrow(p, u.top, u.top + QPointF(u.rx, 0));
    sk::extension(p, u.top + QPointF(-rin * 0.5, 0), u.top + QPointF(-u.rx * 0.7, -u.ry - 16));
    sk::mark(p, u.top + QPointF(-u.rx * 0.7, -u.ry - 26), QStringLiteral("内半径 r"));
    sk::extension(p, u.top + QPointF(u.rx * 0.8, 0), u.top + QPointF(u.rx * 0.7, -u.ry - 16));
    sk::mark(p, u.top + QPointF(u.rx * 0.7, -u.ry - 26), QStringLiteral("外半径 R"));
    heightDimension(p, u.bottom.x() + u.rx + 26, u.top.y(), u.bottom.y(), u.bottom.x() + u.rx + 3);
}

void drawFrustum(QPainter &p, const QRectF &a) {
    const Upright u = upright(a);
    const double rt = u.rx * 0.5, rty = u.ry * 0.5;
    QPainterPath side;
    side.moveTo(u.top.x() - rt, u.top.y());
    side.lineTo(u.bottom.x() - u.rx, u.bottom.y());
    side.arcTo(QRectF(u.bottom.x() - u.rx, u.bottom.y() - u.ry, 2 * u.rx, 2 * u.ry), 180, 180);
    side.lineTo(u.top.x() + rt, u.top.y());
    side.arcTo(QRectF(u.top.x() - rt, u.top.y() - rty, 2 * rt, 2 * rty), 0, -180);
    fillSide(p, side);
    p.setPen(sk::outline());
    p.drawLine(QPointF(u.top.x() - rt, u.top.y()), QPointF(u.bottom.x() - u.rx, u.bottom.y()));
    p.drawLine(QPointF(u.top.x() + rt, u.top.y()), QPointF(u.bottom.x() + u.rx, u.bottom.y()));
    ellipse(p, u.top, rt, rty, false);
    ellipse(p, u.bottom, u.rx, u.ry, true);
    axis(p, u.top - QPointF(0, 18), u.bottom + QPointF(0, 18));
    sk::arrow(p, u.top, u.top + QPointF(rt, 0));
    sk::mark(p, u.top + QPointF(rt * 0.2, -rty - 12), QStringLiteral("小半径 r"));
    sk::arrow(p, u.bottom, u.bottom + QPointF(u.rx, 0), QStringLiteral("大半径 R"), false);
    heightDimension(p, u.bottom.x() + u.rx + 26, u.top.y(), u.bottom.y(), u.top.x() + rt + 3);
}

void drawCuboid(QPainter &p, const QRectF &a) {
    const double w = a.width() * 0.5, h = a.height() * 0.42, dx = a.width() * 0.2, dy = a.height() * 0.16;
    const QPointF o(a.left() + a.width() * 0.2, a.bottom() - a.height() * 0.2);  // front bottom left
    const QPointF fbl = o, fbr = o + QPointF(w, 0), ftl = o - QPointF(0, h), ftr = fbr - QPointF(0, h);
    const QPointF back(dx, -dy);
    QPolygonF front({fbl, fbr, ftr, ftl}), top({ftl, ftr, ftr + back, ftl + back}),
        right({fbr, fbr + back, ftr + back, ftr});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 228, 244));
    p.drawPolygon(front);
    p.setBrush(QColor(236, 242, 250));
    p.drawPolygon(top);
    p.setBrush(QColor(180, 200, 226));
    p.drawPolygon(right);
    p.setPen(sk::outline());
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(front);
    p.drawPolyline(QPolygonF({ftl, ftl + back, ftr + back, ftr}));
    p.drawPolyline(QPolygonF({fbr, fbr + back, ftr + back}));
    p.setPen(sk::hidden());
    p.drawLine(fbl, fbl + back);
    p.drawLine(fbl + back, fbr + back);
    p.drawLine(fbl + back, ftl + back);
    sk::dimension(p, fbl + QPointF(0, 18), fbr + QPointF(0, 18), QStringLiteral("边长 a"), false);
    sk::dimension(p, fbr + QPointF(14, 8), fbr + back + QPointF(14, 8), QStringLiteral("边长 b"), false);
    sk::dimension(p, fbl - QPointF(16, 0), ftl - QPointF(16, 0), QStringLiteral("边长 c"), true);
}

void drawSphere(QPainter &p, const QRectF &a) {
    const double r = std::min(a.width(), a.height()) * 0.36;
    const QPointF c(a.center().x(), a.center().y() - 6);
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.3);
    g.setColorAt(0, QColor(245, 248, 252));
    g.setColorAt(1, QColor(150, 176, 210));
    p.setPen(sk::outline());
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    ellipse(p, c, r, r * 0.28, true);
    axis(p, c - QPointF(0, r + 12), c + QPointF(0, r + 12));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::black);
    p.drawEllipse(c, 2, 2);
    const double y = c.y() + r + 22;
    sk::extension(p, QPointF(c.x() - r, c.y()), QPointF(c.x() - r, y + 6));
    sk::extension(p, QPointF(c.x() + r, c.y()), QPointF(c.x() + r, y + 6));
    sk::dimension(p, QPointF(c.x() - r, y), QPointF(c.x() + r, y), QStringLiteral("直径 D"), false);
}

void drawCap(QPainter &p, const QRectF &a) {
    // a cap cut from a sphere of radius s: base radius A, height H
    const double A = a.width() * 0.36, H = A * 0.62;  // less than a hemisphere
    const double s = (A * A + H * H) / (2 * H);
    const QPointF base(a.center().x() - a.width() * 0.05, a.center().y() + H * 0.55);
    const double ry = A * 0.28;
    const QPointF centre(base.x(), base.y() - H + s);
    const double half = std::asin(A / s) * 180.0 / 3.14159265358979;
    QPainterPath dome;
    dome.moveTo(base.x() - A, base.y());
    dome.arcTo(QRectF(centre.x() - s, centre.y() - s, 2 * s, 2 * s), 90 + half, -2 * half);
    dome.arcTo(QRectF(base.x() - A, base.y() - ry, 2 * A, 2 * ry), 0, -180);
    fillSide(p, dome);
    p.setPen(sk::outline());
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centre.x() - s, centre.y() - s, 2 * s, 2 * s), int((90 - half) * 16), int(2 * half * 16));
    ellipse(p, base, A, ry, true);
    axis(p, base - QPointF(0, H + 16), base + QPointF(0, ry + 14));
    sk::arrow(p, base, base + QPointF(A, 0), QStringLiteral("下半径 A"), false);
    const double x = base.x() + A + 24;
    sk::extension(p, QPointF(base.x() + 3, base.y() - H), QPointF(x + 6, base.y() - H));
    sk::extension(p, QPointF(base.x() + A + 3, base.y()), QPointF(x + 6, base.y()));
    sk::dimension(p, QPointF(x, base.y()), QPointF(x, base.y() - H), QStringLiteral("高度 H"), false);
}

void drawTorus(QPainter &p, const QRectF &a) {
    // Plan of the ring cut through its middle: the circular cross-sections between the inner
    // and the outer surface, with r and R measured from the ring's centre.
    const double R = std::min(a.width(), a.height()) * 0.42, r = R * 0.55;
    const QPointF c(a.center().x(), a.center().y() - 4);
    QPainterPath ring;
    ring.addEllipse(c, R, R);
    ring.addEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 228, 244));
    p.drawPath(ring);
    p.setPen(sk::outline());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, R, R);
    p.drawEllipse(c, r, r);
    p.setPen(sk::centre());
    const double mid = (R + r) / 2;
    p.drawEllipse(c, mid, mid);
    p.drawLine(c - QPointF(R + 12, 0), c + QPointF(R + 12, 0));
    p.drawLine(c - QPointF(0, R + 12), c + QPointF(0, R + 12));
    // the two cross-sections on the cut
    const double sr = (R - r) / 2;
    for (double side : {-1.0, 1.0}) {
        const QPointF sc(c.x() + side * mid, c.y());
        p.setPen(sk::outline());
        p.setBrush(QBrush(QColor(90, 110, 150), Qt::BDiagPattern));
        p.drawEllipse(sc, sr, sr);
    }
    p.setBrush(Qt::NoBrush);
    const QPointF inner = c + QPointF(r * std::cos(-2.2), r * std::sin(-2.2));
    const QPointF outer = c + QPointF(R * std::cos(-0.8), R * std::sin(-0.8));
    sk::arrow(p, c, inner);
    sk::arrow(p, c, outer);
    sk::mark(p, c + QPointF(0, r * 0.45), QStringLiteral("内半径 r"));
    sk::mark(p, outer + QPointF(18, -12), QStringLiteral("外半径 R"));
}

}  // namespace hanhai::geometry
