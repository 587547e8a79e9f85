#pragma once

class QWidget;

namespace hanhai::heating {

QWidget *makePipeInsulationScreen();  // 管子绝热包扎计算
QWidget *makeTankInsulationScreen();  // 舱柜绝热包扎计算

}  // namespace hanhai::heating
