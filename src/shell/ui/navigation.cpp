#include "shell/ui/navigation.h"

#include <QApplication>
#include <QWidget>

namespace hanhai::shell {

namespace {
std::span<const ScreenEntry> &installed() {
    static std::span<const ScreenEntry> screens;
    return screens;
}

QWidget *openWindow(const QString &name, const QWidget *except = nullptr) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != except && w->isVisible() && w->objectName() == name) return w;
    return nullptr;
}
}  // namespace

void installScreens(std::span<const ScreenEntry> screens) { installed() = screens; }

std::span<const ScreenEntry> screenTable() { return installed(); }

const ScreenEntry *findScreen(const QString &name) {
    for (const ScreenEntry &e : screenTable())
        if (name == QString::fromUtf8(e.name)) return &e;
    return nullptr;
}

bool screenExists(const QString &name) {
    const ScreenEntry *e = findScreen(name);
    return e && e->make;
}

QWidget *openScreen(const QString &name) {
    const ScreenEntry *e = findScreen(name);
    if (!e || !e->make) return nullptr;
    QWidget *w = openWindow(name);
    if (!w) w = e->make();
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

void replaceScreen(QWidget *current, const QString &target) {
    if (!current->isVisible() || !openScreen(target)) return;
    current->close();
}

void goBack(QWidget *screen) {
    const ScreenEntry *e = findScreen(screen->objectName());
    if (!e || !*e->back) return;
    const QString target = QString::fromUtf8(e->back);
    if (QWidget *w = openWindow(target, screen)) {
        w->raise();
        w->activateWindow();
        screen->close();
        return;
    }
    replaceScreen(screen, target);
}

QString backCaption(const QString &screenName) {
    const ScreenEntry *e = findScreen(screenName);
    const QString target = e ? QString::fromUtf8(e->back) : QString();
    if (target == QStringLiteral("体积计算")) return QStringLiteral("体积计算界面 BACK UP");
    if (target == QStringLiteral("重量计算")) return QStringLiteral("重量计算界面 BACK UP");
    return QStringLiteral("返回主界面 BACK UP");
}

void exitProgram() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isWindow() && w->isVisible()) w->close();
    QCoreApplication::quit();
}

}  // namespace hanhai::shell
