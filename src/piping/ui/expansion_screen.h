#pragma once

class QWidget;

namespace hanhai::piping {

QWidget *makeExpansionScreen();  // 管子膨胀量计算

}  // namespace hanhai::piping
