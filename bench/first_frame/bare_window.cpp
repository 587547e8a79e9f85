// The yardstick for the program's start: a bare Qt Widgets window showing one label, started
// and measured as the program is.
#include <QApplication>
#include <QLabel>

#include "app/first_frame.h"

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("瀚海算匠"));
    label.show();
    hanhai::app::FirstFrame::watch(&label);
    return QApplication::exec();
}
