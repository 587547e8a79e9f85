// hanhai-icon: renders the desktop icon at the given sizes, for the build.
//   hanhai-icon <file.png> <size> [<file.png> <size>]...
// The icon is the main menu's ship's wheel on a pale sky tile, so that it reads on dark and light
// menus alike; hanhai.svg beside this file is the same drawing.
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <cstdio>
#include <cstdlib>

#include "shell/ui/logo.h"

namespace {

// The tile and the wheel on a 64-unit square, as in hanhai.svg.
QImage render(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient sky(0, 2, 0, 62);
    sky.setColorAt(0, QColor(196, 224, 250));
    sky.setColorAt(1, QColor(240, 248, 255));
    p.setBrush(sky);
    p.setPen(QPen(QColor(40, 90, 140), 1.5));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    hanhai::shell::paintLogo(p, QRectF(6, 6, 52, 52));
    p.end();
    return image;
}

}  // namespace

int main(int argc, char *argv[]) {
    if (argc < 3 || argc % 2 == 0) {
        std::fprintf(stderr, "usage: %s <file.png> <size> [<file.png> <size>]...\n", argv[0]);
        return 2;
    }
    for (int i = 1; i < argc; i += 2) {
        const int size = std::atoi(argv[i + 1]);
        if (size < 1 || size > 4096) {
            std::fprintf(stderr, "%s: bad size %s\n", argv[0], argv[i + 1]);
            return 2;
        }
        if (!render(size).save(QString::fromLocal8Bit(argv[i]), "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[i]);
            return 1;
        }
    }
    return 0;
}
