#pragma once

class QWidget;

namespace hanhai::machinery {

QWidget *makeDeflectionScreen();  // 挠度计算

}  // namespace hanhai::machinery
