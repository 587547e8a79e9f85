#include "steel/ui/drawings.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/ui/sketch.h"

namespace hanhai::steel {

namespace sk = shell::sketch;

namespace {

constexpr double kPi = 3.14159265358979;
const QColor kFront(214, 228, 244), kLit(236, 242, 250), kShade(176, 198, 226);

double dot(QPointF a, QPointF b) { return a.x() * b.x() + a.y() * b.y(); }
QPointF unit(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF();
}

QSizeF textSize(const QString &text) {
    QFontMetricsF fm(sk::markFont());
    return {fm.horizontalAdvance(text) + 4, fm.height()};
}

// ---- profiles, in section units with y up ------------------------------------------------------

struct Corner {
    double x, y, r = 0;  // r > 0 rounds the corner
};

constexpr double kSmallRound = 3.5;  // a rounding this small still shows its edge line

// The outline through the corners, each rounded corner replaced by its arc. A small rounding
// is cut in two chords, so that the solid draws one edge line along it.
std::vector<QPointF> rounded(const std::vector<Corner> &cs) {
    std::vector<QPointF> out;
    const size_t n = cs.size();
    for (size_t i = 0; i < n; ++i) {
        const Corner &c = cs[i], &prev = cs[(i + n - 1) % n], &next = cs[(i + 1) % n];
        const QPointF v(c.x, c.y);
        if (c.r <= 0) {
            out.push_back(v);
            continue;
        }
        const QPointF u1 = unit(QPointF(prev.x, prev.y) - v), u2 = unit(QPointF(next.x, next.y) - v);
        const double half = std::acos(std::clamp(dot(u1, u2), -1.0, 1.0)) / 2;
        const QPointF centre = v + unit(u1 + u2) * (c.r / std::sin(half));
        const QPointF t1 = v + u1 * (c.r / std::tan(half)), t2 = v + u2 * (c.r / std::tan(half));
        const double a1 = std::atan2(t1.y() - centre.y(), t1.x() - centre.x());
        double sweep = std::atan2(t2.y() - centre.y(), t2.x() - centre.x()) - a1;
        if (sweep > kPi) sweep -= 2 * kPi;
        if (sweep < -kPi) sweep += 2 * kPi;
        const int steps =
            c.r <= kSmallRound ? 2 : std::max(2, static_cast<int>(std::ceil(std::abs(sweep) / (kPi / 30))));
        for (int k = 0; k <= steps; ++k) {
            const double t = a1 + sweep * k / steps;
            out.push_back(centre + QPointF(std::cos(t), std::sin(t)) * c.r);
        }
    }
    return out;
}

// An arc about `c` from angle `from` to `to` (degrees, anticlockwise with y up), appended.
void arc(std::vector<QPointF> &pts, QPointF c, double r, double from, double to) {
    const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(to - from) / 6)));
    for (int k = 0; k <= steps; ++k) {
        const double t = (from + (to - from) * k / steps) * kPi / 180;
        pts.push_back(c + QPointF(std::cos(t), std::sin(t)) * r);
    }
}

// Section units onto the page: (0, 0) of the section goes to `origin`.
struct Place {
    QPointF origin;
    double scale;
    QPointF operator()(double x, double y) const { return origin + QPointF(x, -y) * scale; }
    QPolygonF operator()(const std::vector<QPointF> &pts) const {
        QPolygonF poly;
        for (QPointF q : pts) poly << (*this)(q.x(), q.y());
        return poly;
    }
};

// ---- the solid ---------------------------------------------------------------------------------

// Faces turned up are lit, faces turned to the right are in shade.
QColor shade(QPointF normal) {
    const double w = std::clamp((normal.x() + normal.y() + 1) / 2, 0.0, 1.0);
    auto mix = [w](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * w)); };
    return {mix(kLit.red(), kShade.red()), mix(kLit.green(), kShade.green()),
            mix(kLit.blue(), kShade.blue())};
}

// A prism seen obliquely: the face (page coordinates; further loops are holes) pushed back
// along `depth`. The side faces in view are painted from the back forward, each run of faces
// along a smooth curve as one shaded strip, then the face itself. With `hiddenEdges` the
// edges behind are dashed (for convex parts).
void prism(QPainter &p, const QList<QPolygonF> &loops, QPointF depth, bool hiddenEdges = false) {
    QPainterPath face;
    face.setFillRule(Qt::OddEvenFill);
    for (const QPolygonF &l : loops) {
        face.addPolygon(l);
        face.closeSubpath();
    }

    struct Side {
        QPointF a, b, n;
        bool seen = false, sharp = false;  // sharp: a corner at b
    };
    struct Run {
        std::vector<Side> sides;
        bool inside;  // inside a hole: in shadow
    };
    std::vector<Run> runs;
    std::vector<QLineF> behind;
    for (const QPolygonF &loop : loops) {
        const bool inside = &loop != &loops.front();
        QPolygonF pts;
        for (QPointF q : loop)
            if (pts.isEmpty() || QLineF(q, pts.back()).length() > 0.05) pts << q;
        if (pts.size() > 2 && QLineF(pts.front(), pts.back()).length() < 0.05) pts.removeLast();
        const size_t m = static_cast<size_t>(pts.size());
        if (m < 3) continue;
        std::vector<Side> sides(m);
        for (size_t i = 0; i < m; ++i) {
            Side &s = sides[i];
            s.a = pts[static_cast<qsizetype>(i)];
            s.b = pts[static_cast<qsizetype>((i + 1) % m)];
            const QPointF e = unit(s.b - s.a);
            s.n = QPointF(e.y(), -e.x());
            if (face.contains((s.a + s.b) / 2 + s.n * 0.5)) s.n = -s.n;
            s.seen = dot(s.n, depth) > 1e-9;
        }
        for (size_t i = 0; i < m; ++i) {  // a turn of more than 30 degrees
            const Side &next = sides[(i + 1) % m];
            sides[i].sharp = dot(unit(sides[i].b - sides[i].a), unit(next.b - next.a)) < 0.866;
        }
        // a run starts at a face in view after a face out of view or a corner
        auto starts = [&](size_t i) {
            const Side &before = sides[(i + m - 1) % m];
            return sides[i].seen && (!before.seen || before.sharp);
        };
        size_t first = 0;
        while (first < m && !starts(first)) ++first;
        for (size_t k = 0; first < m && k < m; ++k) {
            const size_t i = (first + k) % m;
            if (starts(i)) runs.push_back({{}, inside});
            if (sides[i].seen) runs.back().sides.push_back(sides[i]);
        }
        for (size_t i = 0; i < m; ++i) {
            const Side &s = sides[i];
            if (s.seen) continue;
            behind.emplace_back(s.a + depth, s.b + depth);
            if (s.sharp && !sides[(i + 1) % m].seen) behind.emplace_back(s.b, s.b + depth);
        }
    }

    auto key = [&](const Run &r) {
        double sum = 0;
        for (const Side &s : r.sides) sum += dot(depth, s.a + s.b);
        return sum / static_cast<double>(r.sides.size());
    };
    std::sort(runs.begin(), runs.end(), [&](const Run &x, const Run &y) { return key(x) < key(y); });
    const QPointF across = unit(QPointF(-depth.y(), depth.x()));
    for (const Run &r : runs) {
        QPolygonF front({r.sides.front().a}), strip;
        for (const Side &s : r.sides) front << s.b;
        strip = front;
        for (auto q = front.crbegin(); q != front.crend(); ++q) strip << *q + depth;
        const double span = dot(front.back() - front.front(), across);
        QLinearGradient g(front.front(), front.front() + across * span);
        for (const Side &s : r.sides) {
            const QColor c = r.inside ? shade(s.n).darker(112) : shade(s.n);
            const double at = std::abs(span) > 1e-6 ? dot((s.a + s.b) / 2 - front.front(), across) / span : 0;
            g.setColorAt(std::clamp(at, 0.0, 1.0), c);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPolygon(strip);
        p.setPen(sk::outline());
        p.drawPolyline(front.translated(depth));
        p.drawLine(front.front(), front.front() + depth);
        p.drawLine(front.back(), front.back() + depth);
    }
    p.setPen(sk::outline());
    p.setBrush(kFront);
    p.drawPath(face);
    if (hiddenEdges) {
        p.setPen(sk::hidden());
        for (const QLineF &l : behind) p.drawLine(l);
    }
    p.setBrush(Qt::NoBrush);
}

// ---- marks -------------------------------------------------------------------------------------

// A dimension between two points of the part, drawn `off` away from them on extension lines.
void dim(QPainter &p, QPointF a, QPointF b, QPointF off, const QString &text, bool left) {
    const QPointF u = unit(off);
    sk::extension(p, a + u * 3, a + off + u * 6);
    sk::extension(p, b + u * 3, b + off + u * 6);
    sk::dimension(p, a + off, b + off, text, left);
}

// A text whose box starts 3 px from `from` in the direction `dir`.
void textAway(QPainter &p, QPointF from, QPointF dir, const QString &text) {
    const QSizeF t = textSize(text);
    const double reach = std::abs(dir.x()) * t.width() / 2 + std::abs(dir.y()) * t.height() / 2;
    sk::mark(p, from + dir * (3 + reach), text);
}

constexpr double kTail = 14;  // the arrows of a narrow dimension

// A dimension too small for its arrows inside: two arrows point at a and b from outside.
void narrow(QPainter &p, QPointF a, QPointF b) {
    const QPointF u = unit(b - a);
    sk::arrow(p, a - u * kTail, a);
    sk::arrow(p, b + u * kTail, b);
    p.save();
    p.setPen(sk::dimensionPen());
    p.drawLine(a, b);
    p.restore();
}

// The same with its text beyond the arrow at b (or at a).
void narrow(QPainter &p, QPointF a, QPointF b, const QString &text, bool textAtB) {
    narrow(p, a, b);
    const QPointF u = textAtB ? unit(b - a) : unit(a - b);
    textAway(p, (textAtB ? b : a) + u * kTail, u, text);
}

// ---- a section on the page ---------------------------------------------------------------------

// A rolled section standing on the page: where its profile goes (the bottom-left of the
// profile at the origin) and how far back it runs.
struct Bar {
    Place at;
    QPointF depth;
};

void solid(QPainter &p, const Bar &bar, const std::vector<QPointF> &profile, bool hiddenEdges = false) {
    prism(p, {bar.at(profile)}, bar.depth, hiddenEdges);
}

// The length along the edge running back from `corner`, on the lower right of it.
void lengthBelow(QPainter &p, QPointF corner, QPointF depth, const QString &text) {
    const QPointF n = unit(QPointF(-depth.y(), depth.x()));
    dim(p, corner, corner + depth, n * 14, text, false);
}

// The length along the edge running back from `corner`, on the upper left of it.
void lengthAbove(QPainter &p, QPointF corner, QPointF depth, const QString &text) {
    const QPointF n = unit(QPointF(depth.y(), -depth.x()));
    dim(p, corner, corner + depth, n * 14, text, true);
}

// The largest bar of a w x h profile pushed back along `depth` that fits the area less the
// margins kept for the marks, centred in what is left.
Bar fit(const QRectF &a, double w, double h, QPointF depth, QMarginsF m) {
    const double roomX = a.width() - m.left() - m.right() - depth.x();
    const double roomY = a.height() - m.top() - m.bottom() + depth.y();
    const double scale = std::min(roomX / w, roomY / h);
    const QPointF origin(a.left() + m.left() + (roomX - w * scale) / 2,
                         a.bottom() - m.bottom() - (roomY - h * scale) / 2);
    return {{origin, scale}, depth};
}

// Room on the left for a dimension `off` px off the part with its text beside it.
double leftRoom(const QString &text, double off = 18) { return off + 4 + textSize(text).width() + 2; }
constexpr double kPastArrow = 26;  // a dimension clear of the arrows of a narrow one
constexpr double kBelowRoom = 42;  // a dimension under the part and its text
constexpr double kAboveRoom = 30;  // the length on the upper left of the top edge

// ---- plates seen face on -----------------------------------------------------------------------

// A plate seen face on shows its thickness as a thin edge.
const QPointF kPlateEdge(10, -7);

// The radius of a quarter-circle cut-out about the corner `c`, marked inside the plate.
void cutOut(QPainter &p, QPointF c, QPointF dir, double r, const QString &text) {
    sk::arrow(p, c, c + dir * r);
    textAway(p, c + dir * (r + 2), dir, text);
}

// The thickness across the edge of a plate at the point `at` of its outline.
void plateThickness(QPainter &p, QPointF at, const QString &text) {
    narrow(p, at, at + kPlateEdge, text, true);
}

}  // namespace

// ---- plates ------------------------------------------------------------------------------------

void drawPlate(QPainter &p, const QRectF &a) {
    const double w = a.width() * 0.44, c = 12;
    const QString tc = QStringLiteral("厚度c");
    const QPointF depth(a.width() * 0.25, -a.height() * 0.36);
    const QPointF o(a.left() + textSize(tc).width() + 26, a.top() + a.height() * 0.68);  // front bottom left
    prism(p, {QPolygonF({o, o + QPointF(w, 0), o + QPointF(w, -c), o + QPointF(0, -c)})}, depth, true);
    dim(p, o, o + QPointF(w, 0), QPointF(0, 18), QStringLiteral("边长a"), false);
    lengthBelow(p, o + QPointF(w, 0), depth, QStringLiteral("边长b"));
    sk::extension(p, o + QPointF(-3, 0), o + QPointF(-20, 0));
    sk::extension(p, o + QPointF(-3, -c), o + QPointF(-20, -c));
    narrow(p, o + QPointF(-16, -c), o + QPointF(-16, 0));
    textAway(p, o + QPointF(-19, -c / 2), QPointF(-1, 0), tc);
}


void drawWebPlate(QPainter &p, const QRectF &area) {
    const double h1 = area.height() * 0.58, b = area.width() * 0.6, top = area.width() * 0.32,
                 h2 = area.height() * 0.22, r1 = 20, r2 = 20;
    const QPointF corner(area.left() + leftRoom(QStringLiteral("H1")) + 2, area.top() + area.height() * 0.76);
    const Place at{corner, 1};  // the bottom-left corner
    std::vector<QPointF> pts{{r2, 0}, {b, 0}, {b, h2}, {top, h1}};
    arc(pts, QPointF(0, h1), r1, 0, -90);
    arc(pts, QPointF(0, 0), r2, 90, 0);
    prism(p, {at(pts)}, kPlateEdge);
    dim(p, at(0, h1), at(0, 0), QPointF(-18, 0), QStringLiteral("H1"), false);
    dim(p, at(0, h1), at(top, h1), QPointF(0, -22), QStringLiteral("a"), true);
    dim(p, at(b, 0), at(b, h2), QPointF(kPlateEdge.x() + 18, 0), QStringLiteral("H2"), false);
    dim(p, at(0, 0), at(b, 0), QPointF(0, 20), QStringLiteral("b"), false);
    cutOut(p, at(0, h1), unit(QPointF(1, 1)), r1, QStringLiteral("R1"));
    cutOut(p, at(0, 0), unit(QPointF(1, -1)), r2, QStringLiteral("R2"));
    plateThickness(p, (at(b, h2) + at(top, h1)) / 2, QStringLiteral("t"));
}

void drawTrianglePlate(QPainter &p, const QRectF &area) {
    const double la = area.width() * 0.62, lb = area.height() * 0.62, r = 24;
    const QString tb = QStringLiteral("直角边b");
    const Place at{QPointF(area.left() + leftRoom(tb) + 4, area.top() + area.height() * 0.8), 1};
    std::vector<QPointF> pts{{r, 0}, {la, 0}, {0, lb}};
    arc(pts, QPointF(0, 0), r, 90, 0);
    prism(p, {at(pts)}, kPlateEdge);
    dim(p, at(0, 0), at(la, 0), QPointF(0, 20), QStringLiteral("直角边a"), false);
    dim(p, at(0, 0), at(0, lb), QPointF(-18, 0), tb, true);
    cutOut(p, at(0, 0), unit(QPointF(1, -1)), r, QStringLiteral("R"));
    plateThickness(p, at(la * 0.5, lb * 0.5), QStringLiteral("厚度t"));
}

void drawDuct(QPainter &p, const QRectF &a) {
    const QString th = QStringLiteral("高度H");
    const double left = leftRoom(th, kPastArrow) + 4, room = a.width() - left - 18;  // 18: the length
    const double w = room * 0.56, h = a.height() * 0.36, t = 8;
    const QPointF depth(room * 0.44, -a.height() * 0.24);
    const QPointF o(a.left() + left, a.top() + a.height() * 0.76);  // front bottom left
    const QPolygonF outer({o, o + QPointF(w, 0), o + QPointF(w, -h), o + QPointF(0, -h)});
    const QPolygonF inner(
        {o + QPointF(t, -t), o + QPointF(t, -h + t), o + QPointF(w - t, -h + t), o + QPointF(w - t, -t)});
    prism(p, {outer, inner}, depth);
    dim(p, o, o + QPointF(w, 0), QPointF(0, 18), QStringLiteral("宽度W"), false);
    dim(p, o, o + QPointF(0, -h), QPointF(-kPastArrow, 0), th, true);
    lengthBelow(p, o + QPointF(w, 0), depth, QStringLiteral("长度L"));
    narrow(p, o + QPointF(0, -h + t + 12), o + QPointF(t, -h + t + 12), QStringLiteral("厚度t"), true);
}

// ---- rolled sections ---------------------------------------------------------------------------

void drawChannel(QPainter &p, const QRectF &a) {
    const double H = 100, B = 54, tw = 8, tf = 11;
    const QString h = QStringLiteral("高度 H");
    const Bar bar = fit(a, B, H, QPointF(a.width() * 0.36, -a.height() * 0.27),
                        QMarginsF(leftRoom(h, kPastArrow), kAboveRoom, 4, kBelowRoom));
    solid(p, bar,
          rounded({{0, 0}, {B, 0}, {B, tf}, {tw, tf, 6}, {tw, H - tf, 6}, {B, H - tf}, {B, H}, {0, H}}));
    dim(p, bar.at(0, 0), bar.at(0, H), QPointF(-kPastArrow, 0), h, true);
    dim(p, bar.at(0, 0), bar.at(B, 0), QPointF(0, 18), QStringLiteral("腿宽 B"), false);
    lengthAbove(p, bar.at(0, H), bar.depth, QStringLiteral("长度L"));
    narrow(p, bar.at(0, H * 0.6), bar.at(tw, H * 0.6), QStringLiteral("腰厚 D"), true);
}

void drawIBeam(QPainter &p, const QRectF &a) {
    const double H = 100, B = 64, tw = 8, tf = 11, l = (B - tw) / 2, r = l + tw;
    const Bar bar = fit(a, B, H, QPointF(a.width() * 0.34, -a.height() * 0.26),
                        QMarginsF(leftRoom(QStringLiteral("高度 H")), kAboveRoom, 4, kBelowRoom));
    solid(p, bar, rounded({{0, 0}, {B, 0}, {B, tf}, {r, tf, 6}, {r, H - tf, 6}, {B, H - tf}, {B, H}, {0, H},
                           {0, H - tf}, {l, H - tf, 6}, {l, tf, 6}, {0, tf}}));
    dim(p, bar.at(0, 0), bar.at(0, H), QPointF(-18, 0), QStringLiteral("高度 H"), true);
    dim(p, bar.at(0, 0), bar.at(B, 0), QPointF(0, 18), QStringLiteral("腿宽 B"), false);
    lengthAbove(p, bar.at(0, H), bar.depth, QStringLiteral("长度L"));
    narrow(p, bar.at(l, H * 0.55), bar.at(r, H * 0.55), QStringLiteral("腰厚 D"), true);
}

void drawEqualAngle(QPainter &p, const QRectF &a) {
    const double b = 100, d = 14;
    const QString t = QStringLiteral("厚度 d");
    const Bar bar = fit(a, b, b, QPointF(a.width() * 0.32, -a.height() * 0.24),
                        QMarginsF(kTail + 4 + textSize(t).width(), kAboveRoom, 4, kBelowRoom));
    solid(p, bar, rounded({{0, 0}, {b, 0}, {b, d, 3}, {d, d, 8}, {d, b, 3}, {0, b}}));
    dim(p, bar.at(0, 0), bar.at(b, 0), QPointF(0, 18), QStringLiteral("边长 b"), false);
    lengthAbove(p, bar.at(0, b), bar.depth, QStringLiteral("长度 L"));
    narrow(p, bar.at(0, b * 0.55), bar.at(d, b * 0.55), t, false);
}

void drawUnequalAngle(QPainter &p, const QRectF &a) {
    const double B = 100, b = 63, d = 12;
    const QString tb = QStringLiteral("长边宽度 B");
    const Bar bar = fit(a, b, B, QPointF(a.width() * 0.3, -a.height() * 0.22),
                        QMarginsF(leftRoom(tb, kPastArrow), kAboveRoom, 4, kBelowRoom));
    solid(p, bar, rounded({{0, 0}, {b, 0}, {b, d, 3}, {d, d, 8}, {d, B, 3}, {0, B}}));
    dim(p, bar.at(0, 0), bar.at(0, B), QPointF(-kPastArrow, 0), tb, true);
    dim(p, bar.at(0, 0), bar.at(b, 0), QPointF(0, 18), QStringLiteral("短边宽度 b"), false);
    lengthAbove(p, bar.at(0, B), bar.depth, QStringLiteral("长度 L"));
    narrow(p, bar.at(0, B * 0.7), bar.at(d, B * 0.7), QStringLiteral("边厚 d"), true);
}

void drawBulbFlat(QPainter &p, const QRectF &a) {
    const double A = 100, s = 12, c = 30, hb = 26;
    const QString w = QStringLiteral("宽度 a");
    const Bar bar = fit(a, c, A, QPointF(a.width() * 0.4, -a.height() * 0.26),
                        QMarginsF(leftRoom(w), kAboveRoom, 4, 34));
    solid(p, bar, rounded({{0, 0}, {s, 0}, {s, A - hb, 4}, {c, A - hb + 10, 6}, {c, A, 9}, {0, A, 1.5}}));
    dim(p, bar.at(0, 0), bar.at(0, A), QPointF(-18, 0), w, true);
    lengthAbove(p, bar.at(0, A), bar.depth, QStringLiteral("长度 L"));
    const QPointF l = bar.at(0, 0) + QPointF(0, 14), r = bar.at(s, 0) + QPointF(0, 14);
    sk::extension(p, bar.at(0, 0) + QPointF(0, 3), l + QPointF(0, 5));
    sk::extension(p, bar.at(s, 0) + QPointF(0, 3), r + QPointF(0, 5));
    narrow(p, l, r, QStringLiteral("厚度 s"), true);
}

void drawSquareBar(QPainter &p, const QRectF &a) {
    const double A = 60;
    const QString side = QStringLiteral("边长 A");
    const Bar bar = fit(a, A, A, QPointF(a.width() * 0.42, -a.height() * 0.3),
                        QMarginsF(leftRoom(side), 6, 16, kBelowRoom));
    solid(p, bar, {{0, 0}, {A, 0}, {A, A}, {0, A}}, true);
    dim(p, bar.at(0, 0), bar.at(0, A), QPointF(-18, 0), side, true);
    dim(p, bar.at(0, 0), bar.at(A, 0), QPointF(0, 18), side, false);
    lengthBelow(p, bar.at(A, 0), bar.depth, QStringLiteral("长度 L"));
}

}  // namespace hanhai::steel
