#pragma once

class QWidget;

namespace hanhai::piping {

QWidget *makeSleeveScreen();  // 焊接直通套管选择

}  // namespace hanhai::piping
