#include "shell/start.h"

#include "shell/ui/navigation.h"

namespace hanhai::shell {

QWidget *openStartWindow() { return openScreen(QStringLiteral("主菜单")); }

}  // namespace hanhai::shell
