// Drawings of plates and rolled sections, marked with the symbols of their fields.
#pragma once

class QPainter;
class QRectF;

namespace hanhai::steel {

void drawPlate(QPainter &p, const QRectF &area);          // 普通钢板
void drawWebPlate(QPainter &p, const QRectF &area);       // 腹板
void drawTrianglePlate(QPainter &p, const QRectF &area);  // 直角三角板
void drawDuct(QPainter &p, const QRectF &area);           // 矩形风道
void drawChannel(QPainter &p, const QRectF &area);        // 槽钢
void drawIBeam(QPainter &p, const QRectF &area);          // 工字钢
void drawEqualAngle(QPainter &p, const QRectF &area);     // 等边角钢
void drawUnequalAngle(QPainter &p, const QRectF &area);   // 不等边角钢
void drawBulbFlat(QPainter &p, const QRectF &area);       // 球扁钢
void drawSquareBar(QPainter &p, const QRectF &area);      // 方钢

}  // namespace hanhai::steel
