// (being written)
#include "steel/ui/drawings.h"

#include <QPainter>

namespace hanhai::steel {

void drawPlate(QPainter &, const QRectF &) {}
void drawWebPlate(QPainter &, const QRectF &) {}
void drawTrianglePlate(QPainter &, const QRectF &) {}
void drawDuct(QPainter &, const QRectF &) {}
void drawChannel(QPainter &, const QRectF &) {}
void drawIBeam(QPainter &, const QRectF &) {}
void drawEqualAngle(QPainter &, const QRectF &) {}
void drawUnequalAngle(QPainter &, const QRectF &) {}
void drawBulbFlat(QPainter &, const QRectF &) {}
void drawSquareBar(QPainter &, const QRectF &) {}

}  // namespace hanhai::steel
