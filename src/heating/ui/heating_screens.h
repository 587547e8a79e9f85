#pragma once

class QWidget;

namespace hanhai::heating {

QWidget *makeSteamHeatingScreen();       // 货油加热系统计算蒸汽
QWidget *makeThermalOilHeatingScreen();  // 货油加热系统计算热油

}  // namespace hanhai::heating
