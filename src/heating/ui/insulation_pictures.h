// The explanatory pictures of the two insulation screens, painted in code.
#pragma once

#include <QPainter>
#include <QRectF>

namespace hanhai::heating {

// The estimating formula of the pipe insulation, with its legend.
void paintPipeInsulationFormula(QPainter &p, const QRectF &area);

// The tank wall's insulation build-up and the basis of the surface temperature estimate.
void paintTankInsulationBasis(QPainter &p, const QRectF &area);

}  // namespace hanhai::heating
