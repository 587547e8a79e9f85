#pragma once

class QWidget;

namespace hanhai::ventilation {

QWidget *makeEngineRoomScreen();  // 机舱通风风量计算

}  // namespace hanhai::ventilation
