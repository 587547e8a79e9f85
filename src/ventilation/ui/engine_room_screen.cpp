// Engine room ventilation: the machinery ticked, the details of each item in a group of its
// own, and the air the engine room fans must supply.
#include "ventilation/ui/engine_room_screen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>
#include <vector>

#include "shell/ui/calculator.h"
#include "shell/ui/click_label.h"
#include "shell/ui/info_pages.h"
#include "shell/ui/look.h"
#include "ventilation/core/engine_room.h"

namespace hanhai::ventilation {

namespace {

namespace look = shell::look;
using shell::Row;

const QString kName = QStringLiteral("机舱通风风量计算");
const QColor kBackground{226, 240, 234};  // pale sea green
const QString kBoilerChart = QStringLiteral("锅炉热损失");
const QString kExhaustChart = QStringLiteral("排气管热损失");
const QString kAirUnit = QStringLiteral("m³/h");

QString detail(int k) { return QStringLiteral("Text1(%1)").arg(k); }
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// An item of machinery: its box and count in the selection group, and the group of its details,
// whose fields are emptied (and whose list goes back to its design text) when it is unticked.
struct Equipment {
    const char *check, *caption, *count, *start, *frame;
    std::vector<int> details;
    const char *list = nullptr;
    std::string_view listStart = {};
};

const std::vector<Equipment> &equipment() {
    static const std::vector<Equipment> items = {
        {"Check1", "主机(柴油机)", "Text101", "1", "Frame3", {0, 12, 13}, "Combo2", kTwoStroke},
        {"Check2", "主发电机组", "Text102", "2", "Frame5", {1, 2, 14, 15}, "Combo1", "发电机风冷"},
        {"Check9", "风冷轴发", "Text109", "1", "Frame12", {11}},
        {"Check4", "燃油辅锅炉", "Text106", "1", "Frame8", {5, 6}, "Combo4", kInEngineRoom},
        {"Check3", "组合锅炉", "Text105", "1", "Frame6", {3, 4, 18}, "Combo3", kInUptake},
        {"Check6", "焚烧炉", "Text104", "1", "Frame10", {9}},
        {"Check7", "主空压机", "Text107", "2", "Frame9", {8}},
        {"Check8", "惰气装置鼓风机", "Text108", "1", "Frame11", {10}},
        {"Check5", "液动单元柴油机", "Text103", "2", "Frame7", {7, 16, 17}},
    };
    return items;
}

EngineRoom readRoom(const shell::Fields &f) {
    auto at = [&f](int k) { return f.number(detail(k)); };
    EngineRoom r;
    r.mainEngine = {.fitted = f.checked("Check1"), .running = f.number("Text101"), .mcr = at(0),
                    .stroke = f.text("Combo2"), .exhaustLength = at(12), .exhaustLoss = at(13)};
    r.generators = {.fitted = f.checked("Check2"), .running = f.number("Text102"), .engineMcr = at(1),
                    .power = at(2), .exhaustLength = at(14), .exhaustLoss = at(15)};
    r.shaftGenerator = {.fitted = f.checked("Check9"), .running = f.number("Text109"), .power = at(11)};
    r.auxiliaryBoiler = {.fitted = f.checked("Check4"), .running = f.number("Text106"), .oilSteam = at(6),
                         .exhaustSteam = 0, .position = f.text("Combo4"), .heatLoss = at(5)};
    r.compositeBoiler = {.fitted = f.checked("Check3"), .running = f.number("Text105"), .oilSteam = at(3),
                         .exhaustSteam = at(18), .position = f.text("Combo3"), .heatLoss = at(4)};
    r.incinerator = {.fitted = f.checked("Check6"), .running = f.number("Text104"), .oilConsumption = at(9)};
    r.compressors = {.fitted = f.checked("Check7"), .running = f.number("Text107"), .displacement = at(8)};
    r.inertGasBlowers = {.fitted = f.checked("Check8"), .running = f.number("Text108"), .airFlow = at(10)};
    r.hydraulicDiesels = {.fitted = f.checked("Check5"), .running = f.number("Text103"), .mcr = at(7),
                          .exhaustLength = at(17), .exhaustLoss = at(16)};
    r.fans = f.number("Text2");
    return r;
}

// The calculate button: messages on the way, the four results, then the group that shows them.
void calculate(shell::CalculatorScreen &s) {
    const EngineRoomAir air = engineRoomAir(readRoom(s.fields()));
    shell::Outcome outcome = air.ok() ? shell::Outcome()
                                            .set("Text201", air.combustionAir)
                                            .set("Text202", air.heatAir)
                                            .set("Text203", air.totalAir)
                                            .set("Text204", air.perFan)
                                      : shell::Outcome::failed(qs(air.stop));
    for (const std::string &note : air.notes) outcome.notice(qs(note));
    s.show(outcome, true);
    const bool written = air.ok() && std::isfinite(air.combustionAir) && std::isfinite(air.heatAir) &&
                         std::isfinite(air.totalAir) && std::isfinite(air.perFan);
    if (!written) return;
    s.setFrameVisible("Frame2", true);
    if (!air.fanNote.empty()) s.message(qs(air.fanNote));
}

// A list's text goes back to an entry without counting as a choice of it.
void resetList(QWidget *screen, const char *list, std::string_view entry) {
    auto *box = screen->findChild<QComboBox *>(list);
    box->setCurrentIndex(box->findText(qs(entry)));
    box->setEditText(qs(entry));
}

// Widgets that keep their place on the screen while hidden, as groups in fixed places do.
void keepPlace(QWidget *w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

class Builder {
public:
    explicit Builder(shell::CalculatorScreen *s) : s_(s) {
        style_.caption = look::song(10);
        style_.field = look::song(10.5);
        style_.unit = look::song(10);
        style_.fieldWidth = 72;
        style_.fieldHeight = 22;
        style_.spacing = 4;
    }

    QGroupBox *frame(const char *control, const QString &title) {
        QGroupBox *f = s_->addFrame(control, title, s_);
        auto *l = new QVBoxLayout(f);
        l->setContentsMargins(8, 2, 8, 4);
        l->setSpacing(3);
        keepPlace(f);
        return f;
    }

    // Rows side by side on one line of a frame.
    QGridLayout *line(QGroupBox *frame, const std::vector<Row> &rows) {
        QGridLayout *grid = s_->addRows(frame, rows, style_, static_cast<int>(rows.size()));
        grid->setVerticalSpacing(0);
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) grid->setColumnMinimumWidth(static_cast<int>(4 * i + 3), 16);
        auto *l = new QHBoxLayout;
        l->addLayout(grid);
        l->addStretch(1);
        static_cast<QVBoxLayout *>(frame->layout())->addLayout(l);
        return grid;
    }

    // A "<查表>" label beside a field that has no unit, opening a chart over the screen.
    void lookup(QGridLayout *grid, const QString &field, const char *control, const QString &chart) {
        auto *label = new shell::ClickLabel(QStringLiteral("<查表>"), s_->findChild<QWidget *>(field)->parentWidget());
        label->setObjectName(control);
        label->setTextFormat(Qt::PlainText);
        label->setFont(look::song(10));
        QPalette p = label->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 255));
        label->setPalette(p);
        keepPlace(label);
        QObject::connect(label, &shell::ClickLabel::clicked, s_, [chart] { shell::showReferencePage(chart); });
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(s_->findChild<QWidget *>(field)), &row, &column, &rowSpan, &columnSpan);
        grid->addWidget(label, row, column + 1);
    }

    QLabel *hint(QGridLayout *grid, QGroupBox *frame, const char *control, const QString &text) {
        QLabel *l = look::label(frame, control, text, look::song(9.5), look::kDarkRed);
        keepPlace(l);
        grid->addWidget(l, 0, grid->columnCount());
        return l;
    }

    shell::RowStyle style() const { return style_; }

private:
    shell::CalculatorScreen *s_;
    shell::RowStyle style_;
};

void showAll(QWidget *screen, const QStringList &controls, bool visible) {
    for (const QString &c : controls) screen->findChild<QWidget *>(c)->setVisible(visible);
}

// What a boiler's heat loss is entered with: shown only while the boiler stands in the engine room.
const QStringList kCompositeLoss = {"Label26", "Label27", "Label63", "Text1(4)"};
const QStringList kAuxiliaryLoss = {"Label28", "Label29", "Text1(5)"};

}  // namespace

QWidget *makeEngineRoomScreen() {
    auto *s = new shell::CalculatorScreen(kName, kName, kBackground, nullptr);
    s->setFailure(shell::Failure::Hold);
    Builder b(s);
    using shell::number;

    // Group captions stand in the group's border, so that nine groups fit one screen.
    s->setStyleSheet(QStringLiteral("QGroupBox{border:1px solid #8fa8a0;border-radius:3px;margin-top:9px;padding-top:5px;}"
                                    "QGroupBox::title{subcontrol-origin:margin;left:9px;padding:0 3px;}"));
    QVBoxLayout *root = s->titledColumn(kName, 3, {12, 4, 12, 8}, 20);

    // The machinery of the ship, each item with the units running together, and the fans.
    QGroupBox *selection = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("选择本船的设备"), s);
    auto *choices = new QGridLayout(selection);
    choices->setContentsMargins(8, 2, 8, 4);
    choices->setHorizontalSpacing(8);
    choices->setVerticalSpacing(2);
    shell::RowStyle counts = b.style();
    counts.fieldWidth = 26;
    int place = 0;
    for (const Equipment &e : equipment()) {
        auto *pair = new QHBoxLayout;
        pair->setSpacing(2);
        pair->addLayout(s->addRows(selection, {shell::check(e.check, QString::fromUtf8(e.caption))}, counts));
        pair->addLayout(
            s->addRows(selection, {number(e.count, QString(), QStringLiteral("台"), QString::fromUtf8(e.start))}, counts));
        pair->addStretch(1);
        choices->addLayout(pair, place / 5, place % 5);
        ++place;
    }
    const Row fans = number("Text2", QStringLiteral("选用机舱风机数量"), QStringLiteral("台"), "4");
    choices->addLayout(s->addRows(selection, {fans}, counts), 1, 4);
    root->addWidget(selection);

    // The details of each item, in places of their own.
    QGroupBox *mainEngine = b.frame("Frame3", QStringLiteral("主机相关参数"));
    QGridLayout *grid = b.line(mainEngine, {number(detail(0), "主机MCR", "kw"),
                                            shell::choice("Combo2", "冲程", qs(kTwoStroke), {qs(kTwoStroke), qs(kFourStroke)}),
                                            number(detail(12), "主机排气管长度", "m"), number(detail(13), "热损失")});
    b.lookup(grid, detail(13), "Label48", kExhaustChart);
    root->addWidget(mainEngine);

    QGroupBox *generators = b.frame("Frame5", QStringLiteral("主发相关参数"));
    b.line(generators, {number(detail(1), "柴油机MCR", "kw"), number(detail(2), "发电机功率", "kw"),
                        shell::choice("Combo1", "发电机冷却方式", "发电机风冷", {"发电机风冷", "发电机水冷"})});
    grid = b.line(generators, {number(detail(14), "单台付机排气管长度", "m"), number(detail(15), "排气管热损失")});
    b.lookup(grid, detail(15), "Label49", kExhaustChart);
    b.hint(grid, generators, "Label53", QStringLiteral("二冲程机选Δt=250K,四冲程机选Δt=320K"));
    root->addWidget(generators);

    const QStringList positions = {qs(kInUptake), qs(kInEngineRoom)};
    QGroupBox *composite = b.frame("Frame6", QStringLiteral("组合锅炉相关参数"));
    b.line(composite, {number(detail(3), "燃油侧蒸汽量", "kg/h"), number(detail(18), "废气侧蒸汽量", "kg/h"),
                       shell::choice("Combo3", "安装位置", qs(kInUptake), positions)});
    grid = b.line(composite, {shell::namedCaption(number(detail(4), "热损失百分比Δhb/100"), "Label26")});
    b.lookup(grid, detail(4), "Label27", kBoilerChart);
    b.hint(grid, composite, "Label63", QStringLiteral("按照本锅炉的总蒸汽量查锅炉热损失百分比Δhb/100表"));
    root->addWidget(composite);

    QGroupBox *auxiliary = b.frame("Frame8", QStringLiteral("燃油辅锅炉相关参数"));
    grid = b.line(auxiliary, {number(detail(6), "燃油侧蒸汽量", "kg/h"),
                              shell::choice("Combo4", "安装位置", qs(kInEngineRoom), positions),
                              shell::namedCaption(number(detail(5), "热损失百分比Δhb/100"), "Label29")});
    b.lookup(grid, detail(5), "Label28", kBoilerChart);
    root->addWidget(auxiliary);

    QGroupBox *hydraulic = b.frame("Frame7", QStringLiteral("液动单元柴油机相关参数"));
    grid = b.line(hydraulic, {number(detail(7), "柴油机MCR", "kw"), number(detail(17), "单台液动柴油机排气管长度", "m"),
                              number(detail(16), "排气管热损失")});
    b.lookup(grid, detail(16), "Label55", kExhaustChart);
    root->addWidget(hydraulic);

    auto *small = new QHBoxLayout;
    small->setSpacing(6);
    const struct {
        const char *frame, *title;
        Row row;
    } smallGroups[] = {
        {"Frame9", "主空压机机相关参数", number(detail(8), "空压机排量", kAirUnit)},
        {"Frame10", "焚烧炉相关参数", number(detail(9), "最大耗油率", "kg/h")},
        {"Frame11", "惰气鼓风机相关参数", number(detail(10), "鼓风机风量", kAirUnit)},
        {"Frame12", "风冷轴发相关参数", number(detail(11), "轴发功率", "kw")},
    };
    for (const auto &g : smallGroups) {
        QGroupBox *f = b.frame(g.frame, QString::fromUtf8(g.title));
        b.line(f, {g.row});
        small->addWidget(f);
    }
    root->addLayout(small);

    // The buttons come right after the inputs in tab order, before the results.
    QPushButton *calculateButton = s->addButton("Command11", QStringLiteral("计算结果"), [s] { calculate(*s); });
    s->setDefaultButton(calculateButton);
    QPushButton *clearButton = s->addClearButton("Command12", QStringLiteral("清空数据"));

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    QGroupBox *results = s->addFrame(QStringLiteral("Frame2"), QStringLiteral("计算结果："), s);
    keepPlace(results);
    shell::RowStyle out = b.style();
    out.caption = look::song(10, true);
    out.fieldWidth = 132;
    QGridLayout *resultGrid =
        s->addRows(results,
                   {shell::result("Text201", "燃烧所需总空气量", kAirUnit, shell::fixed(2)),
                    shell::result("Text202", "设备散热所需通风量", kAirUnit, shell::general()),
                    shell::result("Text203", "机舱通风空气总量", kAirUnit, shell::general()),
                    shell::result("Text204", "单台风机计算出风量", kAirUnit, shell::general())},
                   out, 2);
    resultGrid->setColumnMinimumWidth(3, 14);
    resultGrid->setContentsMargins(8, 2, 8, 4);
    results->setLayout(resultGrid);
    bottom->addWidget(results, 0);

    QGroupBox *note = s->addFrame(QStringLiteral("Frame4"), QStringLiteral("说明"), s);
    auto *noteLayout = new QVBoxLayout(note);
    noteLayout->setContentsMargins(6, 2, 6, 4);
    QLabel *noteText = look::label(note, QStringLiteral("Label2"),
                                   QStringLiteral("先选择本船共有那些设备。设备的数量为本船该设备实际运行时所启动的台数，需要说明的是："
                                                  "设备台数并不是指本船共配有的该设备的台数。排气管的长度是指单台设备所需的排气管的长度。"),
                                   look::song(9.5));
    noteText->setWordWrap(true);
    noteLayout->addWidget(noteText);
    bottom->addWidget(note, 1);
    root->addLayout(bottom);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    calculateButton->setMinimumWidth(110);
    clearButton->setMinimumWidth(110);
    buttons->addWidget(calculateButton);
    buttons->addWidget(clearButton);
    buttons->addStretch(1);
    buttons->addWidget(s->makeBackButton(QStringLiteral("Command4")));
    buttons->addWidget(s->makeExitButton(QStringLiteral("Command3")));
    root->addLayout(buttons);

    // Ticking shows an item's group; unticking hides it and empties what it holds.
    for (const Equipment &e : equipment()) {
        QObject::connect(s->findChild<QCheckBox *>(e.check), &QCheckBox::toggled, s, [s, &e](bool on) {
            s->setFrameVisible(e.frame, on);
            if (on) return;
            for (int k : e.details) s->write(detail(k), QString());
            if (e.list) resetList(s, e.list, e.listStart);
        });
    }
    for (const Equipment &e : equipment())
        if (e.list) resetList(s, e.list, e.listStart);
    for (auto *box : s->findChildren<QComboBox *>()) box->lineEdit()->setFont(box->font());  // not the style sheet's

    // Choosing a boiler's position from its list shows or hides its heat loss; typing does not.
    auto position = [s](const char *list, const QStringList &heatLoss, int field) {
        auto *box = s->findChild<QComboBox *>(list);
        shell::look::onPick(box, s, [s, box, heatLoss, field](int index) {
            const QString entry = box->itemText(index);
            if (entry == qs(kInEngineRoom)) {
                showAll(s, heatLoss, true);
                s->write(detail(field), QString());
            } else if (entry == qs(kInUptake)) {
                showAll(s, heatLoss, false);
            }
        });
    };
    position("Combo3", kCompositeLoss, 4);
    position("Combo4", kAuxiliaryLoss, 5);

    s->finish(shell::kLargeWindow);
    for (const Equipment &e : equipment()) s->setFrameVisible(e.frame, false);
    s->setFrameVisible("Frame2", false);
    showAll(s, kCompositeLoss, false);
    return s;
}

}  // namespace hanhai::ventilation
