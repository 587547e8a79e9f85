#pragma once

class QWidget;

namespace hanhai::tools {

QWidget *makeCalculatorScreen();  // 科学计算器

}  // namespace hanhai::tools
