// The cable routing screens: the tray width and the frame, tube and box estimates.
#pragma once

class QWidget;

namespace hanhai::cabling {

QWidget *makeTrayWidthScreen();  // 电缆托架宽度估算
QWidget *makeFrameScreen();      // 电缆框估算
QWidget *makeTubeScreen();       // 电缆筒估算
QWidget *makeBoxScreen();        // 电缆盒估算

}  // namespace hanhai::cabling
