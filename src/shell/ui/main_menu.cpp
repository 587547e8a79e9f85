#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

#include "shell/ui/click_label.h"
#include "shell/ui/hover.h"
#include "shell/ui/logo.h"
#include "shell/ui/look.h"
#include "shell/ui/menus.h"
#include "shell/ui/message.h"
#include "shell/ui/navigation.h"
#include "shell/ui/window.h"

namespace hanhai::shell {

namespace {

struct Entry {
    const char *control;
    const char *caption;
    const char *opens;
    bool menuStays;  // the menu stays open behind the screen
};

// Entries 1 to 12 stand in the left column, 13 to 21 in the right.
constexpr Entry kEntries[] = {
    {"Label14", "1、体积计算", "体积计算", false},
    {"Label3", "2、重量计算", "重量计算", false},
    {"Label4", "3、管子膨胀量计算", "管子膨胀量计算", false},
    {"Label5", "4、流量、速度转换计算", "流量速度转换", false},
    {"Label6", "5、万年历计算", "万年历计算", false},
    {"Label7", "6、拉线挠度计算", "挠度计算", false},
    {"Label8", "7、货油加热系统计算", "货油加热系统计算", false},
    {"Label9", "8、节流孔板计算", "节流孔板计算", false},
    {"Label11", "9、绝热计算", "绝热计算", false},
    {"Label12", "10、支管合并管径计算", "支管合并管径计算", false},
    {"Label13", "11、科学计算器", "科学计算器", false},
    {"Label15", "12、版本信息", "版体信息", false},
    {"Label16", "13、焊接直通套管选择", "焊接直通套管选择", false},
    {"Label17", "14、螺栓扭力计算", "螺栓扭力计算", false},
    {"Label18", "15、通风风量计算", "通风风量计算", false},
    {"Label19", "16、轴系轴径计算", "轴系轴径计算", false},
    {"Label20", "17、电缆托架宽度估算", "电缆托架宽度估算", false},
    {"Label21", "18、电缆框电缆筒电缆盒估算", "电缆框电缆筒电缆盒估算", false},
    {"Label22", "19、柴油机转速计算", "柴油机转速计算", true},
    {"Label23", "20、功率单位转换", "功率单位转换", true},
    {"Label24", "21、构件几何特性计算", "构件几何特性计算", false},
};
constexpr int kLeftCount = 12;
constexpr int kRowPitch = 32;  // 480 twips

// The logo, painted straight onto the window, so that it is sharp at any device pixel ratio.
class Logo : public ClickLabel {
public:
    using ClickLabel::ClickLabel;

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        paintLogo(p, rect());
    }
};

class MainMenu : public ScreenWindow {
public:
    MainMenu() : ScreenWindow(QStringLiteral("主菜单"), QStringLiteral("瀚海算匠软件"), QColor()) {
        auto *hover = new HoverScheme(this);

        QLabel *welcome = look::label(this, QStringLiteral("Label1"), QStringLiteral("欢迎使用瀚海算匠软件"),
                                      look::xinwei(26.25, true), look::kDarkRed);
        QLabel *version = look::label(this, QStringLiteral("Label2"), QStringLiteral("版本：V2.8"),
                                      look::song(14.25), look::kDarkTeal);
        auto *image = new Logo(QString(), this);
        image->setObjectName(QStringLiteral("Image1"));
        image->setAccessibleName(QStringLiteral("logo"));
        connect(image, &ClickLabel::clicked, this, [] { openWebAddress(QUrl(QString::fromUtf8(kHomePage))); });

        // Columns wide enough for their longest entry in bold.
        QFont bold = look::xingkai(18, true);
        QFontMetrics fm(bold);
        int leftWidth = 0, rightWidth = 0;
        for (int i = 0; i < int(std::size(kEntries)); ++i) {
            int w = fm.horizontalAdvance(QString::fromUtf8(kEntries[i].caption)) + 16;
            (i < kLeftCount ? leftWidth : rightWidth) = std::max(i < kLeftCount ? leftWidth : rightWidth, w);
        }
        const int margin = 30, gap = 24;
        const int width = std::max(kStandardWindow.width(), 2 * margin + leftWidth + gap + rightWidth);
        const int top = 88;
        for (int i = 0; i < int(std::size(kEntries)); ++i) {
            const Entry &e = kEntries[i];
            auto *l = new ClickLabel(QString::fromUtf8(e.caption), this);
            l->setObjectName(QString::fromUtf8(e.control));
            l->setFont(look::xingkai(18));
            l->setAlignment(Qt::AlignCenter);
            setTextColour(l, look::kDarkBlue);
            const bool left = i < kLeftCount;
            const int row = left ? i : i - kLeftCount;
            const int x = left ? margin : width - margin - rightWidth;
            l->setGeometry(x, top + row * kRowPitch, left ? leftWidth : rightWidth, kRowPitch);
            hover->add(l, look::kDarkBlue, look::kRed);
            const QString target = QString::fromUtf8(e.opens);
            const bool stays = e.menuStays;
            connect(l, &ClickLabel::clicked, this, [this, target, stays] {
                if (stays) openScreen(target);
                else replaceScreen(this, target);
            });
        }

        auto *exit = new ClickLabel(QStringLiteral("结束并退出EXIT"), this);
        exit->setObjectName(QStringLiteral("Label10"));
        exit->setFont(look::xinwei(21.75, true));
        setTextColour(exit, look::kDarkCyan);
        hover->add(exit, look::kDarkCyan, look::kRed);
        connect(exit, &ClickLabel::clicked, this, [] { exitProgram(); });

        const int height = kStandardWindow.height();
        welcome->adjustSize();
        welcome->move((width - welcome->width()) / 2, 22);
        version->adjustSize();
        version->move(width - version->width() - 16, 12);
        image->setGeometry(14, 10, 56, 56);
        QFontMetrics em(look::xinwei(21.75, true));
        exit->resize(em.horizontalAdvance(exit->text()) + 16, em.height() + 6);
        exit->move(width - exit->width() - 24, height - exit->height() - 18);

        hover->shieldOtherChildren();
        setFixedSize(width, height);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        // A pale sky over calm water.
        QPainter p(this);
        const QRectF r = rect();
        const double horizon = r.height() * 0.62;
        QLinearGradient sky(0, 0, 0, horizon);
        sky.setColorAt(0, QColor(196, 224, 250));
        sky.setColorAt(1, QColor(240, 248, 255));
        p.fillRect(QRectF(0, 0, r.width(), horizon), sky);
        QLinearGradient sea(0, horizon, 0, r.height());
        sea.setColorAt(0, QColor(214, 236, 246));
        sea.setColorAt(1, QColor(170, 208, 232));
        p.fillRect(QRectF(0, horizon, r.width(), r.height() - horizon), sea);
        // The waves repeat every kWavePeriod pixels: one period is stroked once and laid along
        // each line, which is what keeps the first frame quick.
        if (wave_.isNull() || wave_.devicePixelRatio() != devicePixelRatioF()) wave_ = wave(devicePixelRatioF());
        const QPixmap &tile = wave_;
        for (int i = 0; i < 9; ++i) {
            const double y = horizon + 14 + i * 22;
            p.drawTiledPixmap(QRectF(0, y - kWaveHalfHeight, r.width(), tile.height()), tile);
        }
    }

private:
    static constexpr int kWavePeriod = 60;
    static constexpr int kWaveHalfHeight = 6;

    QPixmap wave_;

    // One period of a wave line on a transparent tile, its mid-line at kWaveHalfHeight, made
    // for the screen's pixel density.
    static QPixmap wave(qreal density) {
        QPixmap pm(QSize(kWavePeriod, 2 * kWaveHalfHeight) * density);
        pm.setDevicePixelRatio(density);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.5));
        // Three periods, so that the line runs on seamlessly across the tile's edges.
        QPainterPath line;
        const double y = kWaveHalfHeight;
        line.moveTo(-kWavePeriod, y);
        for (double x = -kWavePeriod; x < 2 * kWavePeriod; x += kWavePeriod) {
            line.quadTo(x + 15, y - 4, x + 30, y);
            line.quadTo(x + 45, y + 4, x + 60, y);
        }
        p.drawPath(line);
        p.end();
        return pm;
    }
};

}  // namespace

QWidget *makeMainMenu() { return new MainMenu; }

}  // namespace hanhai::shell
