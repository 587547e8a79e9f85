#include "heating/ui/insulation_pictures.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/ui/look.h"
#include "shell/ui/sketch.h"

namespace hanhai::heating {

namespace {

namespace look = shell::look;

const QColor kInk{20, 20, 20};
const QColor kSymbolInk{0, 0, 150};

// ---------------------------------------------------------------------------------------------
// Formulas: symbols with subscripts, and fractions of them.

struct Piece {
    QString base;
    QString sub = {};
    bool symbol = true;  // italic letters; operators and figures upright
};
using Run = std::vector<Piece>;

Piece op(const QString &text) { return {text, {}, false}; }

// A fraction, or (without a denominator) a run on the formula's baseline.
struct Term {
    Run top;
    Run bottom = {};
};

class MathWriter {
public:
    explicit MathWriter(double points) {
        symbol_.setFamilies({"Times New Roman", "DejaVu Serif"});
        symbol_.setPointSizeF(points);
        symbol_.setItalic(true);
        upright_ = symbol_;
        upright_.setItalic(false);
        sub_ = upright_;
        sub_.setPointSizeF(points * 0.68);
    }

    double width(const Run &run) const {
        double w = 0;
        for (const Piece &piece : run) {
            w += QFontMetricsF(piece.symbol ? symbol_ : upright_).horizontalAdvance(piece.base);
            if (!piece.sub.isEmpty()) w += QFontMetricsF(sub_).horizontalAdvance(piece.sub) + 1;
        }
        return w;
    }

    double width(const Term &term) const {
        return term.bottom.empty() ? width(term.top) : std::max(width(term.top), width(term.bottom)) + 8;
    }

    double width(const std::vector<Term> &terms) const {
        double w = 0;
        for (const Term &t : terms) w += width(t);
        return w;
    }

    // Height above and below the fraction bar.
    double halfHeight() const {
        const QFontMetricsF fm(upright_);
        return fm.ascent() + fm.descent() + 3;
    }

    void draw(QPainter &p, const Run &run, double x, double baseline) const {
        for (const Piece &piece : run) {
            const QFont &f = piece.symbol ? symbol_ : upright_;
            p.setFont(f);
            p.setPen(piece.symbol ? kSymbolInk : kInk);
            p.drawText(QPointF(x, baseline), piece.base);
            x += QFontMetricsF(f).horizontalAdvance(piece.base);
            if (!piece.sub.isEmpty()) {
                p.setFont(sub_);
                p.drawText(QPointF(x + 1, baseline + QFontMetricsF(upright_).ascent() * 0.28), piece.sub);
                x += QFontMetricsF(sub_).horizontalAdvance(piece.sub) + 1;
            }
        }
    }

    // Terms side by side from x, with fraction bars at height `axis`.
    void draw(QPainter &p, const std::vector<Term> &terms, double x, double axis) const {
        const QFontMetricsF fm(upright_);
        for (const Term &t : terms) {
            const double w = width(t);
            if (t.bottom.empty()) {
                draw(p, t.top, x, axis + fm.xHeight() / 2);
            } else {
                p.setPen(QPen(kInk, 1.1));
                p.drawLine(QPointF(x + 2, axis), QPointF(x + w - 2, axis));
                draw(p, t.top, x + (w - width(t.top)) / 2, axis - 3 - fm.descent());
                draw(p, t.bottom, x + (w - width(t.bottom)) / 2, axis + 3 + fm.ascent());
            }
            x += w;
        }
    }

private:
    QFont symbol_, upright_, sub_;
};

// A text wrapped into the width from `x`; returns the height it took.
double paragraph(QPainter &p, const QString &text, double x, double y, double width, const QFont &font,
                 const QColor &colour = kInk) {
    p.setFont(font);
    p.setPen(colour);
    QRectF used;
    p.drawText(QRectF(x, y, width, 1000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text, &used);
    return used.height();
}

QFont noteFont(double points, bool bold = false) { return look::song(points, bold); }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Pipe insulation: (Dis/2)·ln(Dis/D0) = (kis/his)·(tp − ta)/(tis − ta), and what each letter is.

void paintPipeInsulationFormula(QPainter &p, const QRectF &area) {
    p.save();
    const Piece Dis{"D", "is"}, D0{"D", "0"}, kis{"k", "is"}, his{"h", "is"}, tp{"t", "p"}, ta{"t", "a"}, tis{"t", "is"};
    const std::vector<Term> formula = {
        {{Dis}, {op("2")}},
        {{op(" · ln")}},
        {{op("(")}},
        {{Dis}, {D0}},
        {{op(")  =  ")}},
        {{kis}, {his}},
        {{op(" · ")}},
        {{tp, op(" − "), ta}, {tis, op(" − "), ta}},
    };
    MathWriter math(15);
    const double scale = std::min(1.0, (area.width() - 8) / math.width(formula));
    p.translate(area.left() + area.width() / 2, area.top() + 10 + math.halfHeight() * scale);
    p.scale(scale, scale);
    math.draw(p, formula, -math.width(formula) / 2, 0);
    p.resetTransform();
    double y = area.top() + 22 + 2 * math.halfHeight() * scale;

    // The legend: each symbol, then what it stands for.
    const QFont text = noteFont(10);
    y += paragraph(p, QStringLiteral("式中："), area.left() + 4, y, area.width(), noteFont(10, true)) + 2;
    struct Entry {
        Piece symbol;
        QString meaning;
    };
    const Entry legend[] = {
        {kis, QStringLiteral("绝热材料的导热系数，W/mK，\n一般为0.074～0.082")},
        {his, QStringLiteral("绝热层外表面的传热系数，W/m²K，\n一般为5～60")},
        {tp, QStringLiteral("管内介质的温度，℃")},
        {tis, QStringLiteral("绝热层外表面的温度，℃，\n一般为50℃或以下")},
        {ta, QStringLiteral("环境温度，℃")},
    };
    MathWriter symbols(12);
    const double column = area.left() + 44;
    for (const Entry &e : legend) {
        const double baseline = y + QFontMetricsF(text).ascent();
        symbols.draw(p, {e.symbol}, column - 4 - symbols.width(Run{e.symbol}), baseline);
        y += paragraph(p, QStringLiteral("：") + e.meaning, column, y, area.right() - column, text) + 3;
    }
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Tank insulation: the wall in section, then the purpose, the formulas and the assumptions.

namespace {

// The build-up in section, oil on the left, ambient air on the right.
void paintBuildUp(QPainter &p, const QRectF &r) {
    const QFont labels = look::song(9.5);
    const QFontMetricsF fm(labels);
    const double top = r.top() + 26, bottom = r.bottom() - 4 * fm.height() - 8, height = bottom - top;
    const double wall = r.left() + 46, wallW = 8;       // the tank's plate
    const double wool = wall + wallW, woolW = 70;       // rock wool felt, δ1
    const double cavity = wool + woolW, cavityW = 30;   // the air gap the lining bars hold, δ2
    const double sheet = cavity + cavityW, sheetW = 4;  // galvanised sheet, δ3
    const double air = sheet + sheetW;

    p.fillRect(QRectF(r.left(), top, wall - r.left(), height), QColor(250, 226, 170));  // oil
    p.fillRect(QRectF(wall, top, wallW, height), shell::sketch::kSteelFill);
    p.fillRect(QRectF(wool, top, woolW, height), QColor(255, 246, 196));
    p.fillRect(QRectF(cavity, top, cavityW, height), QColor(236, 246, 255));
    p.fillRect(QRectF(sheet, top, sheetW, height), QColor(168, 184, 200));

    // the plate hatched, the wool's fibres as waves
    p.save();
    p.setClipRect(QRectF(wall, top, wallW, height));
    p.setPen(QPen(QColor(70, 70, 70), 0.8));
    for (double y = top - wallW; y < bottom; y += 5) p.drawLine(QPointF(wall, y + wallW), QPointF(wall + wallW, y));
    p.restore();
    p.setPen(QPen(QColor(190, 150, 60), 0.9));
    for (double y = top + 6; y < bottom - 2; y += 7) {
        QPainterPath wave;
        wave.moveTo(wool + 3, y);
        for (double x = wool + 3; x < wool + woolW - 6; x += 8) {
            wave.quadTo(x + 2, y - 3, x + 4, y);
            wave.quadTo(x + 6, y + 3, x + 8, y);
        }
        p.drawPath(wave);
    }

    // lining bars 50×25×3 across the gap, holding the sheet off the wool
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(shell::sketch::kSteelFill);
    const double barY[] = {top + height * 0.30, top + height * 0.74};
    for (double y : barY) {
        QPainterPath bar;  // an angle: one leg against the wool, one across the gap
        bar.addRect(QRectF(cavity, y, 3, 24));
        bar.addRect(QRectF(cavity, y + 21, cavityW, 3));
        p.drawPath(bar.simplified());
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.4));
    for (double x : {wall, wool, cavity, sheet, air}) p.drawLine(QPointF(x, top), QPointF(x, bottom));

    // thicknesses
    using shell::sketch::dimension;
    using shell::sketch::extension;
    const double dimY = top - 10;
    for (double x : {wool, cavity, air}) extension(p, QPointF(x, top), QPointF(x, dimY - 5));
    dimension(p, QPointF(wool, dimY), QPointF(cavity, dimY), QStringLiteral("δ1=δ"));
    dimension(p, QPointF(cavity, dimY), QPointF(air, dimY), QStringLiteral("δ2"));

    // temperatures and the heat flow
    p.setFont(labels);
    p.setPen(kSymbolInk);
    p.drawText(QRectF(r.left(), top + 4, wall - r.left(), 2 * fm.height()), Qt::AlignCenter, QStringLiteral("油\nt1"));
    p.drawText(QPointF(air + 10, bottom - 6), QStringLiteral("空气 tw"));
    const double flowY = top + height * 0.6;
    shell::sketch::arrow(p, QPointF(air + 6, flowY), QPointF(air + 46, flowY));
    p.setFont(labels);
    p.setPen(kSymbolInk);
    p.drawText(QPointF(air + 50, flowY + fm.ascent() / 2 - 1), QStringLiteral("q，α"));
    p.drawText(QPointF(air + 4, top + fm.ascent() + 2), QStringLiteral("t2"));
    const double legY = barY[0] + 22.5;  // the leg across the gap
    p.setPen(QPen(shell::sketch::kMarkColour, 0.8));
    p.drawLine(QPointF(sheet - 6, legY), QPointF(air + 16, barY[0] + 4));
    p.setPen(kInk);
    p.drawText(QPointF(air + 18, barY[0] + 4 + fm.ascent() / 2 - 1), QStringLiteral("钢衬条50×25×3"));

    // what each layer is, the outermost nearest: each leader passes left of the texts above it
    struct Callout {
        double x;
        QString text;
    };
    const Callout callouts[] = {
        {sheet + sheetW / 2, QStringLiteral("③ 镀锌薄板，δ3")},
        {cavity + cavityW / 2, QStringLiteral("② 空腔，δ2")},
        {wool + woolW / 2, QStringLiteral("① 岩棉毡，δ1")},
        {wall + wallW / 2, QStringLiteral("舱壁")},
    };
    double lineY = bottom + 4 + fm.ascent();
    for (const Callout &c : callouts) {
        p.setPen(QPen(shell::sketch::kMarkColour, 0.8));
        p.drawLine(QPointF(c.x, bottom - 4), QPointF(c.x, lineY - fm.ascent() / 2));
        p.drawLine(QPointF(c.x, lineY - fm.ascent() / 2), QPointF(c.x + 6, lineY - fm.ascent() / 2));
        p.setPen(kInk);
        p.drawText(QPointF(c.x + 8, lineY), c.text);
        lineY += fm.height();
    }
}

}  // namespace

void paintTankInsulationBasis(QPainter &p, const QRectF &area) {
    p.save();
    const QFont body = noteFont(9.5), heading = noteFont(9.5, true);
    const double x = area.left() + 2, width = area.width() - 4;
    double y = area.top();
    const QRectF drawing(area.left(), y, area.width(), 214);
    paintBuildUp(p, drawing);
    y = drawing.bottom() + 6;

    y += paragraph(p, QStringLiteral("目的：求包扎外表面温度t2（即外表面温度t）。"), x, y, width, body) + 2;
    y += paragraph(p, QStringLiteral("计算公式："), x, y, width, heading);

    MathWriter math(10.5);
    const Piece t1{"t", "1"}, t2{"t", "2"}, tw{"t", "w"}, alpha{"α"}, q{"q"};
    auto layer = [](const char *n) { return Run{{"δ", n}, op("/"), {"λ", n}}; };
    Run resistance = layer("1");
    for (const char *n : {"2", "3"}) {
        resistance.push_back(op(" + "));
        const Run more = layer(n);
        resistance.insert(resistance.end(), more.begin(), more.end());
    }
    const std::vector<Term> conduction = {{{q, op(" = ")}}, {{t1, op(" − "), t2}, resistance}};
    const std::vector<Term> surface = {{{q, op(" = "), alpha, op("("), t2, op(" − "), tw, op(")")}}};
    double axis = y + math.halfHeight();
    math.draw(p, conduction, x + 16, axis);
    axis += math.halfHeight() + 8;
    math.draw(p, surface, x + 16, axis);
    y = axis + QFontMetricsF(body).height();

    y += paragraph(p, QStringLiteral("假定："), x, y, width, heading);
    const QString assumptions[] = {
        QStringLiteral("1、外表面换热系数α取3～15 W/(m²·℃)，通风越好取值越大；"),
        QStringLiteral("2、空腔内的空气 Nu = 1.3～1.5；"),
        QStringLiteral("3、忽略钢衬条的导热。"),
    };
    for (const QString &a : assumptions) y += paragraph(p, a, x + 8, y, width - 8, body) + 1;
    p.restore();
}

}  // namespace hanhai::heating
