// The About page and the three reference pages.
#pragma once

#include <QString>

class QWidget;

namespace hanhai::shell {

QWidget *makeAboutPage();        // 版体信息
QWidget *makeThreadPage();       // 常用螺纹规格
QWidget *makeBoilerLossPage();   // 锅炉热损失
QWidget *makeExhaustLossPage();  // 排气管热损失

// Shows a reference page over the screen that asks for it: brought to the front when it is
// already open, opened otherwise. Returns the page.
QWidget *showReferencePage(const QString &name);

}  // namespace hanhai::shell
