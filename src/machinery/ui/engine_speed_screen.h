#pragma once

class QWidget;

namespace hanhai::machinery {

QWidget *makeEngineSpeedScreen();  // 柴油机转速计算

}  // namespace hanhai::machinery
