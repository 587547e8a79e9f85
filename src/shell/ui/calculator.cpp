#include "shell/ui/calculator.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

#include "shell/ui/look.h"
#include "shell/ui/places_group.h"
#include "shell/ui/sketch.h"

namespace hanhai::shell {

namespace {

QLabel *inputCaption(QWidget *parent, const QString &text) {
    QLabel *l = look::label(parent, QString(), text, look::song(12));
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, look::kCaptionBackground);
    l->setPalette(p);
    l->setMinimumWidth(110);
    l->setContentsMargins(6, 1, 6, 1);
    return l;
}

QLabel *unitLabel(QWidget *parent, int index, const QString &unit) {
    QLabel *l = look::label(parent, QStringLiteral("Label5(%1)").arg(index), look::unitMarkup(unit),
                            look::song(12));
    l->setTextFormat(Qt::RichText);
    return l;
}

QString toQt(const std::string &s) { return QString::fromStdString(s); }

}  // namespace

CalculatorWindow::CalculatorWindow(CalculatorDesign design)
    : ScreenWindow(design.name, design.caption, design.background), design_(std::move(design)) {
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(18, 12, 18, 14);
    root->setSpacing(10);

    QLabel *title = look::label(this, QStringLiteral("Label1"), design_.title, look::xinwei(21.75, true));
    title->setAlignment(Qt::AlignCenter);
    root->addWidget(title);

    auto *body = new QHBoxLayout;
    body->setSpacing(18);
    root->addLayout(body, 1);

    // Left: the drawing and the note.
    if (design_.drawing || !design_.notes.isEmpty()) {
        auto *left = new QVBoxLayout;
        if (design_.drawing) {
            auto *frame = new QGroupBox(QStringLiteral("图形"), this);
            frame->setObjectName(QStringLiteral("Frame1"));
            frame->setFont(look::song(10.5));
            auto *fl = new QVBoxLayout(frame);
            fl->addWidget(new DrawingView(design_.drawing, frame));
            left->addWidget(frame, 1);
        }
        if (!design_.notes.isEmpty()) {
            auto *note = new QGroupBox(QStringLiteral("说明"), this);
            note->setObjectName(QStringLiteral("Frame2"));
            note->setFont(look::song(10.5));
            auto *nl = new QVBoxLayout(note);
            QLabel *text = look::label(note, QStringLiteral("Label7"), design_.notes.join(QLatin1Char('\n')),
                                       look::song(10.5));
            text->setWordWrap(true);
            nl->addWidget(text);
            left->addWidget(note);
        }
        body->addLayout(left, 1);
        left->setContentsMargins(0, 0, 0, 0);
    }

    // Right: the fields, the buttons, the results and the decimal places.
    // Long forms pack their rows closer, so that the window keeps its usual height.
    const bool compact = design_.choices.size() * 2 + design_.inputs.size() + (design_.quantity ? 1 : 0) > 6;
    auto *right = new QVBoxLayout;
    right->setSpacing(compact ? 6 : 10);
    const bool alone = !design_.drawing && design_.notes.isEmpty();
    if (alone) body->addStretch(1);
    body->addLayout(right, 0);
    if (alone) body->addStretch(1);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(8);
    form->setVerticalSpacing(compact ? 4 : 9);
    right->addLayout(form);
    int row = 0, unitIndex = 0;
    for (const ChoiceField &c : design_.choices) {
        form->addWidget(inputCaption(this, c.caption), row++, 0, 1, 3);
        QComboBox *box = look::dropDown(this, c.control, look::song(12), c.items, c.prompt);
        form->addWidget(box, row++, 0, 1, 3);
        choices_.push_back(box);
    }
    auto addInput = [&](const NumberField &f) {
        form->addWidget(inputCaption(this, f.caption), row, 0);
        QLineEdit *e = look::field(this, f.control, look::song(14.25));
        e->setFixedWidth(150);
        if (!f.start.isEmpty()) {
            e->setText(f.start);
            look::markRecommended(e);
        }
        form->addWidget(e, row, 1);
        form->addWidget(unitLabel(this, unitIndex++, f.unit), row, 2);
        ++row;
        return e;
    };
    for (const NumberField &f : design_.inputs) inputs_.push_back(addInput(f));
    if (design_.quantity) quantity_ = addInput(*design_.quantity);

    auto *buttons = new QHBoxLayout;
    QPushButton *calc = look::button(this, QStringLiteral("Command2"), QStringLiteral("计算结果"),
                                     look::kCalculateColour, look::song(12));
    QPushButton *clearButton =
        look::button(this, QStringLiteral("Command1"), design_.clearCaption, look::kCalculateColour, look::song(12));
    buttons->addWidget(calc);
    buttons->addWidget(clearButton);
    right->addLayout(buttons);
    setDefaultButton(calc);
    connect(calc, &QPushButton::clicked, this, &CalculatorWindow::calculate);
    connect(clearButton, &QPushButton::clicked, this, &CalculatorWindow::clear);

    if (!design_.resultHeading.isEmpty()) {
        QLabel *h = look::label(this, QString(), design_.resultHeading, look::song(15, true));
        right->addWidget(h);
    }
    auto *resultGrid = new QGridLayout;
    resultGrid->setHorizontalSpacing(8);
    right->addLayout(resultGrid);
    int resultRow = 0;
    for (const ResultField &r : design_.results) {
        resultGrid->addWidget(look::label(this, QString(), r.caption, look::song(15, true)), resultRow, 0);
        QLineEdit *e = look::field(this, r.control, look::song(15));
        e->setFixedWidth(170);
        resultGrid->addWidget(e, resultRow, 1);
        resultGrid->addWidget(unitLabel(this, unitIndex++, r.unit), resultRow, 2);
        results_.push_back(e);
        ++resultRow;
    }

    places_ = new PlacesGroup(design_.options, design_.start, QStringLiteral("计算结果数据小数位数"), this,
                              design_.optionControls);
    connect(places_, &PlacesGroup::chosen, this, &CalculatorWindow::optionChosen);
    right->addWidget(places_);
    right->addStretch(1);

    root->addLayout(makeBackAndExitRow(QStringLiteral("Command6"), QStringLiteral("Command7")));
    auto *back = findChild<QPushButton *>(QStringLiteral("Command6"));
    auto *exit = findChild<QPushButton *>(QStringLiteral("Command7"));

    // Tab order: inputs in screen order, calculate, clear, results, options, back, exit.
    QList<QWidget *> chain;
    for (auto *c : choices_) chain << c;
    for (auto *e : inputs_) chain << e;
    if (quantity_) chain << quantity_;
    chain << calc << clearButton;
    for (auto *e : results_) chain << e;
    chain << places_->optionButtons() << back << exit;
    for (int i = 0; i + 1 < chain.size(); ++i) setTabOrder(chain[i], chain[i + 1]);
    if (!chain.isEmpty()) setFirstField(chain.front());

    fixSize();
}

Inputs CalculatorWindow::read() const {
    Inputs in;
    for (const QLineEdit *e : inputs_) in.numbers.push_back(leadingNumber(e->text().toStdString()));
    for (const QComboBox *c : choices_) in.choices.push_back(c->currentText().toStdString());
    return in;
}

void CalculatorWindow::calculate() { run(true); }

void CalculatorWindow::optionChosen() { run(false); }

void CalculatorWindow::clear() {
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        if (design_.inputs[i].start.isEmpty()) inputs_[i]->clear();
    for (QLineEdit *e : results_) e->clear();
}

void CalculatorWindow::run(bool fromCalculate) {
    Outcome out = design_.compute(read());
    for (const QString &notice : out.notices) message(notice);
    if (!out.value) {
        if (fromCalculate) message(design_.inputMessage);
        writeFailure(fromCalculate);
        return;
    }
    if (!std::isfinite(*out.value) || !writeResults(generalText(*out.value))) {
        if (fromCalculate) message(kInvalidResult);
    }
}

bool CalculatorWindow::writeResults(const std::string &kept) {
    const Places places = places_->places();
    if (quantity_) {
        auto w = weightTexts(kept, places, leadingNumber(quantity_->text().toStdString()));
        if (!w) return false;
        results_[0]->setText(toQt(w->single));
        results_[1]->setText(toQt(w->total));
        return true;
    }
    results_[0]->setText(toQt(displayText(kept, places)));
    return true;
}

void CalculatorWindow::writeFailure(bool fromCalculate) {
    switch (design_.failure) {
    case Failure::Blank:
        for (QLineEdit *e : results_) e->clear();
        break;
    case Failure::Hold:
        break;
    case Failure::HoldButUnroundedSingle:
        if (!fromCalculate && places_->places() == Places::Unrounded) results_[0]->clear();
        break;
    }
}

}  // namespace hanhai::shell
