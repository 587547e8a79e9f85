// The start of the program: the one place that knows every screen hands the table to the shell
// and opens the main menu.
#include "app/screens.h"
#include "shell/start.h"

namespace hanhai::shell {

QWidget *openStartWindow() {
    installScreens(app::screens());
    return openScreen(QStringLiteral("主菜单"));
}

}  // namespace hanhai::shell
