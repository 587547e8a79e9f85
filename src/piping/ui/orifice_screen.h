#pragma once

class QWidget;

namespace hanhai::piping {

QWidget *makeOrificeScreen();  // 节流孔板计算

}  // namespace hanhai::piping
