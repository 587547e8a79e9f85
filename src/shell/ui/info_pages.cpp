// (being written)
#include "shell/ui/info_pages.h"

#include "shell/ui/look.h"
#include "shell/ui/window.h"

namespace hanhai::shell {

QWidget *makeAboutPage() { return new ScreenWindow(QStringLiteral("版体信息"), QStringLiteral("版本信息"), look::kInfoBackground); }
QWidget *makeThreadPage() { return new ScreenWindow(QStringLiteral("常用螺纹规格"), QStringLiteral("常用螺纹规格"), Qt::white); }
QWidget *makeBoilerLossPage() { return new ScreenWindow(QStringLiteral("锅炉热损失"), QStringLiteral("锅炉热损失"), Qt::white); }
QWidget *makeExhaustLossPage() { return new ScreenWindow(QStringLiteral("排气管热损失"), QStringLiteral("排气管热损失"), Qt::white); }
QWidget *showReferencePage(const QString &) { return nullptr; }

}  // namespace hanhai::shell
