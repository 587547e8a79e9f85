#include <QApplication>

#include "app/first_frame.h"
#include "shell/start.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("瀚海算匠软件"));
    QGuiApplication::setDesktopFileName(QStringLiteral("hanhai"));  // the menu entry it was started from
    hanhai::app::FirstFrame::watch(hanhai::shell::openStartWindow());
    return QApplication::exec();
}
