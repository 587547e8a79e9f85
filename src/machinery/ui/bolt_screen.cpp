// Bolt tightening torque: the thread and the bolt material on the left with the two torques,
// the fastener materials for reference on the right, and a link to the table of thread pitches.
#include "machinery/ui/bolt_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

#include "machinery/core/bolts.h"
#include "shell/ui/calculator.h"
#include "shell/ui/click_label.h"
#include "shell/ui/hover.h"
#include "shell/ui/info_pages.h"
#include "shell/ui/look.h"
#include "shell/ui/sketch.h"

namespace hanhai::machinery {

namespace {

namespace look = shell::look;
using shell::fixed;
using shell::number;
using shell::result;

const QString kName = QStringLiteral("螺栓扭力计算");
const QColor kBackground{232, 244, 226};  // pale sage

QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

shell::Outcome torque(const shell::Fields &f) {
    const BoltTorque t = boltTorque({f.number("Text1"), f.number("Text2"), f.number("Text3")});
    if (!t.message.empty()) return shell::Outcome::failed(qt(t.message));
    return shell::Outcome().set("Text4", t.T).set("Text5", t.use);
}

// ---------------------------------------------------------------------------------------------
// The reference picture: common fastener materials and the property classes, σb and σs in MPa.

struct MaterialRow {
    const char *name, *sigmaB, *sigmaS;
};

constexpr std::array<MaterialRow, 5> kSteels{{
    {"10", "335~400", "205"},
    {"Q235-A", "375~460", "235"},
    {"35", "530", "315"},
    {"45", "600", "355"},
    {"40Cr", "980", "785"},
}};

constexpr std::array<MaterialRow, 5> kClasses{{
    {"3.6", "300", "180"},
    {"4.8", "400", "320"},
    {"5.6", "500", "300"},
    {"8.8", "800", "640"},
    {"10.9", "1040", "900"},
}};

// One table: its heading line, then a ruled grid of a head row and five rows. Returns the
// height used.
double paintTable(QPainter &p, QRectF area, double line, const QString &heading, const QString &first,
                  const std::array<MaterialRow, 5> &rows) {
    QFont bold = look::song(9.5, true), body = look::song(9.5);
    p.setPen(QColor(0, 0, 110));
    p.setFont(bold);
    p.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignCenter, heading);

    const double top = area.top() + line;
    const double widths[] = {0.3, 0.37, 0.33};
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(236, 242, 250));
    p.drawRect(QRectF(area.left(), top, area.width(), line));
    p.setBrush(Qt::NoBrush);
    for (int r = 0; r <= 6; ++r) p.drawLine(QPointF(area.left(), top + r * line), QPointF(area.right(), top + r * line));
    double x = area.left();
    for (double w : widths) {
        p.drawLine(QPointF(x, top), QPointF(x, top + 6 * line));
        x += w * area.width();
    }
    p.drawLine(QPointF(area.right(), top), QPointF(area.right(), top + 6 * line));

    auto cells = [&](int r, const QStringList &texts) {
        double cx = area.left();
        for (int c = 0; c < 3; ++c) {
            const double w = widths[c] * area.width();
            p.drawText(QRectF(cx, top + r * line, w, line), Qt::AlignCenter, texts[c]);
            cx += w;
        }
    };
    p.setPen(Qt::black);
    p.setFont(bold);
    cells(0, {first, QStringLiteral("σb (MPa)"), QStringLiteral("σs (MPa)")});
    p.setFont(body);
    for (int r = 0; r < 5; ++r)
        cells(r + 1, {QString::fromUtf8(rows[r].name), QString::fromUtf8(rows[r].sigmaB), QString::fromUtf8(rows[r].sigmaS)});
    return 7 * line;
}

void paintMaterials(QPainter &p, const QRectF &r) {
    const double line = std::min(22.0, r.height() / 16.5);
    const QRectF area = r.adjusted(4, 2, -4, 0);
    double y = area.top();
    y += paintTable(p, QRectF(area.left(), y, area.width(), area.height()), line,
                    QStringLiteral("螺纹联接件常用材料及机械性能"), QStringLiteral("钢号"), kSteels);
    y += line * 0.6;
    y += paintTable(p, QRectF(area.left(), y, area.width(), area.height()), line,
                    QStringLiteral("螺纹联接件对应强度等级的机械性能"), QStringLiteral("性能等级"), kClasses);
    p.setPen(QColor(160, 0, 0));
    p.setFont(look::song(9));
    p.drawText(QRectF(area.left(), y + line * 0.3, area.width(), line), Qt::AlignCenter,
               QStringLiteral("其它材料及机械性能请查看机械工程手册"));
}

}  // namespace

QWidget *makeBoltScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kBackground, torque);
    s->setFailure(shell::Failure::Hold, qt(kThreadDataMessage));

    QVBoxLayout *root = s->titledColumn(kName);

    auto *body = new QHBoxLayout;
    body->setSpacing(22);
    root->addLayout(body, 1);

    // Left: the thread and its material, the buttons and the two torques.
    auto *left = new QVBoxLayout;
    left->setSpacing(14);
    left->addStretch(1);
    shell::RowStyle in = shell::inputRowStyle();
    in.fieldWidth = 120;
    QGridLayout *inputs = s->addRows(s,
                                     {number("Text1", "螺栓规格-d ", "mm"), number("Text2", "螺距-P", "mm"),
                                      number("Text3", "屈服强度-σs ", "MPa")},
                                     in);
    inputs->setVerticalSpacing(12);
    left->addLayout(inputs);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(s->addCalculateButton(QStringLiteral("Command2")));
    buttons->addSpacing(20);
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), QStringLiteral("清  除")));
    buttons->addStretch(1);
    left->addSpacing(6);
    left->addLayout(buttons);
    left->addSpacing(6);

    left->addWidget(look::label(s, QString(), QStringLiteral("扭  力"), look::song(15, true)));
    shell::RowStyle out = shell::resultRowStyle();
    out.fieldWidth = 130;
    QGridLayout *torques = s->addRows(
        s, {result("Text4", "计算扭力：", "N.m", fixed(2)), result("Text5", "实际选用扭力：", "N.m", fixed(2))}, out);
    torques->setVerticalSpacing(12);
    left->addLayout(torques);
    left->addStretch(2);
    body->addLayout(left);

    // Right: the materials for reference and the link to the thread pitches.
    auto *right = new QVBoxLayout;
    right->setSpacing(8);
    QGroupBox *materials = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("机械性能："));
    auto *ml = new QVBoxLayout(materials);
    auto *picture = new shell::DrawingView(paintMaterials, materials);
    picture->setMinimumSize(270, 330);
    ml->addWidget(picture);
    right->addWidget(materials, 1);

    auto *link = new shell::ClickLabel(QStringLiteral("《查看常用螺纹规格》"), s);
    link->setObjectName(QStringLiteral("Label11"));
    link->setTextFormat(Qt::PlainText);
    link->setFont(look::xinwei(18, true));
    link->setAlignment(Qt::AlignCenter);
    shell::setTextColour(link, look::kDarkGreen);
    link->setMinimumSize(link->sizeHint() + QSize(12, 4));  // the bold text never moves the layout
    QObject::connect(link, &shell::ClickLabel::clicked, s, [] { shell::showReferencePage(QStringLiteral("常用螺纹规格")); });
    right->addWidget(link, 0, Qt::AlignHCenter);
    body->addLayout(right, 1);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command6"), QStringLiteral("Command7")));
    s->finish();

    // The link turns bold red under the mouse, and back to green on the window's own background.
    auto *hover = new shell::HoverScheme(s);
    hover->add(link, look::kDarkGreen, look::kRed);
    hover->shieldOtherChildren();
    return s;
}

}  // namespace hanhai::machinery
