// Sketches of the two sections, painted in code: a T-stiffener with its attached plate, and one
// corrugation of a corrugated bulkhead. Each sketch is first laid out for its area (the section,
// its dimension lines and where every mark stands), then painted from that layout, so the marks
// can be checked to fit.
#pragma once

#include <QColor>
#include <QLineF>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace hanhai::sections {

// A text of a sketch: a symbol with an optional subscript ("d" with "w"), and its box.
struct SketchText {
    QString text;
    QString sub = {};
    QRectF box = {};
    QColor colour = {};  // invalid: the colour of the marks
};

struct SketchLayout {
    QPainterPath body;                // the section itself, filled
    std::vector<QLineF> dimensions;   // dimension lines, arrowheads at both ends
    std::vector<QLineF> arrows;       // arrows pointing at their second point
    QPainterPath thin;                // extension lines and angle arcs
    QPainterPath hidden;              // dashed lines
    std::vector<SketchText> texts;
};

SketchLayout tSectionLayout(const QRectF &area);
SketchLayout corrugationLayout(const QRectF &area);

void drawTSection(QPainter &p, const QRectF &area);    // T型材连同带板
void drawCorrugation(QPainter &p, const QRectF &area);  // 槽形舱壁

}  // namespace hanhai::sections
