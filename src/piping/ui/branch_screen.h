#pragma once

class QWidget;

namespace hanhai::piping {

QWidget *makeBranchScreen();  // 支管合并管径计算

}  // namespace hanhai::piping
