// The frame every screen shares: a fixed-size window, centred each time it is shown, deleted
// when closed, with Enter pressing its default button and the standard back and exit buttons.
#pragma once

#include <QColor>
#include <QMargins>
#include <QSize>
#include <QWidget>

class QHBoxLayout;
class QVBoxLayout;
class QPushButton;

namespace hanhai::shell {

inline constexpr QSize kStandardWindow{700, 580};
inline constexpr QSize kLargeWindow{820, 650};

// Shown when inputs pass a screen's own checks and the arithmetic still fails.
inline const QString kInvalidResult = QStringLiteral("计算结果无效，请检查输入的数据");

class ScreenWindow : public QWidget {
    Q_OBJECT
public:
    // name: the screen's name (its object name); caption: the window title.
    ScreenWindow(const QString &name, const QString &caption, const QColor &background);

    // The back button, captioned after the screen it returns to; it closes this screen.
    QPushButton *makeBackButton(const QString &control);
    // The exit button: it ends the program.
    QPushButton *makeExitButton(const QString &control);
    // The window's main column, with the title Label1 centred at its top (华文新魏 21.75 pt bold
    // unless `points` says otherwise).
    QVBoxLayout *titledColumn(const QString &title, int spacing = 10, QMargins margins = {18, 12, 18, 14},
                              double points = 21.75);
    // The bottom row: the back button on the left, the exit button on the right.
    QHBoxLayout *makeBackAndExitRow(const QString &back, const QString &exit);

    void setDefaultButton(QPushButton *button) { defaultButton_ = button; }
    void setFirstField(QWidget *field) { firstField_ = field; }
    void message(const QString &text);

    // Fixes the window at its layout's size, but no smaller than `least`.
    void fixSize(QSize least = kStandardWindow);

    // Windows are centred each time they are shown; one that opens where the system places new
    // windows turns this off.
    void setCentredOnShow(bool centred) { centredOnShow_ = centred; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *defaultButton_ = nullptr;
    QWidget *firstField_ = nullptr;
    bool centredOnShow_ = true;
    bool named_ = false;
};

}  // namespace hanhai::shell
