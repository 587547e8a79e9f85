#include <QApplication>

#include "shell/start.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("瀚海算匠软件"));
    hanhai::shell::openStartWindow();
    return QApplication::exec();
}
