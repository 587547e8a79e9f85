// A screen that has closed gives back what it alone held: above all the CJK fonts it loaded,
// whose files otherwise stay in memory for as long as the program runs. Going through every
// screen of the program once leaves it about where the main menu alone left it.
#include <QApplication>
#include <QFile>
#include <QWidget>

#include "app/screens.h"
#include "shell/ui/navigation.h"
#include "support/gui_support.h"

using namespace guitest;

namespace {

// Resident memory in kB.
long resident() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void visit(const hanhai::shell::ScreenEntry &e) {
    QWidget *w = e.make();
    w->show();
    w->repaint();
    settle();
    w->close();
    settle();
}

}  // namespace

class Memory : public QObject {
    Q_OBJECT

private slots:
    void everyScreenGivesBackItsFonts() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("AddressSanitizer keeps freed memory aside on purpose");
#endif
        if (resident() < 0) QSKIP("no /proc here");
        hanhai::shell::installScreens(hanhai::app::screens());
        const auto screens = hanhai::app::screens();
        visit(screens.front());  // the main menu: Qt's own start-up cost is paid
        const long base = resident();
        for (const hanhai::shell::ScreenEntry &e : screens)
            if (e.make) visit(e);
        const long after = resident();
        // Every font of every screen kept adds some 30 MB; what the fonts leave behind in the
        // heap, about 13 MB.
        QVERIFY2(after - base < 20 * 1024, qPrintable(QStringLiteral("%1 kB after the main menu, %2 kB after every screen")
                                                           .arg(base)
                                                           .arg(after)));
    }
};

QTEST_MAIN(Memory)
#include "gui_memory.moc"
