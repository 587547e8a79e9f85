// The program's entry point, for main() and for tests that drive the whole program. It is
// defined by the program's start-up (src/app), which alone knows every screen.
#pragma once

class QWidget;

namespace hanhai::shell {

// Shows the main menu 主菜单 as the program starts and returns it.
QWidget *openStartWindow();

}  // namespace hanhai::shell
