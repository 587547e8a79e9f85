// hanhai-tour: opens every window the program has and saves each as "<screen name>.png" in
// the folder given on the command line. With --memory instead of a folder it saves nothing: it
// opens and paints every window once, as a user going through the menus would, and prints the
// most memory the program held at any time.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

#include <cstdio>

#include "app/screens.h"

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        std::fprintf(stderr, "usage: hanhai-tour <folder> | --memory\n");
        return 2;
    }
    QDir dir;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool pictures = folder != QStringLiteral("--memory");
    if (pictures && !dir.mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int saved = 0;
    hanhai::shell::installScreens(hanhai::app::screens());
    for (const hanhai::shell::ScreenEntry &e : hanhai::app::screens()) {
        if (!e.make) continue;
        QWidget *w = e.make();
        w->show();
        QApplication::processEvents();
        if (!pictures) {
            w->repaint();  // painted at least once, wherever the platform is
            w->close();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            continue;
        }
        const QString file = QDir(folder).filePath(QString::fromUtf8(e.name) + QStringLiteral(".png"));
        if (!w->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        ++saved;
        w->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (pictures) std::printf("%d windows saved in %s\n", saved, qPrintable(QDir(folder).absolutePath()));
    // The most memory the program held at once, every window having been open.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:")) std::printf("peak resident memory: %s\n", line.mid(6).trimmed().constData());
    return 0;
}
