#include "shell/ui/window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "shell/ui/accessible_names.h"
#include "shell/ui/look.h"
#include "shell/ui/message.h"
#include "shell/ui/navigation.h"

namespace hanhai::shell {

ScreenWindow::ScreenWindow(const QString &name, const QString &caption, const QColor &background) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (background.isValid()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, background);
        setPalette(p);
        setAutoFillBackground(true);
    }
}

QPushButton *ScreenWindow::makeBackButton(const QString &control) {
    auto *b = look::button(this, control, backCaption(objectName()), look::kBackColour,
                           look::song(14.25, true));
    b->setIcon(look::returnArrowIcon());
    b->setIconSize(QSize(28, 28));
    b->setProperty("hanhai.navigation", true);
    connect(b, &QPushButton::clicked, this, [this] { goBack(this); });
    return b;
}

QPushButton *ScreenWindow::makeExitButton(const QString &control) {
    auto *b = look::button(this, control, QStringLiteral(" 结束并退出  E X I T"), look::kExitColour,
                           look::song(14.25, true));
    b->setIcon(look::stopSignIcon());
    b->setIconSize(QSize(28, 28));
    b->setProperty("hanhai.navigation", true);
    connect(b, &QPushButton::clicked, this, [] { exitProgram(); });
    return b;
}

QVBoxLayout *ScreenWindow::titledColumn(const QString &title, int spacing, QMargins margins, double points) {
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(margins);
    root->setSpacing(spacing);
    QLabel *label = look::label(this, QStringLiteral("Label1"), title, look::xinwei(points, true));
    label->setAlignment(Qt::AlignCenter);
    root->addWidget(label);
    return root;
}

QHBoxLayout *ScreenWindow::makeBackAndExitRow(const QString &back, const QString &exit) {
    auto *row = new QHBoxLayout;
    row->addWidget(makeBackButton(back));
    row->addStretch(1);
    row->addWidget(makeExitButton(exit));
    return row;
}

void ScreenWindow::message(const QString &text) { showMessage(this, text); }

void ScreenWindow::fixSize(QSize least) {
    QLayout *l = layout();
    if (!l) {
        setFixedSize(sizeHint().expandedTo(least));
        return;
    }
    l->activate();
    // As narrow as the content allows (wrapped notes wrap), as tall as it then needs.
    const int width = std::max(least.width(), l->minimumSize().width());
    const int height = l->hasHeightForWidth() ? l->totalHeightForWidth(width) : l->sizeHint().height();
    setFixedSize(width, std::max(least.height(), height));
}

void ScreenWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (QScreen *screen = centredOnShow_ ? QGuiApplication::primaryScreen() : nullptr) {
        QRect area = screen->availableGeometry();
        QRect frame = frameGeometry();
        move(area.center() - QPoint(frame.width() / 2, frame.height() / 2) + (pos() - frame.topLeft()));
    }
    if (firstField_) firstField_->setFocus(Qt::OtherFocusReason);
    if (!named_) {  // laid out now: every field finds its caption
        named_ = true;
        nameControls(this);
    }
}

void ScreenWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A focused button takes Enter itself; anywhere else Enter presses the default button.
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget())) {
            focused->click();
            return;
        }
        if (defaultButton_ && defaultButton_->isVisible() && defaultButton_->isEnabled()) {
            defaultButton_->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

}  // namespace hanhai::shell
