#pragma once

class QWidget;

namespace hanhai::piping {

QWidget *makeFlowScreen();  // 流量速度转换

}  // namespace hanhai::piping
