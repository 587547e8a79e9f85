// The message box every screen uses, and the desktop's "open" action for web addresses.
// Both go through a replaceable function so that tests can record instead of showing.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace hanhai::shell {

inline const QString kAppTitle = QStringLiteral("瀚海算匠软件");

// A modal box titled 瀚海算匠软件: the text, no icon, one OK button.
void showMessage(QWidget *parent, const QString &text);

using MessageSink = std::function<void(const QString &)>;
// Replaces the box (an empty function restores it); returns the previous sink.
MessageSink setMessageSink(MessageSink sink);

void openWebAddress(const QUrl &url);

using UrlOpener = std::function<void(const QUrl &)>;
UrlOpener setUrlOpener(UrlOpener opener);

}  // namespace hanhai::shell
