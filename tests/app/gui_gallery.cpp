// docs/gallery holds a picture of every window of the program (scripts/gallery.sh remakes it):
// one per screen of the table, and none of a window the program no longer has.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTest>

#include "app/screens.h"

namespace {

// Found from this source file, so that the test runs from any folder of any clone.
QDir gallery() { return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../docs/gallery")); }

QSet<QString> windows() {
    QSet<QString> names;
    for (const hanhai::shell::ScreenEntry &e : hanhai::app::screens())
        if (e.make) names << QString::fromUtf8(e.name);
    return names;
}

}  // namespace

class Gallery : public QObject {
    Q_OBJECT

private slots:
    void everyWindowHasItsPicture() {
        QVERIFY2(gallery().exists(), qPrintable(gallery().absolutePath()));
        QStringList missing;
        for (const QString &name : windows()) {
            const QImage picture(gallery().filePath(name + QStringLiteral(".png")));
            if (picture.isNull() || picture.width() < 100 || picture.height() < 100) missing << name;
        }
        missing.sort();
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("no picture in docs/gallery (run scripts/gallery.sh): ") +
                                               missing.join(QStringLiteral(", "))));
    }

    void noPictureOfAWindowThatIsGone() {
        const QSet<QString> names = windows();
        QStringList stale;
        for (const QFileInfo &file : gallery().entryInfoList({QStringLiteral("*.png")}, QDir::Files))
            if (!names.contains(file.completeBaseName())) stale << file.fileName();
        QVERIFY2(stale.isEmpty(), qPrintable(QStringLiteral("in docs/gallery but no window of the program: ") +
                                             stale.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(Gallery)
#include "gui_gallery.moc"
