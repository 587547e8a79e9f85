// The scientific desk calculator: a display, the keys of its table in the frame "SCIENTIFIC",
// the angle unit, and keyboard input handled by the window whichever control has the focus.
#include "tools/ui/calculator_screen.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/ui/look.h"
#include "shell/ui/window.h"
#include "tools/core/desk_calculator.h"
#include "tools/core/desk_calculator_keys.h"

namespace hanhai::tools {

namespace {

namespace look = shell::look;

const QString kName = QStringLiteral("科学计算器");
const QColor kBackground{226, 234, 248};  // pale steel blue

QFont sans(double points, bool bold) {
    QFont f;
    f.setFamilies({"MS Sans Serif", "Microsoft Sans Serif", "DejaVu Sans", "Noto Sans CJK SC"});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// The colour of a key by its array: digits, operators, functions, memory, constants, editing
// and the keys without an action each have their own.
QColor keyColour(const DeskKey &key) {
    const QString c = QString::fromLatin1(key.control);
    if (c == "Command1") return {248, 248, 248};
    if (c == "Command2") return QString::fromUtf8(key.caption) == "=" ? QColor(176, 236, 176) : QColor(200, 222, 255);
    if (c == "Command5" || c == "Command6" || c == "Command10") return {255, 244, 196};
    if (c == "Command7") return {255, 222, 186};
    if (c == "Command9") return {232, 214, 255};
    if (c == "Command8" || c == "Command12") return {214, 214, 214};
    return {255, 200, 200};  // C, AC, Back, +/-
}

QString controlName(const DeskKey &key) {
    const QString c = QString::fromLatin1(key.control);
    return key.index < 0 ? c : QStringLiteral("%1(%2)").arg(c).arg(key.index);
}

class CalculatorWindow : public shell::ScreenWindow {
public:
    CalculatorWindow();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QGroupBox *makeKeys();
    QGroupBox *makeAngleUnits();
    // Shows what a key asks for, then the entry text as it now stands.
    void answer(const KeyReply &reply);

    DeskCalculator calculator_;
    QLabel *display_ = nullptr;
    QLineEdit *entry_ = nullptr;
};

CalculatorWindow::CalculatorWindow()
    : ScreenWindow(kName, kName, kBackground),
      calculator_(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch())) {
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(16, 10, 16, 12);
    root->setSpacing(8);

    QLabel *title = look::label(this, QStringLiteral("Label1"), QStringLiteral("科 学 计 算 器"), look::xinwei(21.75, true));
    title->setAlignment(Qt::AlignCenter);
    root->addWidget(title);

    display_ = look::label(this, QStringLiteral("Label2"), QString::fromStdString(calculator_.display()), sans(18, true));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setStyleSheet(QStringLiteral("QLabel{background:black;color:rgb(0,255,0);padding:2px 10px;}"));
    display_->setFixedHeight(48);
    display_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // a long entry never widens the window
    root->addWidget(display_);

    entry_ = look::field(this, QStringLiteral("Text1"), sans(12, false));
    entry_->hide();
    entry_->setAccessibleName(QStringLiteral("计算器输入"));

    auto *units = new QHBoxLayout;
    units->addWidget(makeAngleUnits());
    units->addStretch(1);
    root->addLayout(units);
    root->addWidget(makeKeys(), 1);
    root->addLayout(makeBackAndExitRow(QStringLiteral("Command400"), QStringLiteral("Command300")));

    // Typed characters come to the window first, whatever has the focus.
    setFocusPolicy(Qt::StrongFocus);
    setFirstField(this);
    QApplication::clipboard()->clear();
    fixSize();
}

QGroupBox *CalculatorWindow::makeAngleUnits() {
    auto *frame = new QGroupBox(QStringLiteral("angle"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    frame->setFont(sans(10.5, true));
    auto *row = new QHBoxLayout(frame);
    row->setContentsMargins(12, 4, 12, 6);
    row->setSpacing(18);
    const std::pair<const char *, AngleUnit> units[] = {
        {"deg", AngleUnit::Degrees}, {"rad", AngleUnit::Radians}, {"grd", AngleUnit::Grads}};
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(units[i].first), frame);
        option->setObjectName(QStringLiteral("Option2(%1)").arg(i));
        option->setFont(sans(11, false));
        look::pointingHand(option);
        option->setChecked(i == 0);
        connect(option, &QRadioButton::toggled, this, [this, unit = units[i].second](bool on) {
            if (on) calculator_.setAngleUnit(unit);
        });
        row->addWidget(option);
    }
    return frame;
}

QGroupBox *CalculatorWindow::makeKeys() {
    auto *frame = new QGroupBox(QStringLiteral("SCIENTIFIC"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFont(sans(10.5, true));
    auto *blocks = new QHBoxLayout(frame);
    blocks->setContentsMargins(10, 8, 10, 10);
    blocks->setSpacing(16);
    QGridLayout *grids[2] = {new QGridLayout, new QGridLayout};
    for (QGridLayout *g : grids) {
        g->setSpacing(5);
        blocks->addLayout(g);
    }
    for (int c = 0; c < 12; ++c) grids[1]->setColumnMinimumWidth(c, 16);

    const QFont font = sans(11, true);
    for (const DeskKey &key : deskKeys()) {
        QPushButton *b = look::button(frame, controlName(key), QString::fromUtf8(key.caption), keyColour(key), font);
        b->setStyleSheet(b->styleSheet() + QStringLiteral("QPushButton{padding:2px 1px;}"));
        b->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus where it was, so Enter stays "="
        b->setMinimumSize(50, 36);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        const KeyPlace &p = key.place;
        grids[p.block]->addWidget(b, p.row, p.column, p.rowSpan, p.columnSpan);
        if (key.action) connect(b, &QPushButton::clicked, this, [this, action = key.action] { answer(action(calculator_)); });
        if (key.action && QString::fromUtf8(key.caption) == "=") setDefaultButton(b);
    }
    return frame;
}

void CalculatorWindow::answer(const KeyReply &reply) {
    for (const std::string &m : reply.messages) message(QString::fromStdString(m));
    for (int i = 0; i < reply.beeps; ++i) QApplication::beep();
    if (reply.emptyClipboard) QApplication::clipboard()->clear();
    entry_->setText(QString::fromStdString(calculator_.entry()));
    display_->setText(QString::fromStdString(calculator_.display()));
}

void CalculatorWindow::keyPressEvent(QKeyEvent *event) {
    const QString text = event->text();
    if (text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const KeyReply reply = calculator_.typed(text.front().unicode());
        if (reply.beeps > 0) {  // every character the calculator takes beeps
            answer(reply);
            return;
        }
    }
    ScreenWindow::keyPressEvent(event);
}

}  // namespace

QWidget *makeCalculatorScreen() { return new CalculatorWindow; }

}  // namespace hanhai::tools
