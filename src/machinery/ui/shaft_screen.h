#pragma once

class QWidget;

namespace hanhai::machinery {

QWidget *makeShaftScreen();  // 轴系轴径计算

}  // namespace hanhai::machinery
