#include "shell/ui/message.h"

#include <QDesktopServices>
#include <QMessageBox>

namespace hanhai::shell {

namespace {
MessageSink &messageSink() {
    static MessageSink sink;
    return sink;
}
UrlOpener &urlOpener() {
    static UrlOpener opener;
    return opener;
}
}  // namespace

void showMessage(QWidget *parent, const QString &text) {
    if (messageSink()) {
        messageSink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

MessageSink setMessageSink(MessageSink sink) { return std::exchange(messageSink(), std::move(sink)); }

void openWebAddress(const QUrl &url) {
    if (urlOpener()) {
        urlOpener()(url);
        return;
    }
    QDesktopServices::openUrl(url);  // the outcome is not our concern
}

UrlOpener setUrlOpener(UrlOpener opener) { return std::exchange(urlOpener(), std::move(opener)); }

}  // namespace hanhai::shell
