// The standard calculator screen, built from a table of its fields: inputs and drop-downs,
// the calculate and clear buttons, the result fields shown through the decimal-places group,
// a drawing and a note. A screen states only its fields, its computation and its messages.
#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shell/core/numbers.h"
#include "shell/ui/sketch.h"
#include "shell/ui/window.h"

class QComboBox;
class QLineEdit;
class QPainter;
class QRectF;
class QPushButton;

namespace hanhai::shell {

class PlacesGroup;

// What the computation receives: the number fields read by the leading-number rule and the
// drop-down texts, each in the order the screen's table lists them.
struct Inputs {
    std::vector<double> numbers;
    std::vector<std::string> choices;
};

// What the computation gives: the unrounded result, or nothing when the inputs are unusable;
// and any messages the computation raises itself (shown on calculate and on option clicks).
struct Outcome {
    Outcome(std::optional<double> v) : value(v) {}  // NOLINT: a plain result converts
    Outcome(std::optional<double> v, QStringList n) : value(v), notices(std::move(n)) {}
    std::optional<double> value;
    QStringList notices;
};

struct NumberField {
    QString control;  // "Text1"
    QString caption;  // "D--直径"
    QString unit;     // "mm"
    QString start = {};   // design text; shown red and centred, never emptied, when set
};

struct ChoiceField {
    QString control;  // "Combo1"
    QString caption;
    QString prompt;   // the text the drop-down opens with
    QStringList items;
};

struct ResultField {
    QString control;  // "Text3"
    QString caption;  // "体  积"
    QString unit;     // "m³"
};

enum class Failure {
    Blank,  // after a failure the results are emptied
    Hold,   // after a failure the results keep their text
    // as Hold, but the unrounded option writes the single result in every case
    HoldButUnroundedSingle,
};

struct CalculatorDesign {
    QString name;     // screen name and object name
    QString caption;  // window title
    QString title;    // Label1
    QColor background;

    std::vector<ChoiceField> choices;
    std::vector<NumberField> inputs;
    // A count N: the results are then a single weight and a total (two result fields).
    std::optional<NumberField> quantity;
    QString resultHeading;  // a heading above the results, e.g. "重  量"
    std::vector<ResultField> results;

    int options = 4;  // decimal-places options: 3 or 4
    Places start = Places::Unrounded;
    QStringList optionControls;  // the options' object names where not Option1, Option2 ...
    Failure failure = Failure::Blank;
    QString inputMessage;
    std::function<Outcome(const Inputs &)> compute;

    DrawingFn drawing = nullptr;  // the part, painted in the frame "图形"
    QStringList notes;  // lines of the frame "说明"

    QString clearCaption = QStringLiteral("清   除");
};

class CalculatorWindow : public ScreenWindow {
    Q_OBJECT
public:
    explicit CalculatorWindow(CalculatorDesign design);

private:
    void calculate();          // Command2
    void clear();              // Command1
    void optionChosen();       // the decimal-places group
    // Computes the kept result from the fields as they stand (every click does) and shows it.
    void run(bool fromCalculate);
    Inputs read() const;
    bool writeResults(const std::string &kept);  // false when a shown value would not be finite
    void writeFailure(bool fromCalculate);

    CalculatorDesign design_;
    std::vector<QComboBox *> choices_;
    std::vector<QLineEdit *> inputs_;
    QLineEdit *quantity_ = nullptr;
    std::vector<QLineEdit *> results_;
    PlacesGroup *places_ = nullptr;
};

// Adapts a screen's table to the screen table's window makers.
template <CalculatorDesign (*Design)()>
QWidget *makeCalculator() {
    return new CalculatorWindow(Design());
}

}  // namespace hanhai::shell
