// Flow and velocity in a pipe or a duct: a chooser, then two converter panels at a time.
#include "piping/ui/flow_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <tuple>

#include "piping/core/flow.h"
#include "shell/ui/calculator.h"
#include "shell/ui/click_label.h"
#include "shell/ui/look.h"

namespace hanhai::piping {

namespace {

namespace look = shell::look;
using shell::Fields;
using shell::Outcome;
using shell::number;

const QString kName = QStringLiteral("流量速度转换");
const QColor kBackground{228, 244, 236};  // pale mint
const QColor kPipeTitle{0, 0, 255};       // light blue, colour 9 of the 16-colour palette
const QColor kDuctTitle{255, 0, 0};       // light red, colour 12
const QString kSpeed = QStringLiteral("m/s");
const QString kMm = QStringLiteral("mm");
const QString kFlow = QStringLiteral("m³/h");

// A failed check leaves the result as it stood (the screen holds on failure).
Outcome held(const Conversion &c, const QString &field) {
    if (!c.ok()) return Outcome::failed(QString::fromStdString(c.message));
    return Outcome().set(field, c.value);
}

Outcome pipeToFlow(const Fields &f) {
    return held(pipeFlow(f.number("Text1"), f.number("Text2"), f.number("Text3")), "Text4");
}

Outcome pipeToVelocity(const Fields &f) {
    return held(pipeVelocity(f.number("Text5"), f.number("Text6"), f.number("Text7")), "Text8");
}

Outcome ductToFlow(const Fields &f) {
    return Outcome().set("Text9", ductFlow(f.number("Text12"), f.number("Text11"), f.number("Text10")));
}

// Unlike the other three, this panel empties its velocity after any message.
Outcome ductToVelocity(const Fields &f) {
    const Conversion c = ductVelocity(f.number("Text13"), f.number("Text14"), f.number("Text15"));
    if (c.ok() && std::isfinite(*c.value)) return Outcome().set("Text16", c.value);
    const QString message = c.ok() ? shell::kInvalidResult : QString::fromStdString(c.message);
    return Outcome().notice(message).set("Text16", std::nullopt);
}

struct Panel {
    const char *frame;
    const char *title;
    std::vector<shell::Row> inputs;
    shell::Row result;
    const char *button;
    const char *caption;
    Outcome (*convert)(const Fields &);
};

std::vector<Panel> panels() {
    using shell::fixed;
    using shell::result;
    return {
        {"Frame1", "类型1：",
         {number("Text1", "速度V：", kSpeed), number("Text2", "管子外径d：", kMm), number("Text3", "管子壁厚t：", kMm)},
         result("Text4", "流量Q：", kFlow, fixed(2)), "Command1", "速度转换成流量(V→Q)", pipeToFlow},
        {"Frame2", "类型2：",
         {number("Text5", "流量Q：", kFlow), number("Text6", "管子外径d：", kMm), number("Text7", "管子壁厚t：", kMm)},
         result("Text8", "速度V：", kSpeed, fixed(2)), "Command2", "流量转换成速度(Q→V)", pipeToVelocity},
        {"Frame3", "类型1：",
         {number("Text12", "速度V：", kSpeed), number("Text11", "风道边长A：", kMm), number("Text10", "风道边长B：", kMm)},
         result("Text9", "流量Q：", kFlow, fixed(2)), "Command5", "速度转换成流量(V→Q)", ductToFlow},
        {"Frame4", "类型2：",
         {number("Text13", "流量Q：", kFlow), number("Text14", "风道边长A：", kMm), number("Text15", "风道边长B：", kMm)},
         result("Text16", "速度V：", kSpeed, fixed(2)), "Command6", "流量转换成速度(Q→V)", ductToVelocity},
    };
}

// Inputs, the convert button and the result, one above the other; Enter in an input converts.
QGroupBox *addPanel(shell::CalculatorScreen *s, const Panel &p) {
    QGroupBox *frame = s->addFrame(p.frame, p.title);
    frame->setFont(look::song(12));
    auto *box = new QVBoxLayout(frame);
    box->setContentsMargins(12, 10, 12, 12);
    box->setSpacing(12);

    shell::RowStyle in = shell::inputRowStyle();
    in.fieldWidth = 118;
    QGridLayout *inputs = s->addRows(frame, p.inputs, in);
    inputs->setVerticalSpacing(10);
    inputs->setColumnMinimumWidth(0, 116);
    box->addLayout(inputs);

    QPushButton *button = s->addButton(p.button, p.caption, [s, convert = p.convert] { s->show(convert(s->fields()), true); });
    box->addWidget(button, 0, Qt::AlignHCenter);

    shell::RowStyle out = shell::resultRowStyle();
    out.fieldWidth = 118;
    QGridLayout *result = s->addRows(frame, {p.result}, out);
    result->setColumnMinimumWidth(0, 116);
    box->addLayout(result);
    box->addStretch(1);

    for (const shell::Row &row : p.inputs)
        QObject::connect(frame->findChild<QLineEdit *>(row.control), &QLineEdit::returnPressed, button, &QPushButton::click);
    return frame;
}

shell::ClickLabel *linkLabel(QWidget *parent, const QString &name, const QString &caption, const QFont &font) {
    auto *l = new shell::ClickLabel(caption, parent);
    l->setObjectName(name);
    l->setFont(font);
    return l;
}

// Shows the pipe's or the duct's pair of panels; a switch label also empties the eight fields
// of the pair it shows.
void showPanels(shell::CalculatorScreen *s, bool pipe, bool emptied) {
    auto *title = s->findChild<QLabel *>(QStringLiteral("Label1"));
    title->setText(pipe ? QStringLiteral("管 子 流 量 速 度 转 换") : QStringLiteral("风 道 流 量 速 度 转 换"));
    QPalette palette = title->palette();
    palette.setColor(QPalette::WindowText, pipe ? kPipeTitle : kDuctTitle);
    title->setPalette(palette);

    s->setFrameVisible(QStringLiteral("Frame5"), false);
    s->setFrameVisible(QStringLiteral("Frame1"), pipe);
    s->setFrameVisible(QStringLiteral("Frame2"), pipe);
    s->setFrameVisible(QStringLiteral("Frame3"), !pipe);
    s->setFrameVisible(QStringLiteral("Frame4"), !pipe);
    s->findChild<QLabel *>(QStringLiteral("Label40"))->setVisible(pipe);
    s->findChild<QLabel *>(QStringLiteral("Label41"))->setVisible(!pipe);

    if (emptied)
        for (int i = pipe ? 1 : 9, last = i + 7; i <= last; ++i) s->write(QStringLiteral("Text%1").arg(i), QString());
    if (auto *first = s->findChild<QLineEdit *>(pipe ? QStringLiteral("Text1") : QStringLiteral("Text12"))) first->setFocus();
}

}  // namespace

QWidget *makeFlowScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kBackground, nullptr);
    s->setFailure(shell::Failure::Hold);

    QVBoxLayout *root = s->titledColumn(QStringLiteral("流 量 速 度 转 换"), 12);
    root->addStretch(1);

    // The pipe's and the duct's panels share the same two places; the chooser stands over them
    // until one pair is chosen.
    auto *area = new QGridLayout;
    area->setHorizontalSpacing(18);
    int column = 0;
    for (const Panel &p : panels()) area->addWidget(addPanel(s, p), 0, column++ % 2);  // left, right, left, right
    QGroupBox *chooser = s->addFrame(QStringLiteral("Frame5"), QStringLiteral("请选择设备："));
    chooser->setFont(look::song(12));
    auto *choices = new QVBoxLayout(chooser);
    choices->setContentsMargins(40, 18, 40, 22);
    choices->setSpacing(18);
    for (auto [name, caption, pipe] : {std::tuple{"Label9", "1、风    道", false}, std::tuple{"Label10", "2、管    子", true}}) {
        shell::ClickLabel *entry = linkLabel(chooser, name, caption, look::song(15));
        entry->setAutoFillBackground(true);
        QPalette p = entry->palette();
        p.setColor(QPalette::Window, look::kEntryBlue);
        entry->setPalette(p);
        entry->setAlignment(Qt::AlignCenter);
        entry->setContentsMargins(24, 6, 24, 6);
        choices->addWidget(entry);
        QObject::connect(entry, &shell::ClickLabel::clicked, s, [s, pipe] { showPanels(s, pipe, false); });
    }
    area->addWidget(chooser, 0, 0, 1, 2, Qt::AlignCenter);
    root->addLayout(area);
    root->addStretch(1);

    // The two switch labels share one place at the bottom left.
    auto *switches = new QGridLayout;
    for (auto [name, caption, toPipe] : {std::tuple{"Label40", "切换至\"风道\"  流量速度转换", false},
                                          std::tuple{"Label41", "切换至\"管子\"  流量速度转换", true}}) {
        shell::ClickLabel *l = linkLabel(s, name, caption, look::xinwei(15, true));
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, look::kDarkBlue);
        l->setPalette(p);
        switches->addWidget(l, 0, 0, Qt::AlignLeft | Qt::AlignVCenter);
        QObject::connect(l, &shell::ClickLabel::clicked, s, [s, toPipe] { showPanels(s, toPipe, true); });
    }
    switches->setRowMinimumHeight(0, s->findChild<QLabel *>(QStringLiteral("Label40"))->sizeHint().height());
    root->addLayout(switches);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));
    s->finish();  // sized with every panel in place, then the panels wait for a choice

    for (const char *frame : {"Frame1", "Frame2", "Frame3", "Frame4"}) s->setFrameVisible(frame, false);
    for (const char *label : {"Label40", "Label41"}) s->findChild<QLabel *>(label)->setVisible(false);
    return s;
}

}  // namespace hanhai::piping
