// The suite's emblem: a ship's wheel, painted in code. The main menu shows it, and the desktop
// icons are rendered from it (packaging/).
#pragma once

class QPainter;
class QRectF;

namespace hanhai::shell {

// Paints the wheel filling the largest square centred in `area`: eight spokes whose handles
// stand out past a rim ring, and a hub. Drawn on a 56-unit square and scaled, so it is as
// sharp at any size and device pixel ratio as the painter's device.
void paintLogo(QPainter &p, const QRectF &area);

}  // namespace hanhai::shell
