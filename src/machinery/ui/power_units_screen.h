#pragma once

class QWidget;

namespace hanhai::machinery {

QWidget *makePowerUnitsScreen();  // 功率单位转换

}  // namespace hanhai::machinery
