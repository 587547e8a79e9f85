// The About page, the table of metric thread pitches and the two heat loss charts that the
// engine room ventilation screen refers to. None of them computes anything.
#include "shell/ui/info_pages.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "shell/ui/click_label.h"
#include "shell/ui/hover.h"
#include "shell/ui/look.h"
#include "shell/ui/navigation.h"
#include "shell/ui/window.h"

namespace hanhai::shell {

namespace {

// ---------------------------------------------------------------------------------------------
// The About page

const char *const kVersionLines[] = {
    "1、本程序为瀚海算匠软件V2.8版，汇集了船舶设计中常用的五十余项计算。",
    "2、本程序由船舶设计人员在日常设计工作中陆续编写而成，计算方法取自常用的设计手册和标准。",
    "3、希望大家能给我宝贵的建议，让程序更加丰富、界面更友好、操作更简便。",
};

const char *const kPurposeLines[] = {
    "1、本程序是为了更方便船舶设计的部份计算而编写，操作简单、方便、实用，同时也能够提高你的工作效率。",
    "2、本程序把船舶行业常用的钢板、槽钢、角钢等的重量计算归纳到一起，打破了以往查五金手册才能计算钢材重量的不便。以便\n"
    "在船舶设计时能够快速通过本程序计算出耗材的重量。",
    "3、本程序提供万年历计算、方便计算日期、天数。",
    "4、本程序提供舱柜加热计算，并可英文导出EXCEL作为理论依据，供船东参考。",
    "5、本程序提供管子的膨胀量计算，并可英文导出EXCEL作为理论依据，供船东参考，也可中文导出EXCEL作为理论依据。",
    "6、本程序提供流速与流量的相互转换。",
    "7、本程序提供节流孔板的局部压力计算，同亦能进行节流孔孔径计算。",
    "8、本程序提供管路及油舱柜的绝热包扎计算。",
    "9、本程序提供2-10根支管汇总成一根总管后不改变流通面积(流速)的情况下总管通径的估算。",
    "10、V2.8版增加球扁钢、方钢、风道等重量计算，增加螺栓扭力及通风风量计算，增加轴系轴径计算等。",
};

const char *const kTermsOfUse =
    "本程序可在船舶设计工作中免费使用和复制，但不得出售。程序的计算结果仅供参考，"
    "须由设计人员核对后方可采用；编者不对使用本程序所产生的任何后果承担责任。";

const char *const kAuthors =
    "编者是从事船舶轮机设计的工程师，多年来参与多种船舶的设计工作。程序中的每一项计算都来自"
    "实际设计中的需要，并在设计中反复使用过。";

const char *const kSignature = "瀚海算匠软件编写组  谨识";

QGroupBox *frame(QWidget *parent, const QString &name, const QString &title) {
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setFont(look::song(10.5, true));
    return box;
}

QLabel *line(QWidget *parent, const QString &text, bool wrap = false) {
    QLabel *l = look::label(parent, QString(), text, look::song(9));
    l->setWordWrap(wrap);
    l->setTextInteractionFlags(Qt::NoTextInteraction);
    return l;
}

class AboutPage : public ScreenWindow {
public:
    AboutPage() : ScreenWindow(QStringLiteral("版体信息"), QStringLiteral("版本信息"), look::kInfoBackground) {
        auto *root = new QVBoxLayout(this);
        root->setContentsMargins(16, 12, 16, 10);
        root->setSpacing(8);

        auto lines = [](QGroupBox *box, const auto &texts) {
            auto *l = new QVBoxLayout(box);
            l->setContentsMargins(14, 6, 14, 8);
            l->setSpacing(3);
            for (const char *t : texts) l->addWidget(line(box, QString::fromUtf8(t)));
        };
        QGroupBox *version = frame(this, QStringLiteral("Frame1"), QStringLiteral("版体信息"));
        lines(version, kVersionLines);
        root->addWidget(version);

        QGroupBox *purpose = frame(this, QStringLiteral("Frame2"), QStringLiteral("程序设计的目的"));
        lines(purpose, kPurposeLines);
        root->addWidget(purpose);

        auto *notes = new QHBoxLayout;
        notes->setSpacing(12);
        for (auto [name, title, text] : {std::tuple{"Frame3", "其它声明", kTermsOfUse},
                                         std::tuple{"Frame4", "编者简介", kAuthors}}) {
            QGroupBox *box = frame(this, QString::fromUtf8(name), QString::fromUtf8(title));
            auto *l = new QVBoxLayout(box);
            l->setContentsMargins(14, 6, 14, 8);
            l->addWidget(line(box, QString::fromUtf8(text), true));
            notes->addWidget(box, 1);
        }
        root->addLayout(notes);
        root->addStretch(1);

        auto *exit = new ClickLabel(QStringLiteral("EXIT PROGRAM"), this);
        exit->setObjectName(QStringLiteral("Label11"));
        exit->setFont(look::xinwei(18, true));
        exit->setAlignment(Qt::AlignCenter);
        setTextColour(exit, look::kDarkGreen);
        // room for the bold text, so that the link does not move while it is highlighted
        exit->setMinimumSize(exit->sizeHint() + QSize(16, 4));
        connect(exit, &ClickLabel::clicked, this, [] { exitProgram(); });

        QLabel *signature = look::label(this, QStringLiteral("Label12"), QString::fromUtf8(kSignature),
                                        look::xinwei(14), look::kDarkGreen);
        auto *bottom = new QHBoxLayout;
        bottom->addWidget(exit);
        bottom->addStretch(1);
        bottom->addWidget(signature, 0, Qt::AlignBottom);
        bottom->addSpacing(8);
        root->addLayout(bottom);

        auto *hover = new HoverScheme(this);
        hover->add(exit, look::kDarkGreen, look::kRed);
        hover->shieldOtherChildren();
        fixSize(kStandardWindow);
    }
};

// ---------------------------------------------------------------------------------------------
// Metric thread pitches: the coarse pitch first, then the fine ones; second choices in brackets.

struct ThreadRow {
    const char *size, *pitches;
};

constexpr ThreadRow kThreads[] = {
    {"M8", "1.25, 1, 0.75, (0.5)"},
    {"M10", "1.5, 1.25, 1, 0.75, (0.5)"},
    {"M12", "1.75, 1.5, 1.25, 1, (0.75), (0.5)"},
    {"M14", "2, 1.5, (1.25), 1, (0.75), (0.5)"},
    {"M16", "2, 1.5, 1, (0.75), (0.5)"},
    {"M18", "2.5, 2, 1.5, 1, (0.75), (0.5)"},
    {"M20", "2.5, 2, 1.5, 1, (0.75), (0.5)"},
    {"M24", "3, 2, 1.5, 1, (0.75)"},
    {"M27", "3, 2, 1.5, 1, (0.75)"},
    {"M30", "3.5, (3), 2, 1.5, 1, (0.75)"},
    {"M33", "3.5, (3), 2, 1.5, (1), (0.75)"},
    {"M36", "4, 3, 2, 1.5, (1)"},
    {"M39", "4, 3, 2, 1.5, (1)"},
    {"M42", "4.5, (4), 3, 2, 1.5, (1)"},
    {"M48", "5, (4), 3, 2, 1.5, (1)"},
    {"M52", "5, (4), 3, 2, 1.5, (1)"},
    {"M56", "5.5, 4, 3, 2, 1.5, (1)"},
    {"M60", "(5.5), 4, 3, 2, 1.5, (1)"},
    {"M64", "6, 4, 3, 2, 1.5, (1)"},
    {"M68", "6, 4, 3, 2, 1.5, (1)"},
    {"M72", "6, 4, 3, 2, 1.5, (1)"},
    {"M76", "6, 4, 3, 2, 1.5, (1)"},
    {"M80", "6, 4, 3, 2, 1.5, (1)"},
};

class ThreadPage : public ScreenWindow {
public:
    ThreadPage() : ScreenWindow(QStringLiteral("常用螺纹规格"), QStringLiteral("常用螺纹规格"), Qt::white) {
        setAccessibleDescription(QStringLiteral("常用螺纹规格表"));
        const QFont body = look::song(10), head = look::song(10.5, true);
        const QFontMetrics fm(body), hm(head);
        int pitchWidth = hm.horizontalAdvance(QStringLiteral("螺距"));
        for (const ThreadRow &r : kThreads)
            pitchWidth = std::max(pitchWidth, fm.horizontalAdvance(QString::fromUtf8(r.pitches)));
        sizeWidth_ = std::max(110, hm.horizontalAdvance(QStringLiteral("螺纹规格")) + 24);
        pitchWidth_ = std::max(250, pitchWidth + 28);
        headHeight_ = hm.height() + 2;
        rowHeight_ = fm.height();
        const QSize table(sizeWidth_ + pitchWidth_, headHeight_ + int(std::size(kThreads)) * rowHeight_);
        setFixedSize((table + QSize(20, 20)).expandedTo(QSize(410, 465)));
        origin_ = QPoint((width() - table.width()) / 2, (height() - table.height()) / 2);

        auto cell = [&](int row, int column, const QString &text, const QFont &font) {
            QLabel *l = look::label(this, QString(), text, font, Qt::black);
            const int x = origin_.x() + (column == 0 ? 0 : sizeWidth_);
            const int y = origin_.y() + (row == 0 ? 0 : headHeight_ + (row - 1) * rowHeight_);
            l->setGeometry(x, y, column == 0 ? sizeWidth_ : pitchWidth_, row == 0 ? headHeight_ : rowHeight_);
            l->setAlignment(column == 0 || row == 0 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
            if (column == 1 && row > 0) l->setIndent(14);
        };
        cell(0, 0, QStringLiteral("螺纹规格"), head);
        cell(0, 1, QStringLiteral("螺距"), head);
        for (int i = 0; i < int(std::size(kThreads)); ++i) {
            cell(i + 1, 0, QString::fromUtf8(kThreads[i].size), body);
            cell(i + 1, 1, QString::fromUtf8(kThreads[i].pitches), body);
        }
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        const int rows = int(std::size(kThreads));
        const QRect table(origin_, QSize(sizeWidth_ + pitchWidth_, headHeight_ + rows * rowHeight_));
        auto rowTop = [&](int r) { return table.top() + headHeight_ + r * rowHeight_; };
        p.fillRect(QRect(table.left(), table.top(), table.width(), headHeight_), QColor(228, 236, 248));
        for (int r = 1; r < rows; r += 2)  // every other row lightly shaded, to follow a row across
            p.fillRect(QRect(table.left(), rowTop(r), table.width(), rowHeight_), QColor(245, 247, 251));
        p.setPen(QPen(QColor(160, 160, 160), 1));
        for (int r = 1; r < rows; ++r) p.drawLine(table.left(), rowTop(r), table.right(), rowTop(r));
        p.drawLine(table.left() + sizeWidth_, table.top(), table.left() + sizeWidth_, table.bottom());
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(table);
        p.drawLine(table.left(), rowTop(0), table.right(), rowTop(0));
    }

private:
    QPoint origin_;
    int sizeWidth_ = 0, pitchWidth_ = 0, headHeight_ = 0, rowHeight_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Charts

// Maps a value onto a pixel coordinate, linearly or logarithmically.
struct Scale {
    double lo, hi;
    bool logarithmic;
    double from, to;  // pixels of lo and hi

    double operator()(double v) const {
        const double t = logarithmic ? std::log10(v / lo) / std::log10(hi / lo) : (v - lo) / (hi - lo);
        return from + t * (to - from);
    }
};

QFont chartFont(double points, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                   QStringLiteral("Noto Sans CJK SC")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

// Draws a text so that the point `at` lies where `align` says on the text's box: Qt::AlignLeft
// puts the box's left edge there, Qt::AlignTop its top edge, and so on.
void drawText(QPainter &p, QPointF at, Qt::Alignment align, const QString &text) {
    const double w = 1000, h = 200;
    const double x = at.x() - ((align & Qt::AlignHCenter) ? w / 2 : (align & Qt::AlignRight) ? w : 0);
    const double y = at.y() - ((align & Qt::AlignVCenter) ? h / 2 : (align & Qt::AlignBottom) ? h : 0);
    p.drawText(QRectF(x, y, w, h), int(align), text);
}

// Draws rich text (for subscripts) turned upright along a vertical axis, centred on `centre`.
void drawVerticalTitle(QPainter &p, QPointF centre, const QString &html, const QFont &font) {
    QTextDocument doc;
    doc.setDefaultFont(font);
    doc.setDocumentMargin(0);
    doc.setHtml(html);
    doc.setTextWidth(doc.idealWidth());
    const QSizeF s = doc.size();
    p.save();
    p.translate(centre);
    p.rotate(-90);
    p.translate(-s.width() / 2, -s.height() / 2);
    doc.drawContents(&p);
    p.restore();
}

// Thousands written with a blank between the groups: 75 000.
QString groupedNumber(int value) {
    QString digits = QString::number(value);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, QLatin1Char(' '));
    return digits;
}

// The values 1, 2 ... 9 of every decade from lo to hi.
std::vector<double> logSteps(double lo, double hi) {
    std::vector<double> steps;
    for (double decade = std::pow(10.0, std::floor(std::log10(lo))); decade <= hi; decade *= 10)
        for (int k = 1; k <= 9; ++k) {
            const double v = k * decade;
            if (v >= lo * (1 - 1e-9) && v <= hi * (1 + 1e-9)) steps.push_back(v);
        }
    return steps;
}

const QColor kGridMinor(222, 222, 222);
const QColor kGridMajor(170, 170, 170);
const QColor kAxis(40, 40, 40);

class ChartPage : public ScreenWindow {
public:
    ChartPage(const QString &name, QSize size) : ScreenWindow(name, name, Qt::white) {
        setAccessibleDescription(name + QStringLiteral("曲线图"));
        setCentredOnShow(false);  // the charts open where the system puts new windows
        setFixedSize(size);
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.fillRect(rect(), Qt::white);
        paintChart(p);
    }
    virtual void paintChart(QPainter &p) = 0;

    void drawTitle(QPainter &p, const QString &title) {
        p.setFont(look::song(16, true));
        p.setPen(Qt::black);
        drawText(p, QPointF(width() / 2.0, 14), Qt::AlignHCenter | Qt::AlignTop, title);
    }

    static void drawVerticalGrid(QPainter &p, const QRectF &plot, const Scale &x, const std::vector<double> &at,
                                 const std::vector<double> &major) {
        for (double v : at) {
            const bool isMajor = std::any_of(major.begin(), major.end(), [v](double m) { return std::abs(v / m - 1) < 1e-9; });
            p.setPen(QPen(isMajor ? kGridMajor : kGridMinor, 1));
            p.drawLine(QPointF(x(v), plot.top()), QPointF(x(v), plot.bottom()));
        }
    }

    static void drawHorizontalGrid(QPainter &p, const QRectF &plot, const Scale &y, const std::vector<double> &at,
                                   const std::vector<double> &major) {
        for (double v : at) {
            const bool isMajor = std::any_of(major.begin(), major.end(), [v](double m) { return std::abs(v / m - 1) < 1e-9; });
            p.setPen(QPen(isMajor ? kGridMajor : kGridMinor, 1));
            p.drawLine(QPointF(plot.left(), y(v)), QPointF(plot.right(), y(v)));
        }
    }

    static void drawFrame(QPainter &p, const QRectF &plot) {
        p.setPen(QPen(kAxis, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(plot);
    }
};

// A natural cubic spline through the points (u[i], v[i]), u rising.
class Spline {
public:
    Spline(std::vector<double> u, std::vector<double> v) : u_(std::move(u)), v_(std::move(v)), m_(u_.size(), 0.0) {
        const size_t n = u_.size();
        if (n < 3) return;
        // tridiagonal system for the second derivatives, natural ends (m = 0)
        std::vector<double> diag(n, 2.0), upper(n, 0.0), rhs(n, 0.0), lower(n, 0.0);
        for (size_t i = 1; i + 1 < n; ++i) {
            const double h0 = u_[i] - u_[i - 1], h1 = u_[i + 1] - u_[i];
            lower[i] = h0 / (h0 + h1);
            upper[i] = h1 / (h0 + h1);
            rhs[i] = 6.0 / (h0 + h1) * ((v_[i + 1] - v_[i]) / h1 - (v_[i] - v_[i - 1]) / h0);
        }
        std::vector<double> c(n, 0.0), d(n, 0.0);
        for (size_t i = 1; i + 1 < n; ++i) {
            const double denominator = diag[i] - lower[i] * c[i - 1];
            c[i] = upper[i] / denominator;
            d[i] = (rhs[i] - lower[i] * d[i - 1]) / denominator;
        }
        for (size_t i = n - 2; i >= 1; --i) m_[i] = d[i] - c[i] * m_[i + 1];
    }

    double operator()(double x) const {
        size_t i = 0;
        while (i + 2 < u_.size() && x > u_[i + 1]) ++i;
        const double h = u_[i + 1] - u_[i], a = (u_[i + 1] - x) / h, b = (x - u_[i]) / h;
        return a * v_[i] + b * v_[i + 1] + ((a * a * a - a) * m_[i] + (b * b * b - b) * m_[i + 1]) * h * h / 6.0;
    }

private:
    std::vector<double> u_, v_, m_;
};

// Boiler heat loss in per cent against the boiler capacity, read as a smooth curve through the
// points of the chart. The kW scale is 2 500 kW to each kg/s.
class BoilerLossChart : public ChartPage {
public:
    BoilerLossChart() : ChartPage(QStringLiteral("锅炉热损失"), QSize(820, 650)) {}

protected:
    void paintChart(QPainter &p) override {
        drawTitle(p, QStringLiteral("锅炉热损失图"));
        const QRectF plot(100, 66, 680, 440);
        const Scale x{0.2, 30, true, plot.left(), plot.right()};
        const Scale y{0.1, 1.1, false, plot.bottom(), plot.top()};
        const QFont tickFont = chartFont(9), titleFont = chartFont(10.5, true);

        std::vector<double> ys;
        for (int k = 2; k <= 22; ++k) ys.push_back(k * 0.05);
        std::vector<double> majorYs;
        for (int k = 1; k <= 11; ++k) majorYs.push_back(k * 0.1);
        drawHorizontalGrid(p, plot, y, ys, majorYs);
        drawVerticalGrid(p, plot, x, logSteps(0.2, 30), {1.0, 10.0});

        // the curve
        const std::vector<double> capacity{0.2, 1, 10, 28}, loss{1.1, 0.72, 0.36, 0.27};
        std::vector<double> u;
        for (double c : capacity) u.push_back(std::log10(c));
        const Spline curve(u, loss);
        QPainterPath path;
        for (int i = 0; i <= 200; ++i) {
            const double ui = u.front() + (u.back() - u.front()) * i / 200.0;
            const QPointF pt(x(std::pow(10.0, ui)), y(curve(ui)));
            if (i == 0) path.moveTo(pt);
            else path.lineTo(pt);
        }
        p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        drawFrame(p, plot);

        // vertical scale
        p.setFont(tickFont);
        p.setPen(kAxis);
        for (double v : majorYs) {
            p.drawLine(QPointF(plot.left() - 5, y(v)), QPointF(plot.left(), y(v)));
            drawText(p, QPointF(plot.left() - 8, y(v)), Qt::AlignRight | Qt::AlignVCenter, QString::number(v, 'f', 1));
        }
        drawVerticalTitle(p, QPointF(34, plot.center().y()), QStringLiteral("Heat loss, &Delta;&eta;<sub>b</sub>, %"),
                          titleFont);

        // capacity in kg/s
        const double kgLabels[] = {0.2, 0.3, 0.4, 0.5, 0.6, 0.8, 1, 2, 3, 4, 5, 6, 8, 10, 20, 30};
        for (double v : logSteps(0.2, 30)) p.drawLine(QPointF(x(v), plot.bottom()), QPointF(x(v), plot.bottom() + 5));
        for (double v : kgLabels)
            drawText(p, QPointF(x(v), plot.bottom() + 7), Qt::AlignHCenter | Qt::AlignTop, QString::number(v));
        p.setFont(titleFont);
        drawText(p, QPointF(plot.center().x(), plot.bottom() + 28), Qt::AlignHCenter | Qt::AlignTop,
                 QStringLiteral("Capacity, kg/s"));

        // the same capacity in kW, on a scale of its own below
        const double kwPerKgs = 2500;
        const double axisY = plot.bottom() + 72;
        p.setPen(QPen(kAxis, 1.5));
        p.drawLine(QPointF(plot.left(), axisY), QPointF(plot.right(), axisY));
        p.setPen(kAxis);
        p.setFont(tickFont);
        std::vector<double> kwSteps = logSteps(500, 75000);
        kwSteps.push_back(75000);
        for (double v : kwSteps) p.drawLine(QPointF(x(v / kwPerKgs), axisY), QPointF(x(v / kwPerKgs), axisY + 5));
        const int kwLabels[] = {500, 1000, 2000, 3000, 5000, 10000, 20000, 30000, 50000, 75000};
        for (int v : kwLabels) {
            const double at = x(v / kwPerKgs);
            p.drawLine(QPointF(at, axisY - 4), QPointF(at, axisY + 8));
            drawText(p, QPointF(at, axisY + 10), Qt::AlignHCenter | Qt::AlignTop, groupedNumber(v));
        }
        p.setFont(titleFont);
        drawText(p, QPointF(plot.center().x(), axisY + 31), Qt::AlignHCenter | Qt::AlignTop,
                 QStringLiteral("Capacity, kW"));
    }
};

// Heat emission of an exhaust pipe in kW per metre against its diameter, one straight line in
// log-log for each temperature difference: q = 0.98 kW/m × (Δt / 350 K)^0.6 × (D / 2000 mm)^0.78.
class ExhaustLossChart : public ChartPage {
public:
    ExhaustLossChart() : ChartPage(QStringLiteral("排气管热损失"), QSize(885, 725)) {}

    static double emission(double diameter, double dt) {
        return 0.98 * std::pow(dt / 350.0, 0.6) * std::pow(diameter / 2000.0, 0.78);
    }

protected:
    void paintChart(QPainter &p) override {
        drawTitle(p, QStringLiteral("排气管热损失图"));
        const QRectF plot(100, 66, 660, 570);
        const Scale x{100, 2000, true, plot.left(), plot.right()};
        const Scale y{0.05, 1, true, plot.bottom(), plot.top()};
        const QFont tickFont = chartFont(9), titleFont = chartFont(10.5, true);

        const std::vector<double> ys = logSteps(0.05, 1);
        drawHorizontalGrid(p, plot, y, ys, {0.1, 1.0});
        std::vector<double> xs = logSteps(100, 2000);
        xs.push_back(1500);
        drawVerticalGrid(p, plot, x, xs, {100, 1000});

        struct Line {
            double dt;
            QColor colour;
        };
        const Line lines[] = {{350, QColor(200, 0, 0)}, {300, QColor(0, 70, 200)}, {250, QColor(0, 130, 0)}};
        for (const Line &l : lines) {
            p.setPen(QPen(l.colour, 2.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x(100), y(emission(100, l.dt))), QPointF(x(2000), y(emission(2000, l.dt))));
        }
        drawFrame(p, plot);

        // each line named at its right end; names kept apart where the lines run close
        p.setFont(tickFont);
        const double gap = QFontMetricsF(tickFont).height() + 1;
        double previous = -1e9;
        for (const Line &l : lines) {
            const double end = y(emission(2000, l.dt));
            const double at = std::max(end, previous + gap);
            previous = at;
            p.setPen(QPen(l.colour, 1));
            p.drawLine(QPointF(plot.right(), end), QPointF(plot.right() + 10, at));
            p.setFont(chartFont(9, true));
            drawText(p, QPointF(plot.right() + 13, at), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Δt = %1 K").arg(l.dt));
        }

        // vertical scale
        p.setFont(tickFont);
        p.setPen(kAxis);
        for (double v : ys) {
            p.drawLine(QPointF(plot.left() - 5, y(v)), QPointF(plot.left(), y(v)));
            drawText(p, QPointF(plot.left() - 8, y(v)), Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
        }
        drawVerticalTitle(p, QPointF(34, plot.center().y()), QStringLiteral("Heat emission, q, kW/m"), titleFont);

        // diameters
        const int labelled[] = {100, 150, 200, 300, 400, 500, 600, 800, 1000, 1500, 2000};
        for (double v : xs) p.drawLine(QPointF(x(v), plot.bottom()), QPointF(x(v), plot.bottom() + 5));
        for (int v : labelled)
            drawText(p, QPointF(x(v), plot.bottom() + 7), Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Ø") + groupedNumber(v));
        p.setFont(titleFont);
        drawText(p, QPointF(plot.center().x(), plot.bottom() + 30), Qt::AlignHCenter | Qt::AlignTop,
                 QStringLiteral("Diameter of exhaust pipe, mm"));
    }
};

}  // namespace

QWidget *makeAboutPage() { return new AboutPage; }
QWidget *makeThreadPage() { return new ThreadPage; }
QWidget *makeBoilerLossPage() { return new BoilerLossChart; }
QWidget *makeExhaustLossPage() { return new ExhaustLossChart; }

QWidget *showReferencePage(const QString &name) {
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == name) {
            if (w->isMinimized()) w->showNormal();
            w->raise();
            w->activateWindow();
            return w;
        }
    }
    return openScreen(name);
}

}  // namespace hanhai::shell
