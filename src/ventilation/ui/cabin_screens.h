#pragma once

class QWidget;

namespace hanhai::ventilation {

QWidget *makeRegularCabinScreen();    // 舱室通风风量计算
QWidget *makeIrregularCabinScreen();  // 不舱室通风风量计算

}  // namespace hanhai::ventilation
