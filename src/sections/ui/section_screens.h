// The section-property screens: a T-stiffener with its attached plate, and a corrugated bulkhead.
#pragma once

class QWidget;

namespace hanhai::sections {

QWidget *makeTSectionScreen();     // T型材模数惯性计算
QWidget *makeCorrugationScreen();  // 槽型舱壁剖面模数惯性矩计算

}  // namespace hanhai::sections
