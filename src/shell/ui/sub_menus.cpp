#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include <cmath>

#include "shell/ui/click_label.h"
#include "shell/ui/hover.h"
#include "shell/ui/look.h"
#include "shell/ui/menus.h"
#include "shell/ui/navigation.h"
#include "shell/ui/window.h"

namespace hanhai::shell {

namespace {

// A button whose caption breaks at its last run of blanks, as the picture menus' captions do
// ("   槽钢   重量计算" shows 槽钢 over 重量计算); text() stays the caption.
class WrapButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void mouseDoubleClickEvent(QMouseEvent *e) override { e->accept(); }  // one click, not two
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        QStyleOptionButton opt;
        initStyleOption(&opt);
        opt.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
        p.setFont(font());
        p.setPen(palette().color(QPalette::ButtonText));
        const QString caption = text().trimmed();
        QString shown = caption;
        const qsizetype cut = caption.lastIndexOf(QLatin1Char(' '));
        if (cut > 0 && fontMetrics().horizontalAdvance(caption) > width() - 12)
            shown = caption.left(cut).trimmed() + QLatin1Char('\n') + caption.mid(cut + 1);
        p.drawText(rect().adjusted(6, 4, -6, -4), Qt::AlignCenter, shown);
    }
};

struct MenuButton {
    const char *control;
    const char *caption;
    const char *opens;
    int row, column;
};

constexpr MenuButton kVolumeButtons[] = {
    {"Command1", "圆柱体体积计算", "圆柱体体积计算", 0, 0}, {"Command2", "圆锥体体积计算", "圆锥体体积计算", 0, 1},
    {"Command3", "圆环体积计算", "圆环体积计算", 0, 2},     {"Command7", "圆台体积计算", "圆台体积计算", 1, 0},
    {"Command5", "圆筒体积计算", "圆筒体积计算", 1, 1},     {"Command4", "方形体体积计算", "方形体计算", 1, 2},
    {"Command6", "球体体积计算", "球体体积计算", 2, 0},     {"Command8", "球冠体积计算", "球冠体积计算", 2, 1},
};

constexpr MenuButton kWeightButtons[] = {
    {"Command1", "   槽钢   重量计算", "槽钢重量计算", 0, 0},
    {"Command2", " 等边角钢 重量计算", "等边角钢重量计算", 0, 1},
    {"Command3", "不等边角钢 重量计算", "不等边角钢重量计算", 0, 2},
    {"Command4", "  工字钢  重量计算", "工字钢重量计算", 0, 3},
    {"Command5", " 普通钢板 重量计算", "普通钢板重量计算", 1, 0},
    {"Command8", "   腹板   重量计算", "腹板重量计算", 1, 1},
    {"Command9", "直角三角板 重量计算", "直角三角板重量计算", 1, 2},
    {"Command10", "  圆柱体  重量计算", "圆柱体重量计算", 1, 3},
    {"Command6", "  管 子  重量计算", "圆筒重量计算", 2, 0},
    {"Command7", "  圆 台  重量计算", "圆台重量计算", 2, 1},
    {"Command11", "  球 体  重量计算", "球体重量计算", 2, 2},
    {"Command12", "  球 冠  重量计算", "球冠重量计算", 2, 3},
    {"Command13", " 球 扁 钢 重量计算", "球扁钢重量计算", 3, 0},
    {"Command14", " 矩形风道 重量计算", "矩形风道重量计算", 3, 1},
    {"Command15", "  方 钢  重量计算", "方钢重量计算", 3, 2},
    {"Command16", "  花钢板  重量计算", "花钢板重量计算", 3, 3},
};

enum class Scenery { Waterside, Blossom };

void paintWaterside(QPainter &p, const QRectF &r) {
    QLinearGradient sky(0, 0, 0, r.height() * 0.55);
    sky.setColorAt(0, QColor(255, 214, 196));
    sky.setColorAt(1, QColor(255, 240, 226));
    p.fillRect(QRectF(0, 0, r.width(), r.height() * 0.55), sky);
    // distant hills
    QPainterPath hills;
    const double base = r.height() * 0.55;
    hills.moveTo(0, base);
    hills.cubicTo(r.width() * 0.15, base - 90, r.width() * 0.3, base - 40, r.width() * 0.45, base - 70);
    hills.cubicTo(r.width() * 0.6, base - 110, r.width() * 0.8, base - 30, r.width(), base - 60);
    hills.lineTo(r.width(), base);
    hills.closeSubpath();
    p.fillPath(hills, QColor(214, 196, 190));
    // water
    QLinearGradient water(0, base, 0, r.height());
    water.setColorAt(0, QColor(236, 222, 222));
    water.setColorAt(1, QColor(210, 196, 206));
    p.fillRect(QRectF(0, base, r.width(), r.height() - base), water);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
    for (int i = 0; i < 10; ++i) {
        const double y = base + 10 + i * 20, x0 = (i * 97) % 300;
        p.drawLine(QPointF(x0, y), QPointF(x0 + 120, y));
        p.drawLine(QPointF(x0 + 330, y + 6), QPointF(x0 + 430, y + 6));
    }
    // reeds on the near shore
    p.setPen(QPen(QColor(150, 120, 110), 1.6));
    for (int i = 0; i < 14; ++i) {
        const double x = 12 + i * 7, h = 40 + (i * 37) % 45;
        p.drawLine(QPointF(x, r.height()), QPointF(x + 6, r.height() - h));
    }
}

void paintBlossom(QPainter &p, const QRectF &r) {
    QLinearGradient bg(0, 0, 0, r.height());
    bg.setColorAt(0, QColor(255, 252, 226));
    bg.setColorAt(1, QColor(255, 244, 200));
    p.fillRect(r, bg);
    p.setPen(QPen(QColor(150, 110, 80), 5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath branch;
    branch.moveTo(r.width(), 20);
    branch.cubicTo(r.width() - 120, 40, r.width() - 200, 10, r.width() - 320, 70);
    p.drawPath(branch);
    QPainterPath twig;
    twig.moveTo(r.width() - 160, 30);
    twig.cubicTo(r.width() - 190, 70, r.width() - 230, 90, r.width() - 260, 120);
    p.setPen(QPen(QColor(150, 110, 80), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(twig);
    QPainterPath low;
    low.moveTo(0, r.height() - 60);
    low.cubicTo(80, r.height() - 90, 140, r.height() - 70, 200, r.height() - 120);
    p.drawPath(low);
    const QPointF flowers[] = {{r.width() - 40, 26},  {r.width() - 110, 38}, {r.width() - 200, 30},
                               {r.width() - 300, 66}, {r.width() - 250, 112}, {r.width() - 190, 70},
                               {60, r.height() - 80}, {150, r.height() - 92}, {196, r.height() - 122}};
    for (const QPointF &c : flowers) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 170, 190, 220));
        for (int k = 0; k < 5; ++k) {
            const double a = k * 72 * 3.14159265358979 / 180;
            p.drawEllipse(c + QPointF(7 * std::cos(a), 7 * std::sin(a)), 6, 6);
        }
        p.setBrush(QColor(230, 120, 60));
        p.drawEllipse(c, 3, 3);
    }
}

class PictureMenu : public ScreenWindow {
public:
    PictureMenu(const QString &name, Scenery scenery, const MenuButton *buttons, int count, int columns,
                const QColor &buttonColour)
        : ScreenWindow(name, name, QColor()), scenery_(scenery) {
        auto *hover = new HoverScheme(this);
        auto *root = new QVBoxLayout(this);
        root->setContentsMargins(30, 120, 30, 16);
        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(16);
        grid->setVerticalSpacing(16);
        for (int i = 0; i < count; ++i) {
            const MenuButton &m = buttons[i];
            auto *b = new WrapButton(QString::fromUtf8(m.caption), this);
            b->setObjectName(QString::fromUtf8(m.control));
            b->setFont(look::song(14.25));
            b->setAccessibleName(QString::fromUtf8(m.caption).simplified());
            b->setStyleSheet(QStringLiteral("QPushButton{background:%1;border:1px solid #808080;border-radius:4px;}"
                                            "QPushButton:pressed{background:%2;}")
                                 .arg(buttonColour.name(), buttonColour.darker(112).name()));
            b->setMinimumSize(columns == 3 ? 180 : 145, columns == 3 ? 56 : 62);
            look::pointingHand(b);
            grid->addWidget(b, m.row, m.column);
            const QString target = QString::fromUtf8(m.opens);
            connect(b, &QPushButton::clicked, this, [this, target] { replaceScreen(this, target); });
        }
        root->addLayout(grid);
        if (scenery == Scenery::Blossom) {
            auto *note = new QGroupBox(QStringLiteral("重量计算"), this);
            note->setObjectName(QStringLiteral("Frame1"));
            note->setFont(look::song(10.5));
            auto *nl = new QVBoxLayout(note);
            nl->addWidget(look::label(note, QStringLiteral("Label1"),
                                      QStringLiteral("说明：请选择要计算的项目，鼠标点击及可进入。"), look::song(12)));
            root->addSpacing(8);
            root->addWidget(note);
        }
        root->addStretch(1);

        auto *links = new QHBoxLayout;
        links->addStretch(1);
        for (auto [control, text] : {std::pair{"Label6", "返回主界面BACK UP"}, std::pair{"Label7", "结束并退出EXIT"}}) {
            auto *l = new ClickLabel(QString::fromUtf8(text), this);
            l->setObjectName(QString::fromUtf8(control));
            l->setFont(look::xinwei(18, true));
            setTextColour(l, look::kDarkTeal);
            hover->add(l, look::kDarkTeal);
            links->addWidget(l);
            links->addSpacing(18);
            if (QString::fromUtf8(control) == QStringLiteral("Label6"))
                connect(l, &ClickLabel::clicked, this, [this] { goBack(this); });
            else
                connect(l, &ClickLabel::clicked, this, [] { exitProgram(); });
        }
        root->addLayout(links);
        hover->shieldOtherChildren();
        fixSize();
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = rect();
        if (scenery_ == Scenery::Waterside) paintWaterside(p, r);
        else paintBlossom(p, r);
        // the menu's title in large, widely spaced characters
        QFont f = look::xinwei(36, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 28);
        p.setFont(f);
        p.setPen(scenery_ == Scenery::Waterside ? QColor(150, 40, 40) : QColor(120, 80, 0));
        p.drawText(QRectF(0, 18, r.width(), 80), Qt::AlignCenter, objectName());
    }

private:
    Scenery scenery_;
};

// A light orange menu listing its entries as labels in a frame.
struct ListEntry {
    const char *control;
    const char *caption;
    const char *opens;
};

class ListMenu : public ScreenWindow {
public:
    ListMenu(const QString &name, const QString &title, const QString &prompt, std::initializer_list<ListEntry> entries,
             const QString &note, const QStringList &secondNote = {})
        : ScreenWindow(name, name, look::kMenuBackground) {
        auto *root = new QVBoxLayout(this);
        root->setContentsMargins(40, 18, 40, 16);
        root->setSpacing(14);
        QLabel *t = look::label(this, QStringLiteral("Label1"), title, look::xinwei(21.75, true), look::kDarkTeal);
        t->setAlignment(Qt::AlignCenter);
        root->addWidget(t);

        auto *frame = new QGroupBox(prompt, this);
        frame->setObjectName(QStringLiteral("Frame1"));
        frame->setFont(look::song(12));
        auto *fl = new QVBoxLayout(frame);
        fl->setSpacing(12);
        fl->setContentsMargins(24, 18, 24, 18);
        for (const ListEntry &e : entries) {
            auto *l = new ClickLabel(QString::fromUtf8(e.caption), frame);
            l->setObjectName(QString::fromUtf8(e.control));
            l->setFont(look::song(15));
            l->setAutoFillBackground(true);
            QPalette p = l->palette();
            p.setColor(QPalette::Window, look::kEntryBlue);
            l->setPalette(p);
            l->setContentsMargins(10, 6, 10, 6);
            fl->addWidget(l);
            const QString target = QString::fromUtf8(e.opens);
            connect(l, &ClickLabel::clicked, this, [this, target] { replaceScreen(this, target); });
        }
        root->addWidget(frame);

        auto addNote = [&](const QString &objectName, const QString &text) {
            auto *box = new QGroupBox(QStringLiteral("说明："), this);
            box->setObjectName(objectName);
            box->setFont(look::song(10.5));
            auto *bl = new QVBoxLayout(box);
            QLabel *l = look::label(box, QString(), text, look::song(10.5));
            l->setWordWrap(true);
            bl->addWidget(l);
            root->addWidget(box);
        };
        if (!note.isEmpty()) addNote(QStringLiteral("Frame2"), note);
        if (!secondNote.isEmpty()) addNote(QStringLiteral("Frame3"), secondNote.join(QLatin1Char('\n')));
        root->addStretch(1);

        root->addLayout(makeBackAndExitRow(QStringLiteral("Command4"), QStringLiteral("Command3")));
        fixSize();
    }
};

}  // namespace

QWidget *makeVolumeMenu() {
    return new PictureMenu(QStringLiteral("体积计算"), Scenery::Waterside, kVolumeButtons, int(std::size(kVolumeButtons)),
                           3, look::kVolumeBackground);
}

QWidget *makeWeightMenu() {
    return new PictureMenu(QStringLiteral("重量计算"), Scenery::Blossom, kWeightButtons, int(std::size(kWeightButtons)),
                           4, look::kWeightBackground);
}

QWidget *makeHeatingMenu() {
    return new ListMenu(
        QStringLiteral("货油加热系统计算"), QStringLiteral("货油加热系统计算"), QStringLiteral("请选择加热工质："),
        {{"Label2", "1、用蒸汽加热货油", "货油加热系统计算蒸汽"}, {"Label3", "  2、用热媒油加热货油", "货油加热系统计算热油"}},
        QStringLiteral("用鼠标选择加热工质，点击及可进入相应的计算界面"),
        {QStringLiteral("1、公式及相关参数参考人民交通出版社《轮机工程手册》下   ，第1253页、第1254页，及中国船舶工业总公司出版的《    船舶设计手机》-轮机分册第265-266页，第328-331页。"),
         QStringLiteral("2、计算程序表框中红色的输入值为常用推荐值，根据计算的    实际情况，可以修改。"),
         QStringLiteral("3、如果要导出至EXCEL，必须用英文填写好船名和油舱名。"),
         QStringLiteral("4、程序中允许不填写与计算无关的参数，如：程序中设有4    个邻舱，如果与计算无关的邻舱，其参数可以不填写。")});
}

QWidget *makeInsulationMenu() {
    return new ListMenu(QStringLiteral("绝热计算"), QStringLiteral("绝   热   计   算"), QStringLiteral("请选择计算类型："),
                        {{"Label2", "  1、管子绝热包扎计算", "管子绝热包扎计算"}, {"Label3", "  2、舱柜绝热包扎计算", "舱柜绝热包扎计算"}},
                        QStringLiteral("用鼠标选择计算类型，点击及可进入相应的计算界面"));
}

QWidget *makeVentilationMenu() {
    return new ListMenu(QStringLiteral("通风风量计算"), QStringLiteral("通风风量计算"), QStringLiteral("请选择通风计算类型："),
                        {{"Label2", "1、机舱通风风量计算", "机舱通风风量计算"},
                         {"Label3", "2、规则舱室通风风量计算", "舱室通风风量计算"},
                         {"Label4", "3、不规则舱室通风风量计算", "不舱室通风风量计算"}},
                        QStringLiteral("用鼠标选择类型，点击及可进入相应的计算界面"));
}

QWidget *makeCableFittingMenu() {
    return new ListMenu(QStringLiteral("电缆框电缆筒电缆盒估算"), QStringLiteral("电缆框电缆筒电缆盒估算"),
                        QStringLiteral("请选择计算类型："),
                        {{"Label2", "1、电缆框估算--用于非水密水平贯穿电缆", "电缆框估算"},
                         {"Label3", "2、电缆筒估算--用于水密垂直贯穿电缆", "电缆筒估算"},
                         {"Label4", "3、电缆盒估算--用于水密水平贯穿电缆", "电缆盒估算"}},
                        QStringLiteral("用鼠标选择类型，点击及可进入相应的计算界面"));
}

QWidget *makeSectionMenu() {
    return new ListMenu(QStringLiteral("构件几何特性计算"), QStringLiteral("构件几何特性计算"), QStringLiteral("请选择计算类型："),
                        {{"Label2", "1、T型材连同带板的剖面模数惯性矩计算", "T型材模数惯性计算"},
                         {"Label3", "2、槽型舱壁剖面模数惯性矩计算", "槽型舱壁剖面模数惯性矩计算"}},
                        QString());
}

}  // namespace hanhai::shell
