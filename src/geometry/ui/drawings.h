// Drawings of the simple solids, marked with the symbols of their fields.
#pragma once

class QPainter;
class QRectF;

namespace hanhai::geometry {

void drawCylinder(QPainter &p, const QRectF &area);
void drawCone(QPainter &p, const QRectF &area);
void drawCuboid(QPainter &p, const QRectF &area);
void drawTube(QPainter &p, const QRectF &area);
void drawTorus(QPainter &p, const QRectF &area);
void drawSphere(QPainter &p, const QRectF &area);
void drawFrustum(QPainter &p, const QRectF &area);
void drawCap(QPainter &p, const QRectF &area);

}  // namespace hanhai::geometry
