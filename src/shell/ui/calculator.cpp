#include "shell/ui/calculator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

#include "shell/ui/look.h"
#include "shell/ui/places_group.h"

namespace hanhai::shell {

RowStyle inputRowStyle() {
    RowStyle s;
    s.caption = s.unit = look::song(12);
    s.field = look::song(14.25);
    s.fieldWidth = 150;
    s.shadedCaption = true;
    s.choiceBelowCaption = true;
    return s;
}

RowStyle resultRowStyle() {
    RowStyle s;
    s.caption = look::song(15, true);
    s.field = look::song(15);
    s.unit = look::song(12);
    s.fieldWidth = 170;
    return s;
}

CalculatorScreen::CalculatorScreen(const QString &name, const QString &caption, const QColor &background,
                                   Computation compute)
    : ScreenWindow(name, caption, background), compute_(std::move(compute)) {}

QGridLayout *CalculatorScreen::addRows(QWidget *parent, const std::vector<Row> &rows, const RowStyle &style,
                                       int columns) {
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(style.spacing);
    const int perColumn = columns > 1 ? static_cast<int>((rows.size() + columns - 1) / columns) : static_cast<int>(rows.size());
    int line = 0, column = 0, used = 0;
    for (const Row &row : rows) {
        if (used == perColumn) {  // next column of rows
            used = 0;
            line = 0;
            column += 4;
        }
        ++used;
        const int c = column;
        QLabel *caption = nullptr;
        if (row.kind != Row::Kind::Check && !row.caption.isEmpty()) {
            caption = look::label(parent, row.captionControl, row.caption, style.caption);
            if (style.shadedCaption && row.kind != Row::Kind::Result) look::shadeCaption(caption);
        }
        QWidget *field = nullptr;
        switch (row.kind) {
        case Row::Kind::Number:
        case Row::Kind::Text:
        case Row::Kind::Result: {
            QLineEdit *e = look::field(parent, row.control, style.field);
            e->setFixedWidth(style.fieldWidth);
            if (!row.start.isEmpty()) {
                e->setText(row.start);
                e->setCursorPosition(0);
                if (row.kind == Row::Kind::Number) look::markRecommended(e);
            }
            field = e;
            break;
        }
        case Row::Kind::Choice:
            field = look::dropDown(parent, row.control, style.field, row.items, row.start);
            break;
        case Row::Kind::Check: {
            auto *box = new QCheckBox(row.caption, parent);
            box->setObjectName(row.control);
            box->setFont(style.caption);
            look::pointingHand(box);
            field = box;
            break;
        }
        }
        if (style.fieldHeight > 0 && row.kind != Row::Kind::Check) field->setFixedHeight(style.fieldHeight);
        track(field);
        if (row.kind == Row::Kind::Choice && style.choiceBelowCaption) {
            if (caption) grid->addWidget(caption, line++, c, 1, 3);
            grid->addWidget(field, line++, c, 1, 3);
        } else if (row.kind == Row::Kind::Check) {
            grid->addWidget(field, line++, c, 1, 3);
        } else {
            if (caption && row.captionAbove) grid->addWidget(caption, line++, c, 1, 2);
            else if (caption) grid->addWidget(caption, line, c);
            grid->addWidget(field, line, c + 1, 1, row.kind == Row::Kind::Choice && row.unit.isEmpty() ? 2 : 1);
            if (!row.unit.isEmpty()) {
                QLabel *unit = look::label(parent, QStringLiteral("Label5(%1)").arg(units_++),
                                           look::unitMarkup(row.unit), style.unit);
                unit->setTextFormat(Qt::RichText);
                grid->addWidget(unit, line, c + 2);
            }
            if (!row.hint.isEmpty()) grid->addWidget(look::label(parent, QString(), row.hint, style.unit), line, c + 3);
            ++line;
        }
        rows_.push_back(row);
    }
    return grid;
}

QGroupBox *CalculatorScreen::addFrame(const QString &control, const QString &title, QWidget *parent) {
    auto *frame = new QGroupBox(title, parent ? parent : this);
    frame->setObjectName(control);
    frame->setFont(look::song(10.5));
    return frame;
}

QPushButton *CalculatorScreen::addCalculateButton(const QString &control, const QString &caption) {
    QPushButton *b = addButton(control, caption, [this] { calculate(); });
    setDefaultButton(b);
    return b;
}

QPushButton *CalculatorScreen::addClearButton(const QString &control, const QString &caption) {
    return addButton(control, caption, [this] { clear(); });
}

QPushButton *CalculatorScreen::addButton(const QString &control, const QString &caption, std::function<void()> action) {
    QPushButton *b = look::button(this, control, caption, look::kCalculateColour, look::song(12));
    connect(b, &QPushButton::clicked, this, std::move(action));
    track(b);
    return b;
}

PlacesGroup *CalculatorScreen::addPlaces(int options, Places start, const QString &caption, const QStringList &controls) {
    places_ = new PlacesGroup(options, start, caption, this, controls);
    connect(places_, &PlacesGroup::chosen, this, [this] { recompute(); });
    for (QWidget *b : places_->optionButtons()) track(b);
    return places_;
}

void CalculatorScreen::finish(QSize least) {
    // Back and exit buttons close the chain wherever they stand.
    for (auto *b : findChildren<QPushButton *>())
        if (b->property("hanhai.navigation").toBool()) track(b);
    for (int i = 0; i + 1 < tabChain_.size(); ++i) setTabOrder(tabChain_[i], tabChain_[i + 1]);
    if (!tabChain_.isEmpty()) setFirstField(tabChain_.front());
    fixSize(least);
}

void CalculatorScreen::setFailure(Failure failure, const QString &inputMessage) {
    failure_ = failure;
    inputMessage_ = inputMessage;
}

void CalculatorScreen::setAfterFailure(std::function<void(CalculatorScreen &, bool)> after) {
    afterFailure_ = std::move(after);
}

Places CalculatorScreen::places() const { return places_ ? places_->places() : Places::Unrounded; }

void CalculatorScreen::calculate() {
    if (compute_) show(compute_(fields()), true);
}

void CalculatorScreen::recompute() {
    if (compute_) show(compute_(fields()), false);
}

void CalculatorScreen::clear() {
    for (const Row &row : rows_) {
        const bool emptied = row.kind == Row::Kind::Result ||
                             ((row.kind == Row::Kind::Number || row.kind == Row::Kind::Text) && row.start.isEmpty());
        if (emptied) write(row.control, QString());
    }
}

void CalculatorScreen::show(const Outcome &outcome, bool fromCalculate) {
    for (const QString &notice : outcome.notices()) message(notice);
    if (outcome.isFailed()) {
        if (fromCalculate) message(outcome.failure().isEmpty() ? inputMessage_ : outcome.failure());
        fail(fromCalculate);
        return;
    }

    // Every text is made before any is written: a value that cannot be shown leaves them all.
    const auto firstResult = std::find_if(rows_.begin(), rows_.end(), [](const Row &r) { return r.kind == Row::Kind::Result; });
    auto rowOf = [&](const QString &control) -> const Row * {
        if (control.isEmpty()) return firstResult == rows_.end() ? nullptr : &*firstResult;
        for (const Row &r : rows_)
            if (r.control == control) return &r;
        return nullptr;
    };
    std::vector<std::pair<QString, QString>> texts;
    std::map<QString, std::string> kept;  // unrounded values, for totals
    bool valid = true;
    for (const Outcome::Value &v : outcome.values()) {
        const Row *row = rowOf(v.control);
        if (!row) continue;
        if (v.text) {
            texts.emplace_back(row->control, *v.text);
            continue;
        }
        if (!v.number) {
            texts.emplace_back(row->control, QString());
            continue;
        }
        const std::string general = generalText(*v.number);  // empty when not finite
        if (general.empty()) {
            valid = false;
            break;
        }
        kept[row->control] = general;
        std::string shown = general;
        if (row->format.kind == Format::Places) shown = displayText(general, places());
        else if (row->format.kind == Format::Fixed) shown = fixedText(general, row->format.decimals);
        texts.emplace_back(row->control, QString::fromStdString(shown));
    }
    for (const Row &row : rows_) {
        if (!valid || row.kind != Row::Kind::Result || row.format.kind != Format::Total) continue;
        auto single = kept.find(row.format.single);
        if (single == kept.end()) continue;
        auto weights = weightTexts(single->second, places(), fields().number(row.format.count));
        if (!weights) valid = false;
        else texts.emplace_back(row.control, QString::fromStdString(weights->total));
    }
    if (!valid) {
        if (fromCalculate) message(kInvalidResult);
        fail(fromCalculate);
        return;
    }
    for (const auto &[control, text] : texts) write(control, text);
}

void CalculatorScreen::fail(bool fromCalculate) {
    if (failure_ == Failure::Blank)
        for (const Row &row : rows_)
            if (row.kind == Row::Kind::Result) write(row.control, QString());
    if (afterFailure_) afterFailure_(*this, fromCalculate);
}

void CalculatorScreen::write(const QString &control, const QString &text) {
    if (auto *e = findChild<QLineEdit *>(control)) look::showText(e, text);
    else if (auto *c = findChild<QComboBox *>(control)) c->setEditText(text);
}

void CalculatorScreen::setFrameVisible(const QString &frame, bool visible) {
    if (auto *f = findChild<QGroupBox *>(frame)) f->setVisible(visible);
}

// ---------------------------------------------------------------------------------------------
// The usual calculator.

CalculatorScreen *buildCalculator(const CalculatorDesign &d) {
    auto *s = new CalculatorScreen(d.name, d.caption, d.background, d.compute);
    s->setFailure(d.failure, d.inputMessage);
    if (d.afterFailure) s->setAfterFailure(d.afterFailure);

    QVBoxLayout *root = s->titledColumn(d.title);

    auto *body = new QHBoxLayout;
    body->setSpacing(18);
    root->addLayout(body, 1);

    // Left: the drawing and the note.
    if (d.drawing || !d.notes.isEmpty()) {
        auto *left = new QVBoxLayout;
        left->setContentsMargins(0, 0, 0, 0);
        if (d.drawing) {
            QGroupBox *frame = s->addFrame(QStringLiteral("Frame1"), QStringLiteral("图形"));
            auto *fl = new QVBoxLayout(frame);
            fl->addWidget(new DrawingView(d.drawing, frame));
            left->addWidget(frame, 1);
        }
        if (!d.notes.isEmpty()) {
            QGroupBox *note = s->addFrame(QStringLiteral("Frame2"), QStringLiteral("说明"));
            auto *nl = new QVBoxLayout(note);
            QLabel *text = look::label(note, QStringLiteral("Label7"), d.notes.join(QLatin1Char('\n')), look::song(10.5));
            text->setWordWrap(true);
            nl->addWidget(text);
            left->addWidget(note);
        }
        body->addLayout(left, 1);
    }

    // Right: the fields, the buttons, the results and the decimal places. Long forms pack their
    // rows closer, so that the window keeps its usual height.
    int lines = d.quantity ? 1 : 0;
    for (const Row &r : d.inputs) lines += r.kind == Row::Kind::Choice ? 2 : 1;
    const bool compact = lines > 6;
    auto *right = new QVBoxLayout;
    right->setSpacing(compact ? 6 : 10);
    const bool alone = !d.drawing && d.notes.isEmpty();
    if (alone) body->addStretch(1);
    body->addLayout(right, 0);
    if (alone) body->addStretch(1);

    std::vector<Row> inputs = d.inputs;
    if (d.quantity) inputs.push_back(*d.quantity);
    QGridLayout *form = s->addRows(s, inputs, inputRowStyle());
    form->setVerticalSpacing(compact ? 4 : 9);
    right->addLayout(form);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(s->addCalculateButton(QStringLiteral("Command2")));
    buttons->addWidget(s->addClearButton(QStringLiteral("Command1"), d.clearCaption));
    right->addLayout(buttons);

    if (!d.resultHeading.isEmpty()) right->addWidget(look::label(s, QString(), d.resultHeading, look::song(15, true)));
    std::vector<Row> results;
    for (Row r : d.results) {
        r.kind = Row::Kind::Result;
        if (d.quantity && !results.empty()) r.format = total(results.front().control, d.quantity->control);
        results.push_back(r);
    }
    right->addLayout(s->addRows(s, results, resultRowStyle()));

    right->addWidget(s->addPlaces(d.options, d.start, QStringLiteral("计算结果数据小数位数"), d.optionControls));
    right->addStretch(1);

    root->addLayout(s->makeBackAndExitRow(QStringLiteral("Command6"), QStringLiteral("Command7")));
    s->finish();
    return s;
}

}  // namespace hanhai::shell
