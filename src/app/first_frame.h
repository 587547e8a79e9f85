// For measuring the start: with HANHAI_FIRST_FRAME set, the program prints the wall-clock time
// (nanoseconds since the epoch) at which its first window's first paint has been done and sent
// to the screen, and quits. The
// speed script compares it with the moment it started the program.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace hanhai::app {

class FirstFrame : public QObject {
public:
    using QObject::QObject;

    // Watches `window` when HANHAI_FIRST_FRAME is set; does nothing otherwise.
    static void watch(QWidget *window) {
        if (window && qEnvironmentVariableIsSet("HANHAI_FIRST_FRAME")) window->installEventFilter(new FirstFrame(window));
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override {
        if (e->type() == QEvent::Paint && !done_) {
            done_ = true;
            // Queued: it runs once this paint is over and the frame has been flushed.
            QMetaObject::invokeMethod(this, &FirstFrame::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-frame %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool done_ = false;
};

}  // namespace hanhai::app
