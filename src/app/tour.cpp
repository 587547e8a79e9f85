// hanhai-tour: opens every window the program has and saves each as "<screen name>.png" in
// the folder given on the command line. With --memory instead of a folder it saves nothing: it
// opens and paints every window once, as a user going through the menus would, and prints the
// most memory the program held at any time.
//
// --scale <factor> renders the windows as the program shows them on a screen scaled by that
// factor (QT_SCALE_FACTOR): at 2 every picture has twice the pixels each way. The default is 1,
// also where QT_SCALE_FACTOR is set in the environment.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/screens.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: hanhai-tour <folder> | --memory [--scale <factor>]\n");
    return 2;
}

}  // namespace

int main(int argc, char *argv[]) {
    // The arguments are read before Qt starts: the scale factor only counts if it is set first.
    const char *target = nullptr;
    double scale = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0) {
            if (++i == argc) return usage();
            char *end = nullptr;
            scale = std::strtod(argv[i], &end);
            if (end == argv[i] || *end != '\0' || !(scale >= 0.5 && scale <= 8)) {
                std::fprintf(stderr, "scale factor must be a number from 0.5 to 8: %s\n", argv[i]);
                return 2;
            }
        } else if (!target) {
            target = argv[i];
        } else {
            return usage();
        }
    }
    if (!target) return usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QDir dir;
    const QString folder = QString::fromLocal8Bit(target);
    const bool pictures = folder != QStringLiteral("--memory");
    if (pictures && !dir.mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", target);
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
