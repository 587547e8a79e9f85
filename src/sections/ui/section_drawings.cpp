#include "sections/ui/section_drawings.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <iterator>

#include "shell/ui/sketch.h"

namespace hanhai::sections {

namespace sk = shell::sketch;

namespace {

QPointF unit(QPointF v) {
    const double l = std::hypot(v.x(), v.y());
    return l > 0 ? v / l : QPointF();
}

QFont subFont() {
    QFont f = sk::markFont();
    f.setPointSizeF(f.pointSizeF() * 0.75);
    return f;
}

QSizeF textSize(const QString &text, const QString &sub = {}) {
    const QFontMetricsF fm(sk::markFont());
    const double subWidth = sub.isEmpty() ? 0 : QFontMetricsF(subFont()).horizontalAdvance(sub) + 1;
    return {fm.horizontalAdvance(text) + subWidth + 4, fm.height()};
}

SketchText centredAt(QPointF centre, const QString &text, const QString &sub = {}) {
    const QSizeF size = textSize(text, sub);
    return {text, sub, QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size)};
}

// A text whose box starts 3 px from `from` in the direction `dir`.
SketchText away(QPointF from, QPointF dir, const QString &text, const QString &sub = {}) {
    const QSizeF size = textSize(text, sub);
    const double reach = std::abs(dir.x()) * size.width() / 2 + std::abs(dir.y()) * size.height() / 2;
    return centredAt(from + dir * (3 + reach), text, sub);
}

// A dimension between two points of the section, drawn `off` away from them on extension
// lines, its text beyond the line on the same side.
void dimension(SketchLayout &l, QPointF a, QPointF b, QPointF off, const QString &text, const QString &sub = {}) {
    const QPointF u = unit(off);
    l.thin.moveTo(a + u * 3);
    l.thin.lineTo(a + off + u * 6);
    l.thin.moveTo(b + u * 3);
    l.thin.lineTo(b + off + u * 6);
    l.dimensions.emplace_back(a + off, b + off);
    l.texts.push_back(away((a + b) / 2 + off, u, text, sub));
}

constexpr double kTail = 14;  // the arrows of a dimension too narrow for arrows inside

// Two arrows pointing at a and b from outside, joined across.
void narrow(SketchLayout &l, QPointF a, QPointF b) {
    const QPointF u = unit(b - a);
    l.arrows.emplace_back(a - u * kTail, a);
    l.arrows.emplace_back(b + u * kTail, b);
    l.thin.moveTo(a);
    l.thin.lineTo(b);
}

void paintText(QPainter &p, const SketchText &t) {
    p.setPen(t.colour.isValid() ? t.colour : sk::kMarkColour);
    p.setFont(sk::markFont());
    const double main = QFontMetricsF(p.font()).horizontalAdvance(t.text);
    const QRectF box = t.box.adjusted(2, 0, -2, 0);
    p.drawText(QRectF(box.topLeft(), QSizeF(main + 1, box.height())), Qt::AlignLeft | Qt::AlignVCenter, t.text);
    if (t.sub.isEmpty()) return;
    p.setFont(subFont());
    p.drawText(QRectF(box.left() + main + 1, box.top() + box.height() * 0.22, box.width() - main - 1, box.height()),
               Qt::AlignLeft | Qt::AlignVCenter, t.sub);
}

void paint(QPainter &p, const SketchLayout &l) {
    p.save();
    QPen edge = sk::outline();
    edge.setWidthF(1.6);
    edge.setJoinStyle(Qt::MiterJoin);
    p.setPen(edge);
    p.setBrush(sk::kSteelFill);
    p.drawPath(l.body);
    p.setBrush(Qt::NoBrush);
    p.setPen(sk::hidden());
    p.drawPath(l.hidden);
    p.setPen(QPen(sk::kMarkColour, 0.8));
    p.drawPath(l.thin);
    for (const QLineF &d : l.dimensions) sk::dimension(p, d.p1(), d.p2(), QString());
    for (const QLineF &a : l.arrows) sk::arrow(p, a.p1(), a.p2());
    for (const SketchText &t : l.texts) paintText(p, t);
    p.restore();
}

}  // namespace

// The face plate on top, the web standing on the attached plate; the plates' thicknesses are
// marked on their right ends, the web's across it, its height between the plates on its left.
SketchLayout tSectionLayout(const QRectF &a) {
    SketchLayout l;
    const double textHeight = textSize(QStringLiteral("W")).height();
    const double off = 18, room = off + textHeight + 8;  // a width's dimension and its text
    const double w2 = a.width() * 0.70, w1 = a.width() * 0.40, t = 11, web = 9;
    const double height = std::min(a.height() - 2 * room, a.width() * 0.95);
    const double cx = a.center().x(), top = a.center().y() - height / 2, bottom = top + height;

    const QRectF face(cx - w1 / 2, top, w1, t), plate(cx - w2 / 2, bottom - t, w2, t);
    const QRectF stem(cx - web / 2, face.bottom(), web, plate.top() - face.bottom());
    for (const QRectF &r : {face, stem, plate}) l.body.addRect(r);
    l.body = l.body.simplified();

    dimension(l, face.topLeft(), face.topRight(), QPointF(0, -off), QStringLiteral("W1"));
    dimension(l, plate.bottomLeft(), plate.bottomRight(), QPointF(0, off), QStringLiteral("W2"));

    // the clear height, between the plates left of the web
    const double hx = stem.left() - (stem.left() - face.left()) * 0.5;
    l.dimensions.emplace_back(QPointF(hx, face.bottom()), QPointF(hx, plate.top()));
    l.texts.push_back(away(QPointF(hx, (face.bottom() + plate.top()) / 2), QPointF(-1, 0), QStringLiteral("H")));

    const double by = stem.top() + stem.height() * 0.68;
    narrow(l, QPointF(stem.left(), by), QPointF(stem.right(), by));
    l.texts.push_back(away(QPointF(stem.right() + kTail, by), QPointF(1, 0), QStringLiteral("B")));

    for (auto [r, name] : {std::pair{face, QStringLiteral("t1")}, std::pair{plate, QStringLiteral("t2")}}) {
        const double x = r.right() + 12;
        l.thin.moveTo(r.topRight() + QPointF(3, 0));
        l.thin.lineTo(QPointF(x + 4, r.top()));
        l.thin.moveTo(r.bottomRight() + QPointF(3, 0));
        l.thin.lineTo(QPointF(x + 4, r.bottom()));
        narrow(l, QPointF(x, r.top()), QPointF(x, r.bottom()));
        l.texts.push_back(away(QPointF(x + 4, r.center().y()), QPointF(1, 0), name));
    }
    return l;
}

// One corrugation and a half: a flat part below, the inclined part rising at α, the flat part a
// on top, falling again to a flat part below; the legend of the symbols underneath.
SketchLayout corrugationLayout(const QRectF &area) {
    SketchLayout l;
    const QString kDepth = QStringLiteral("d"), kDepthSub = QStringLiteral("w");
    const QColor ink(20, 20, 20);

    // the legend, one symbol a line
    struct Entry {
        QString symbol, sub, meaning;
    };
    const Entry legend[] = {
        {QStringLiteral("a"), {}, QStringLiteral("槽形平面部份宽度")},
        {QStringLiteral("b"), {}, QStringLiteral("槽形斜面部份宽度")},
        {kDepth, kDepthSub, QStringLiteral("槽形深度")},
        {QStringLiteral("t"), {}, QStringLiteral("槽形舱壁板厚度")},
        {QStringLiteral("α"), {}, QStringLiteral("斜面与平面的夹角")},
    };
    // the sketch over the legend, the two together in the middle of the area
    const double line = textSize(QStringLiteral("槽")).height() + 2, gap = 14;
    const double legendHeight = line * static_cast<double>(std::size(legend));
    const double textHeight = textSize(QStringLiteral("a")).height();
    const double above = 18 + textHeight + 8, below = kTail + textHeight + 10;
    const double w = area.width(), tp = 6;
    const double depth = std::clamp(area.height() - legendHeight - gap - above - below, 20.0, w * 0.42);
    const double yt = area.top() + (area.height() - (above + depth + below + gap + legendHeight)) / 2 + above;
    const double yb = yt + depth, legendTop = yb + below + gap;
    double symbolWidth = 0;
    for (const Entry &e : legend) symbolWidth = std::max(symbolWidth, textSize(e.symbol, e.sub).width());
    for (size_t i = 0; i < std::size(legend); ++i) {
        const Entry &e = legend[i];
        const double y = legendTop + line * static_cast<double>(i);
        const QSizeF s = textSize(e.symbol, e.sub);
        l.texts.push_back({e.symbol, e.sub, QRectF(QPointF(area.left() + 10, y), s)});
        const QString meaning = QStringLiteral("—— ") + e.meaning;
        l.texts.push_back({meaning, {}, QRectF(QPointF(area.left() + 10 + symbolWidth + 2, y), textSize(meaning)), ink});
    }

    // the plate's mid-surface
    const double end = w * 0.10, run = w * 0.15, flat = w * 0.26;
    const double x0 = area.left() + w * 0.04;
    const QPointF p0(x0, yb), p1(x0 + end, yb), p2(p1.x() + run, yt), p3(p2.x() + flat, yt), p4(p3.x() + run, yb),
        p5(p4.x() + end, yb);
    QPainterPath mid(p0);
    for (QPointF q : {p1, p2, p3, p4, p5}) mid.lineTo(q);
    QPainterPathStroker stroker;
    stroker.setWidth(tp);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::MiterJoin);
    l.body = stroker.createStroke(mid).simplified();

    const QPointF up(0, -tp / 2);
    dimension(l, p2 + up, p3 + up, QPointF(0, -18), QStringLiteral("a"));

    // b along the rising part, on its open side
    const QPointF along = unit(p2 - p1), out(along.y(), -along.x());
    dimension(l, p1 + out * (tp / 2), p2 + out * (tp / 2), out * 16, QStringLiteral("b"));

    // the depth on the right, between the mid-surfaces
    const double dx = p5.x() + 14;
    l.thin.moveTo(p3 + QPointF(tp, 0));
    l.thin.lineTo(QPointF(dx + 5, yt));
    l.thin.moveTo(p5 + QPointF(3, 0));
    l.thin.lineTo(QPointF(dx + 5, yb));
    l.dimensions.emplace_back(QPointF(dx, yt), QPointF(dx, yb));
    l.texts.push_back(away(QPointF(dx, (yt + yb) / 2), QPointF(1, 0), kDepth, kDepthSub));

    // the thickness across the lower flat part on the right
    const double tx = (p4.x() + p5.x()) / 2 + 2;
    narrow(l, QPointF(tx, yb - tp / 2), QPointF(tx, yb + tp / 2));
    l.texts.push_back(away(QPointF(tx, yb + tp / 2 + kTail), QPointF(0, 1), QStringLiteral("t")));

    // α between the flat part carried on and the rising part
    const double alpha = qRadiansToDegrees(std::atan2(depth, run)), r = 22;
    l.hidden.moveTo(p1);
    l.hidden.lineTo(p1 + QPointF(r + 14, 0));
    l.thin.arcMoveTo(QRectF(p1 - QPointF(r, r), QSizeF(2 * r, 2 * r)), 0);
    l.thin.arcTo(QRectF(p1 - QPointF(r, r), QSizeF(2 * r, 2 * r)), 0, alpha);
    const double half = qDegreesToRadians(alpha / 2);
    l.texts.push_back(centredAt(p1 + QPointF(std::cos(half), -std::sin(half)) * (r + 14), QStringLiteral("α")));
    return l;
}

void drawTSection(QPainter &p, const QRectF &area) { paint(p, tSectionLayout(area)); }

void drawCorrugation(QPainter &p, const QRectF &area) { paint(p, corrugationLayout(area)); }

}  // namespace hanhai::sections
