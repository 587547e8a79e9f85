#pragma once

class QWidget;

namespace hanhai::machinery {

QWidget *makeBoltScreen();  // 螺栓扭力计算

}  // namespace hanhai::machinery
