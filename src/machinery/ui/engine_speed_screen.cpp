// Diesel engine speed at a part-load point: the point as a power (type 1) or as a share of CMCR
// (type 2), each frame with its own button; either fills the other frame for the same point.
#include "machinery/ui/engine_speed_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include "machinery/core/engine_speed.h"
#include "shell/ui/calculator.h"
#include "shell/ui/look.h"

namespace hanhai::machinery {

namespace {

namespace look = shell::look;
namespace sk = shell::sketch;
using shell::Fields;
using shell::Outcome;
using shell::Row;

const QString kName = QStringLiteral("柴油机转速计算");
const QColor kBackground{234, 232, 250};  // pale lavender
const QString kKw = QStringLiteral("KW");
const QString kRpm = QStringLiteral("RPM");
const QString kRatedSpeedCaption = QStringLiteral("R--主机合同最大功率时的转速");

// An input that the other frame's calculation writes back, as the general number text.
Row writtenBack(const QString &control, const QString &caption, const QString &unit) {
    Row row = shell::number(control, caption, unit);
    row.format = shell::general();
    return row;
}

// Type 1: the point by its power; the rated speed and the load go to the type 2 frame.
Outcome fromPower(const Fields &f) {
    const EngineRating engine{f.number("Text1"), f.number("Text2")};
    const PartLoadPoint p = pointAtPower(engine, f.number("Text3"));
    if (!p.ok()) return Outcome::failed(QString::fromStdString(p.message));
    return Outcome().set("Text5", p.speed).set("Text4", engine.ratedSpeed).set("Text6", p.load);
}

// Type 2: the point by its share of CMCR; the rated speed and the power go to the type 1 frame.
Outcome fromLoad(const Fields &f) {
    const EngineRating engine{f.number("Text1"), f.number("Text4")};
    const PartLoadPoint p = pointAtLoad(engine, f.number("Text6"));
    if (!p.ok()) return Outcome::failed(QString::fromStdString(p.message));
    return Outcome().set("Text5", p.speed).set("Text2", engine.ratedSpeed).set("Text3", p.power);
}

// The propulsion plant in elevation: the engine on its seating, the shaft line on its bearings
// through the stern tube, and the propeller in the water behind the stern.
void drawPlant(QPainter &p, const QRectF &a) {
    auto at = [&a](double fx, double fy) { return QPointF(a.left() + a.width() * fx, a.top() + a.height() * fy); };
    auto box = [&at](double x0, double y0, double x1, double y1) { return QRectF(at(x0, y0), at(x1, y1)); };
    constexpr double kAxis = 0.55;  // height of the shaft axis

    // water behind the stern, and the hull bottom rising to the stern tube
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 232, 248));
    p.drawRect(box(0.70, 0.16, 1.0, 0.98));
    p.setBrush(sk::kSteelFill);
    QPainterPath hull;
    hull.moveTo(at(0.0, 0.86));
    hull.lineTo(at(0.56, 0.86));
    hull.lineTo(at(0.72, 0.62));
    hull.lineTo(at(0.72, 0.70));
    hull.lineTo(at(0.60, 0.92));
    hull.lineTo(at(0.0, 0.92));
    hull.closeSubpath();
    p.drawPath(hull);
    p.restore();

    // engine: cylinder covers, block and crankcase on its seating
    p.setPen(sk::outline());
    p.setBrush(QColor(96, 120, 96));
    for (int i = 0; i < 4; ++i) p.drawRect(box(0.08 + i * 0.058, 0.08, 0.126 + i * 0.058, 0.14));
    p.setBrush(QColor(150, 180, 150));
    p.drawRect(box(0.07, 0.14, 0.31, kAxis - 0.08));
    p.setBrush(QColor(120, 150, 120));
    p.drawRect(box(0.04, kAxis - 0.08, 0.34, 0.72));
    p.setBrush(QColor(90, 90, 90));
    p.drawRect(box(0.03, 0.72, 0.35, 0.76));
    p.drawRect(box(0.05, 0.76, 0.08, 0.86));
    p.drawRect(box(0.30, 0.76, 0.33, 0.86));

    // shaft with its coupling flange, two bearings on pedestals and the stern tube
    const double half = 5, flange = 13;
    const double axisY = at(0, kAxis).y();
    auto across = [&](double x0, double x1, double up, double down) {
        return QRectF(QPointF(at(x0, 0).x(), axisY - up), QPointF(at(x1, 0).x(), axisY + down));
    };
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(across(0.34, 0.86, half, half));
    p.drawRect(across(0.45, 0.465, flange, flange));
    p.setBrush(QColor(110, 110, 110));
    for (double x : {0.40, 0.53}) {
        p.drawRect(across(x - 0.03, x + 0.03, -half, half + 7));
        p.drawLine(QPointF(at(x, 0).x(), axisY + half + 7), at(x, 0.86));
    }
    p.drawRect(across(0.62, 0.70, 9, 9));

    // propeller: the hub and two blades seen from the side
    const QPointF hub(at(0.86, 0).x(), axisY);
    const double reach = a.height() * 0.33;
    p.setBrush(QColor(196, 160, 72));
    QPainterPath blades;
    for (double side : {-1.0, 1.0}) {
        blades.moveTo(hub);
        blades.cubicTo(hub + QPointF(-16, side * reach * 0.3), hub + QPointF(14, side * reach * 0.9), hub + QPointF(6, side * reach));
        blades.cubicTo(hub + QPointF(-4, side * reach * 0.9), hub + QPointF(-18, side * reach * 0.42), hub);
    }
    p.drawPath(blades);
    p.drawEllipse(hub, 8, 11);

    p.save();
    p.setPen(sk::centre());
    p.drawLine(QPointF(a.left(), axisY), QPointF(a.right(), axisY));
    p.restore();
    sk::mark(p, at(0.19, 0.34), QStringLiteral("主机"));
    sk::mark(p, at(0.53, kAxis - 0.10), QStringLiteral("轴系"));
    sk::mark(p, at(0.84, 0.09), QStringLiteral("螺旋桨"));
}

QGroupBox *frame(shell::CalculatorScreen *s, const QString &control, const QString &title) {
    QGroupBox *f = s->addFrame(control, title);
    f->setFont(look::song(12));
    return f;
}

// A frame's rows, their captions all of one width so that the fields of both types line up.
QGridLayout *rows(shell::CalculatorScreen *s, QWidget *parent, const std::vector<Row> &list, const shell::RowStyle &style,
                  int captionWidth) {
    QGridLayout *grid = s->addRows(parent, list, style);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(0, captionWidth);
    return grid;
}

}  // namespace

QWidget *makeEngineSpeedScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kBackground, nullptr);
    s->setFailure(shell::Failure::Hold);  // after a message nothing is written

    QVBoxLayout *root = s->titledColumn(kName);

    auto *body = new QHBoxLayout;
    body->setSpacing(16);
    root->addLayout(body, 1);

    // Left: the plant and the note.
    auto *left = new QVBoxLayout;
    QGroupBox *drawing = frame(s, QStringLiteral("Frame1"), QStringLiteral("图形"));
    drawing->setFont(look::song(10.5));
    auto *dl = new QVBoxLayout(drawing);
    auto *view = new shell::DrawingView(drawPlant, drawing);
    view->setMinimumSize(230, 200);
    dl->addWidget(view);
    left->addWidget(drawing, 1);
    QGroupBox *note = frame(s, QStringLiteral("Frame2"), QStringLiteral("说明"));
    note->setFont(look::song(10.5));
    auto *nl = new QVBoxLayout(note);
    QLabel *noteText = look::label(note, QStringLiteral("Label7"),
                                   QStringLiteral("适用于低速机及中速机（已知CMCR和CMCR时的转速而计算想要功率下的转速）"),
                                   look::song(10.5));
    noteText->setWordWrap(true);
    nl->addWidget(noteText);
    left->addWidget(note);
    body->addLayout(left, 1);

    // Right: the two types, each with its button, then the speed and the clear button.
    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    shell::RowStyle in = shell::inputRowStyle();
    in.fieldWidth = 110;
    const int captionWidth = 236;

    QGroupBox *type1 = frame(s, QStringLiteral("Frame3"), QStringLiteral("类型1:"));
    auto *t1 = new QVBoxLayout(type1);
    t1->setSpacing(6);
    t1->addLayout(rows(s, type1,
                       {shell::number("Text1", "CMCR--主机合同最大功率", kKw), writtenBack("Text2", kRatedSpeedCaption, kRpm),
                        writtenBack("Text3", "P--计算点主机功率", kKw)},
                       in, captionWidth));
    t1->addWidget(s->addButton(QStringLiteral("Command2"), QStringLiteral("计算==>转速"),
                               [s] { s->show(fromPower(s->fields()), true); }),
                  0, Qt::AlignRight);
    right->addWidget(type1);

    QGroupBox *type2 = frame(s, QStringLiteral("Frame4"), QStringLiteral("类型2:"));
    auto *t2 = new QVBoxLayout(type2);
    t2->setSpacing(6);
    t2->addLayout(rows(s, type2,
                       {writtenBack("Text4", kRatedSpeedCaption, kRpm),
                        writtenBack("Text6", "C--计算点%主机合同最大功率", QStringLiteral("%CMCR"))},
                       in, captionWidth));
    QPushButton *byLoad = s->addButton(QStringLiteral("Command3"), QStringLiteral("计算==>转速"),
                                       [s] { s->show(fromLoad(s->fields()), true); });
    s->setDefaultButton(byLoad);  // Enter computes type 2, wherever it is pressed
    t2->addWidget(byLoad, 0, Qt::AlignRight);
    right->addWidget(type2);

    auto *bottom = new QHBoxLayout;
    QPushButton *clear = s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清除数据"));  // tabbed before the speed
    QGroupBox *speed = frame(s, QStringLiteral("Frame5"), QStringLiteral("计算结果："));
    auto *sl = new QVBoxLayout(speed);
    shell::RowStyle out = shell::resultRowStyle();
    out.fieldWidth = 120;
    sl->addLayout(s->addRows(speed, {shell::result("Text5", "计算转速值为", kRpm, shell::fixed(1))}, out));
    bottom->addWidget(speed, 1);
    bottom->addWidget(clear, 0, Qt::AlignBottom);
    right->addLayout(bottom);
    right->addStretch(1);
    body->addLayout(right, 0);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command6"), QStringLiteral("Command7")));
    s->finish();
    return s;
}

}  // namespace hanhai::machinery
